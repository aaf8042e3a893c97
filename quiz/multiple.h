#pragma once
// The quiz screen: a view of its quiz session. It shows the session's question with answers A to D, passes
// the pupil's choice on when they go forward, and goes back on request. Once the session has marked the
// quiz, the wrong-answer notice is prepared and the results screen opens with the session's result.

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <array>

#include "label_button.h"
#include "quiz_session.h"
#include "screen.h"

namespace bt {

struct Context;
class PictureBox;

class multiple : public Screen {
    Q_OBJECT
  public:
    // smallPicture: the picture beside the heading (a relative content path).
    multiple(Context& context, QuizSession session, QString smallPicture, QWidget* parent);
    void load() override;

  protected:
    // The keys 1 to 4, or A to D, choose an answer.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showquest();
    void Label3_Click(int index);
    void Option1_Click();
    // The choice shown: 1 to 4 for A to D, 0 for none.
    int chosen() const;
    // Prints the worksheet; the quiz stays as it is.
    void printworksheet();
    void markTheQuiz();

    Context& context_;
    QuizSession session_;
    QString smallPicture_;
    PictureBox* picture1_;
    QLabel* label5_;
    QLabel* label6_;
    QLabel* label4_;
    QLabel* label2_;
    std::array<QRadioButton*, 6> option1_{};  // 1 to 4 are answers A to D; 5 is the hidden "no answer"
    std::array<LabelButton*, 4> label3_{};
    QButtonGroup* group_;
};

}  // namespace bt
