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
    // confirming: the menu's "Exit" brings the screen back, and "OK" reads "Cancel".
    Titlefrm(Context& context, bool confirming, QWidget* parent);
    void load() override;

  protected:
    // Enter presses the button that has the focus ("OK" at first), as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Command1_Click();
    void Command2_Click();

    Context& context_;
    PictureBox* picture1_;
    QPushButton* command1_;
};

// Opens the title screen, at start or (confirming) as the menu's exit confirmation.
void openTitle(Context& context, bool confirming);

}  // namespace bt
