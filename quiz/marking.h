#pragma once
// Marking a quiz. The quiz screen passes on the pupil's choices and shows what comes back.

#include <QString>
#include <QStringList>

#include "shared_state.h"

namespace bt {

// 1 when the chosen answer (1 to 4 for A to D, 0 for none) is the one the worksheet names, else 0.
int markAnswer(const QString& correctanswer, int chosen);

// "Question 1" .. "Question 10".
QString questionCaption(int questnum);

struct QuizMarks {
    int score = 0;
    // One line per wrong or unanswered question, in question order: " 3. " followed by the question.
    QStringList wrongLines;
};

// Adds up marks 1 to 10 and lists the wrong questions.
QuizMarks markQuiz(const SharedValues& shared);

}  // namespace bt
