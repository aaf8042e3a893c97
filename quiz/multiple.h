#pragma once
// The quiz screen: the ten questions of the worksheet in memory, one at a time, with answers A to D, back
// and forth, marked after question 10 and handed to the results screen and the wrong-answer notice.

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <array>

#include "label_button.h"
#include "screen.h"

namespace bt {

struct Context;
class PictureBox;

class multiple : public Screen {
    Q_OBJECT
  public:
    multiple(Context& context, QWidget* parent);
    void load() override;

    // What an opener sets before showing the screen.
    PictureBox* picture() const { return picture1_; }
    void setHeading(const QString& heading) { label5_->setText(heading); }
    QString heading() const { return label5_->text(); }

    // Option1(1) to (4) are answers A to D; Option1(5) is the hidden "no answer" choice.
    QRadioButton* option(int index) const { return option1_.at(index); }
    LabelButton* button(int index) const { return label3_.at(index); }

  private:
    void showquest();
    void Label3_Click(int index);
    void Option1_Click();
    void nextQuestion();
    // Prints the worksheet in memory; the quiz stays as it is.
    void printworksheet();
    void markTheQuiz();

    Context& context_;
    PictureBox* picture1_;
    QLabel* label5_;
    QLabel* label6_;
    QLabel* label4_;
    QLabel* label2_;
    std::array<QRadioButton*, 6> option1_{};  // slot 0 unused
    std::array<LabelButton*, 4> label3_{};
    QButtonGroup* group_;
};

}  // namespace bt
