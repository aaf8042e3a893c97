#pragma once
// Numbers put into captions, messages and printed lines carry one leading blank when they are not
// negative (" 7"), and the words around them carry no blank of their own:
// "You have scored" + numText(7) + " out of" + numText(10) + "." reads "You have scored 7 out of 10.".

#include <QString>

namespace bt {

inline QString numText(qint64 value) {
    return value >= 0 ? QLatin1Char(' ') + QString::number(value) : QString::number(value);
}

}  // namespace bt
