#pragma once
// The results screen that every activity ends on: the score in words, a random animal picture, a sound
// chosen by the score, and "Print Certificate" after full marks or "Check Wrong Answers" after a quiz.
//
// It is built from the activity's result (results_opener.h). After loading, three one-shot timers then
// run once each, one after another: the picture (1 ms), the name box's focus and the lit buttons (10 ms), the
// sound (1 ms).

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <array>

#include "activity_result.h"
#include "label_button.h"
#include "screen.h"

namespace bt {

struct Context;
class PictureBox;

class Welldone : public Screen {
    Q_OBJECT
  public:
    Welldone(Context& context, ActivityResult result, QWidget* parent);
    void load() override;

  private:
    void Label3_Click(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    // Prints the certificate on the default printer and says so; a printer failure is reported instead.
    void Printpage();

    Context& context_;
    const ActivityResult result_;
    QLabel* label1_;
    QLabel* label5_;
    QLabel* label6_;
    QLabel* label2_;
    QLineEdit* text1_;
    PictureBox* picture1_;
    std::array<LabelButton*, 2> label3_{};
    QTimer* timer1_;
    QTimer* timer2_;
    QTimer* timer3_;
};

}  // namespace bt
