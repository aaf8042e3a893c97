#pragma once
// The wrong-answer notice: the questions a pupil got wrong in the quiz just marked. The quiz fills it
// while marking; the results screen shows it; its "Exit" closes it and the results screen.

#include <QLabel>
#include <array>

#include "label_button.h"
#include "screen.h"

namespace bt {

struct Context;

class Wrong : public Screen {
    Q_OBJECT
  public:
    static constexpr int kLines = 10;

    Wrong(Context& context, QWidget* parent);
    void load() override;

    // Fills line w (0 to 9) and makes it visible.
    void setLine(int w, const QString& text);
    void setTitle(const QString& title) { label6_->setText(title); }

    QLabel* line(int w) const { return label2_.at(w); }
    QLabel* title() const { return label6_; }
    LabelButton* exitButton() const { return exit_; }

  private:
    void Label3_Click(int index);

    Context& context_;
    QLabel* label6_;
    std::array<QLabel*, kLines> label2_{};
    LabelButton* exit_;
};

}  // namespace bt
