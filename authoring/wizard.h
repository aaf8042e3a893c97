#pragma once
// The worksheet wizard: a teacher writes ten questions with four answers each, ticks the right answer of
// each, and saves the worksheet under its title into the worksheet folder and the register. It opens
// empty from the menu, or filled with a worksheet to edit from the catalogue.

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
    // With a worksheet, the boxes start filled with it.
    wizard(Context& context, QWidget* parent, const Worksheet* editing = nullptr);
    void load() override;
    // The boxes in keyboard order (a question, then its four answers), then the ticks, then the buttons.
    QList<QWidget*> tabOrder() const override;

    // What the boxes hold.
    WizardContent content() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fill(const WizardContent& content);
    void Label3_Click(int index);
    void genwork();

    Context& context_;
    QLineEdit* text1_;
    std::array<QLineEdit*, kQuestions> text2_{};
    std::array<QLineEdit*, 4 * kQuestions> text3_{};
    std::array<QCheckBox*, 4 * kQuestions> check1_{};
    QString own_;  // the title this wizard opened or last saved: saving under it again asks nothing
};

// Opens the wizard filled with a worksheet, for editing.
void openWizard(Context& context, const Worksheet& worksheet);

}  // namespace bt
