#pragma once
// The title screen: the product title, the photograph and the credit lines, with "OK" (or "Cancel" when it
// serves as the exit confirmation) and "Exit".

#include <QPushButton>

#include "screen.h"

namespace bt {

struct Context;
class PictureBox;

class Titlefrm : public Screen {
    Q_OBJECT
  public:
    Titlefrm(Context& context, QWidget* parent);
    void load() override;

    // "OK" at start; "Cancel" when the menu's "Exit" brings the screen back.
    void setCommand1Caption(const QString& caption) { command1_->setText(caption); }
    QPushButton* command1() const { return command1_; }
    QPushButton* command2() const { return command2_; }

  protected:
    // Enter presses the button that has the focus ("OK" at first), as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Command1_Click();
    void Command2_Click();

    Context& context_;
    PictureBox* picture1_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace bt
