#pragma once
// A quiz being taken: the worksheet, the question shown, and the marks so far. The quiz screen shows the
// session's question and passes on the pupil's choices; the session marks them. Qt Core only.

#include <QString>
#include <array>

#include "activity_result.h"
#include "worksheet_files.h"

namespace bt {

// 1 when the chosen answer (1 to 4 for A to D, 0 for none) is the question's right one, else 0.
int markAnswer(const Question& question, int chosen);

// "Question 1" .. "Question 10".
QString questionCaption(int questnum);

class QuizSession {
  public:
    // heading: the quiz screen's heading, which the certificate carries as its title.
    QuizSession(Worksheet worksheet, QString heading);

    const Worksheet& worksheet() const { return worksheet_; }
    const QString& heading() const { return heading_; }

    // The question shown, 1 to 10, and its text and answers.
    int questnum() const { return questnum_; }
    const Question& question() const { return worksheet_.questions[questnum_ - 1]; }
    bool atFirst() const { return questnum_ == 1; }
    bool atLast() const { return questnum_ == kQuestions; }

    // Back to the previous question, whose mark stands until it is passed again; nothing at question 1 or
    // once the quiz is marked.
    void previous();
    // Marks the question shown with the pupil's choice (1 to 4 for A to D, 0 for none) and moves on; after
    // question 10 the quiz is marked and stays on question 10.
    void next(int chosen);
    bool marked() const { return marked_; }

    // Question q's mark (1 to 10): 1 right, 0 wrong or not passed yet.
    int mark(int q) const { return marks_.at(q - 1); }
    // The score so far out of 10, the heading as the certificate's title, the worksheet's title and its
    // wrong questions.
    ActivityResult result() const;

  private:
    Worksheet worksheet_;
    QString heading_;
    int questnum_ = 1;
    std::array<int, kQuestions> marks_{};
    bool marked_ = false;
};

}  // namespace bt
