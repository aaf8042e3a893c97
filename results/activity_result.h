#pragma once
// What an activity hands the results screen once it is marked: the quiz's session and the drag-and-drop
// boards yield one of these.

#include <QString>
#include <QStringList>

namespace bt {

struct ActivityResult {
    int score = 0;  // right answers or items
    int outof = 0;  // what the activity is marked out of: 10 for a quiz, the board's labels otherwise
    // The certificate's title line: the quiz's heading ("Brambleton"); empty after a board.
    QString certtitle{};
    // A quiz only: the worksheet's title and one line per wrong or unanswered question, in question order
    // (" 3. " followed by the question).
    bool quiz = false;
    QString title{};
    QStringList wrongLines{};
};

}  // namespace bt
