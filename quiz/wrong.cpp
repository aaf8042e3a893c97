#include "wrong.h"

#include "colours.h"
#include "context.h"
#include "fonts.h"

namespace bt {

namespace {

// The title and the lines are stored 12000 twips wide from their left edges, running past the screen's
// right edge; the boxes here end at the edge, which is all that ever shows.
constexpr TwipsBox kLabel6{0, 120, 12000, 540};
constexpr TwipsBox kLabel4{240, 960, 11760, 540};
constexpr TwipsBox lineBox(int i) {
    return {120, 1680 + 600 * i, 11880, 540};
}
constexpr TwipsBox kLabel5{0, 7920, 12000, 540};
constexpr TwipsBox kExit{10560, 7920, 1245, 495};
static_assert(onScreen(kLabel6) && onScreen(kLabel4) && onScreen(lineBox(0)) && onScreen(lineBox(9)) &&
              onScreen(kLabel5) && onScreen(kExit));

}  // namespace

Wrong::Wrong(Context& context, const ActivityResult& result, QWidget* parent)
    : Screen(screen::kWrong.text(), parent), context_(context) {
    setAccessibleName(QStringLiteral("Wrong answers"));
    const QString tahoma = QStringLiteral("Tahoma");
    addCaption(this, QStringLiteral("Label6"), result.title, kLabel6, screenFont(tahoma, 20.25, true),
               colours::kYellow);
    addCaption(this, QStringLiteral("Label4"),
               QStringLiteral("You answered the following questions incorrectly."), kLabel4,
               screenFont(tahoma, 15.75, true), colours::kYellow, Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i < kLines; ++i) {
        QLabel* line = addCaption(this, QStringLiteral("Label2"), result.wrongLines.value(i), lineBox(i),
                                  screenFont(tahoma, 15.75, true), Qt::white, Qt::AlignLeft | Qt::AlignTop);
        line->setProperty("index", i);
        line->setVisible(i < result.wrongLines.size());
    }
    addCaption(this, QStringLiteral("Label5"), QStringLiteral("Read the Key Facts and try again."), kLabel5,
               screenFont(tahoma, 20.25, true), colours::kYellow);
    // The notice's one button neither lights nor darkens with the pointer, and plays no sound.
    setHoverRules(false, false);
    connect(addButton(QStringLiteral("Label3"), 1, QStringLiteral("Exit"), kExit), &LabelButton::clicked,
            this, &Wrong::Label3_Click);
}

void Wrong::load() {
    setupform(this);
}

void Wrong::Label3_Click(int) {
    context_.screens->unload(screen::kResults);
    context_.screens->unload(screen::kWrong);
}

void prepareWrongNotice(Context& context, const ActivityResult& result) {
    context.screens->prepare(screen::kWrong,
                             [&](QWidget* parent) { return new Wrong(context, result, parent); });
}

}  // namespace bt
