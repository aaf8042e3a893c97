#pragma once
// The worksheet wizard: a teacher writes ten questions with four answers each, ticks the right answer of
// each, and saves the worksheet under its title into the worksheet folder and the register.

#include <QCheckBox>
#include <QLineEdit>
#include <array>

#include "label_button.h"
#include "screen.h"
#include "worksheet_check.h"

namespace bt {

struct Context;

class wizard : public Screen {
    Q_OBJECT
  public:
    wizard(Context& context, QWidget* parent);
    void load() override;

    // Fills the boxes from the worksheet in the shared values (editing); nothing is cleared first.
    void fillFrom(const SharedValues& shared);
    // What the boxes hold.
    WizardContent content() const;

    QLineEdit* titleBox() const { return text1_; }
    QLineEdit* questionBox(int q) const { return text2_.at(q); }  // q = 0..9
    QLineEdit* answerBox(int i) const { return text3_.at(i); }    // i = 4q + j
    QCheckBox* tickBox(int i) const { return check1_.at(i); }
    LabelButton* button(int index) const { return label3_.at(index); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Label3_Click(int index);
    void genwork();

    Context& context_;
    QLineEdit* text1_;
    std::array<QLineEdit*, kQuestions> text2_{};
    std::array<QLineEdit*, 4 * kQuestions> text3_{};
    std::array<QCheckBox*, 4 * kQuestions> check1_{};
    std::array<LabelButton*, 2> label3_{};
};

}  // namespace bt
