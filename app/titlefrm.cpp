#include "titlefrm.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

#include "colours.h"
#include "context.h"
#include "fonts.h"
#include "picture_box.h"
#include "twips.h"

namespace bt {

namespace {

// The screen's client area, and the frame that covers it (its top edge lies above the client area).
constexpr int kWidth = 5460;
constexpr int kHeight = 6570;
constexpr TwipsBox kFrame1{0, -90, 5480, 6660};

// Positions within the frame.
constexpr TwipsBox kLabel4{60, 360, 5355, 1065};
constexpr TwipsBox kPicture1{300, 1200, 4800, 3600};
constexpr TwipsBox kLabel1{360, 4980, 4695, 375};
constexpr TwipsBox kLabel5{480, 5310, 4455, 375};
constexpr TwipsBox kLabel3{480, 5640, 4455, 375};
constexpr TwipsBox kCommand1{1320, 6000, 1335, 375};
constexpr TwipsBox kCommand2{2760, 6000, 1335, 375};

constexpr bool inFrame(const TwipsBox& box) {
    return box.inside(kFrame1.width, kFrame1.height) && kFrame1.top + box.top + box.height <= kHeight &&
           kFrame1.left + box.left + box.width <= kWidth;
}
static_assert(inFrame(kLabel4) && inFrame(kPicture1) && inFrame(kLabel1) && inFrame(kLabel5) &&
              inFrame(kLabel3) && inFrame(kCommand1) && inFrame(kCommand2));

// The credit lines name the program's own team.
const QString kAuthorCredit = QStringLiteral("Science by the Brambleton Team");
const QString kProgrammingCredit = QStringLiteral("Programming by Brambleton Software");
const QString kEditorCredit = QStringLiteral("Series: Brambleton Primary Science");

const QColor kDarkGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);

QPushButton* pushButton(QWidget* parent, const char* name, const QString& text, const TwipsBox& box) {
    auto* button = makeControl<QPushButton>(parent, QString::fromLatin1(name), box,
                                            screenFont(QStringLiteral("MS Sans Serif"), 8.25));
    button->setText(text);
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, colours::kTitle);
    button->setPalette(pal);
    return button;
}

}  // namespace

Titlefrm::Titlefrm(Context& context, bool confirming, QWidget* parent)
    : Screen(screen::kTitle.text(), parent), context_(context) {
    setAccessibleName(QStringLiteral("Title"));
    setWindowTitle(QStringLiteral(" "));
    setBackground(this, colours::kTitle);
    setTwipsSize(this, kWidth, kHeight);

    auto* frame = makeControl<QFrame>(this, QStringLiteral("Frame1"), kFrame1, QFont());
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    setShownLineWidth(frame, 1);

    const QString times = QStringLiteral("Times New Roman");
    addCaption(frame, QStringLiteral("Label4"), QStringLiteral("Brambleton"), kLabel4,
               screenFont(times, 24, true), kDarkGreen);
    picture1_ = new PictureBox(QStringLiteral("Picture1"), frame);
    place(picture1_, kPicture1);
    addCaption(frame, QStringLiteral("Label1"), kAuthorCredit, kLabel1, screenFont(times, 14.25), kBlue);
    addCaption(frame, QStringLiteral("Label5"), kProgrammingCredit, kLabel5, screenFont(times, 12), kBlue);
    addCaption(frame, QStringLiteral("Label3"), kEditorCredit, kLabel3, screenFont(times, 12), kBlue);
    command1_ = pushButton(frame, "Command1", confirming ? QStringLiteral("Cancel") : QStringLiteral("OK"),
                           kCommand1);
    QPushButton* command2 = pushButton(frame, "Command2", QStringLiteral("Exit"), kCommand2);
    connect(command1_, &QPushButton::clicked, this, &Titlefrm::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Titlefrm::Command2_Click);
    setFocusProxy(command1_);
}

void Titlefrm::load() {
    centreInParent(this);
    context_.screens->showGrey();
    picture1_->setPicture(context_.paths, QStringLiteral("images\\swan1.jpg"));
}

void Titlefrm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : command1_)->click();
        return;
    }
    Screen::keyPressEvent(event);
}

void Titlefrm::Command1_Click() {
    context_.screens->show(screen::kMenu);
    context_.screens->unload(screen::kTitle);
    playSound(context_, kClickSound);
}

void Titlefrm::Command2_Click() {
    playSound(context_, kClickSound);
    if (context_.endProgram) context_.endProgram();
}

void openTitle(Context& context, bool confirming) {
    context.screens->open(screen::kTitle,
                          [&](QWidget* parent) { return new Titlefrm(context, confirming, parent); });
}

}  // namespace bt
