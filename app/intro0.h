#pragma once
// The main menu: the topics, the teacher pages, the wizard and catalogue, the sound and read-aloud switches
// and "Exit".

#include <QCheckBox>
#include <QRadioButton>
#include <QTimer>
#include <array>

#include "label_button.h"
#include "screen.h"

namespace bt {

struct Context;
class PictureBox;

class intro0 : public Screen {
    Q_OBJECT
  public:
    static constexpr int kEntries = 21;

    intro0(Context& context, QWidget* parent);
    void load() override;

  private:
    void Label2_Click(int index);
    void Timer1_Timer();

    Context& context_;
    QRadioButton* option1_;
    QRadioButton* option2_;
    QCheckBox* check1_;
    PictureBox* image1_;
    QTimer* timer1_;
};

}  // namespace bt
