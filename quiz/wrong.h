#pragma once
// The wrong-answer notice: the questions a pupil got wrong in the quiz just marked. The quiz prepares it
// from its result while marking; the results screen shows it; its "Exit" closes it and the results screen.

#include <QLabel>
#include <array>

#include "activity_result.h"
#include "label_button.h"
#include "screen.h"

namespace bt {

struct Context;

class Wrong : public Screen {
    Q_OBJECT
  public:
    static constexpr int kLines = 10;

    // Shows the result's title and its wrong-answer lines, one a line (at most ten).
    Wrong(Context& context, const ActivityResult& result, QWidget* parent);
    void load() override;

  private:
    void Label3_Click(int index);

    Context& context_;
};

// Builds the notice from a quiz's result, hidden, for the results screen to show by name.
void prepareWrongNotice(Context& context, const ActivityResult& result);

}  // namespace bt
