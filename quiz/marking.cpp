#include "marking.h"

#include "numtext.h"

namespace bt {

int markAnswer(const QString& correctanswer, int chosen) {
    bool ok = false;
    const int k = correctanswer.toInt(&ok);
    return ok && k >= 1 && k <= 4 && k == chosen ? 1 : 0;
}

QString questionCaption(int questnum) {
    return QStringLiteral("Question") + numText(questnum);
}

QuizMarks markQuiz(const SharedValues& shared) {
    QuizMarks result;
    for (int i = 1; i <= kQuestions; ++i) {
        result.score += shared.marks[i];
        if (shared.marks[i] == 0)
            result.wrongLines << numText(i) + QStringLiteral(". ") + shared.questtext[i];
    }
    return result;
}

}  // namespace bt
