#pragma once
// Opening a worksheet as a quiz, as the topic pages and the worksheet catalogue do: read the worksheet,
// then load the quiz screen with the small picture and the heading "Brambleton", and show it.

#include <QString>

namespace bt {

struct Context;

inline const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");

// Reads the worksheet at the relative content path ("multiple\Parts of a Plant.txt"). A worksheet that
// is missing, short or has a correct answer other than 1 to 4 is reported as corrupted and the quiz is not
// opened; false then.
bool openQuiz(Context& context, const QString& worksheet, const QString& smallPicture);

// Shows the worksheet already read into the shared values as a quiz, with the small picture and the heading
// "Brambleton".
bool showQuiz(Context& context, const QString& smallPicture);

}  // namespace bt
