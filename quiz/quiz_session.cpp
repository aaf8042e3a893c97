#include "quiz_session.h"

#include "numtext.h"

namespace bt {

int markAnswer(const Question& question, int chosen) {
    return question.correct >= 1 && question.correct <= 4 && question.correct == chosen ? 1 : 0;
}

QString questionCaption(int questnum) {
    return QStringLiteral("Question") + numText(questnum);
}

QuizSession::QuizSession(Worksheet worksheet, QString heading)
    : worksheet_(std::move(worksheet)), heading_(std::move(heading)) {}

void QuizSession::previous() {
    if (!marked_ && questnum_ > 1) --questnum_;
}

void QuizSession::next(int chosen) {
    if (marked_) return;
    marks_[questnum_ - 1] = markAnswer(question(), chosen);
    if (questnum_ < kQuestions)
        ++questnum_;
    else
        marked_ = true;
}

ActivityResult QuizSession::result() const {
    ActivityResult result{
        .outof = kQuestions, .certtitle = heading_, .quiz = true, .title = worksheet_.title};
    for (int q = 1; q <= kQuestions; ++q) {
        result.score += mark(q);
        if (mark(q) == 0)
            result.wrongLines << numText(q) + QStringLiteral(". ") + worksheet_.questions[q - 1].text;
    }
    return result;
}

}  // namespace bt
