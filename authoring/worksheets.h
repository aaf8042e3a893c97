#pragma once
// The worksheet catalogue: the teachers' worksheets from the register, 24 names a page. A name opens the
// worksheet as a quiz, in the wizard ("Edit Worksheet" ticked) or, after a confirmation, removes it from the
// register ("Delete Worksheet" ticked).

#include <QCheckBox>
#include <QLabel>
#include <array>

#include "label_button.h"
#include "screen.h"

namespace bt {

struct Context;

class worksheets : public Screen {
    Q_OBJECT
  public:
    static constexpr int kSlots = 24;

    worksheets(Context& context, QWidget* parent);
    void load() override;

  private:
    void workpage();
    void showNames(const QStringList& names);
    void Label2_Click(int index);
    void Label3_Click(int index);
    bool openName(const QString& name);

    Context& context_;
    QCheckBox* check1_;
    QCheckBox* check2_;
    std::array<LabelButton*, kSlots + 1> label2_{};  // 1 to 24 the names, 0 "Exit"
    std::array<LabelButton*, 2> label3_{};
    QLabel* label4_;
    int page_ = 0;  // the page shown, counted from 0
};

}  // namespace bt
