#pragma once
// Opening a worksheet as a quiz, as the topic pages and the worksheet catalogue do: the quiz screen opens
// with the worksheet, the small picture beside its heading, and the heading "Brambleton".

#include <QString>

#include "worksheet_files.h"

namespace bt {

struct Context;

inline const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");

void openQuiz(Context& context, const Worksheet& worksheet, const QString& smallPicture);

// Reads the worksheet at the relative content path ("multiple\Parts of a Plant.txt") and opens it. A
// worksheet that is missing, short or has a correct answer other than 1 to 4 is reported as corrupted and
// nothing opens; false then.
bool openQuizFile(Context& context, const QString& worksheet, const QString& smallPicture);

}  // namespace bt
