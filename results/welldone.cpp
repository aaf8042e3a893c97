#include "welldone.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QRandomGenerator>

#include "certificate.h"
#include "colours.h"
#include "context.h"
#include "fonts.h"
#include "picture_box.h"
#include "printer.h"
#include "result_words.h"
#include "results_opener.h"

namespace bt {

namespace {

constexpr TwipsBox kLabel4{0, 120, 12000, 900};
constexpr TwipsBox kReview{240, 1800, 3765, 495};
constexpr TwipsBox kPicture1{5880, 1440, 4800, 3600};
constexpr TwipsBox kLabel1{0, 5400, 12000, 855};
constexpr TwipsBox kLabel5{1680, 6000, 8640, 1335};
constexpr TwipsBox kLabel6{0, 6240, 12000, 855};
constexpr TwipsBox kText1{3120, 6600, 5760, 615};
constexpr TwipsBox kLabel2{3120, 7440, 5775, 855};
constexpr TwipsBox kExit{10560, 7920, 1245, 495};
static_assert(onScreen(kLabel4) && onScreen(kReview) && onScreen(kPicture1) && onScreen(kLabel1) &&
              onScreen(kLabel5) && onScreen(kLabel6) && onScreen(kText1) && onScreen(kLabel2) &&
              onScreen(kExit));

constexpr int kAction = 0;
constexpr int kExitButton = 1;
constexpr int kNameLength = 25;

// A generator seeded afresh from the clock, as each draw asks.
QRandomGenerator clockSeeded() {
    return QRandomGenerator(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()) ^
                            static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() >> 32));
}

}  // namespace

Welldone::Welldone(Context& context, ActivityResult result, QWidget* parent)
    : Screen(screen::kResults.text(), parent), context_(context), result_(std::move(result)) {
    setAccessibleName(QStringLiteral("Results"));
    setWindowTitle(QStringLiteral("Well Done!"));
    const QString times = QStringLiteral("Times New Roman");
    addCaption(this, QStringLiteral("Label4"), QStringLiteral("Well Done!"), kLabel4,
               screenFont(QStringLiteral("Tahoma"), 36, true), colours::kYellow);
    picture1_ = new PictureBox(QStringLiteral("Picture1"), this);
    place(picture1_, kPicture1);
    label1_ = addCaption(this, QStringLiteral("Label1"),
                         QStringLiteral("Excellent work you have completed this task successfully"), kLabel1,
                         screenFont(times, 24), colours::kYellow);
    label5_ = addCaption(this, QStringLiteral("Label5"), QString(), kLabel5, screenFont(times, 24),
                         colours::kYellow);
    label5_->hide();
    label6_ = addCaption(this, QStringLiteral("Label6"), QStringLiteral("Read the Key Facts and try again."),
                         kLabel6, screenFont(times, 24), colours::kYellow);
    text1_ = makeControl<QLineEdit>(this, QStringLiteral("Text1"), kText1, screenFont(times, 24));
    text1_->setMaxLength(kNameLength);
    text1_->setAccessibleName(QStringLiteral("Your name"));
    text1_->hide();
    label2_ = addCaption(this, QStringLiteral("Label2"),
                         QStringLiteral("Enter your name in the box above before printing your certificate"),
                         kLabel2, screenFont(times, 18), colours::kYellow);
    label2_->hide();

    label3_[kAction] =
        addButton(QStringLiteral("Label3"), kAction, QStringLiteral("Check Wrong Answers"), kReview);
    label3_[kAction]->hide();
    label3_[kExitButton] = addButton(QStringLiteral("Label3"), kExitButton, QStringLiteral("Exit"), kExit);
    // Enter in the name box does what the button beside it does.
    connect(text1_, &QLineEdit::returnPressed, label3_[kAction], &LabelButton::press);
    for (LabelButton* b : label3_) {
        b->setLit(false);  // drawn as plain text and border until the start-up chain lights them
        connect(b, &LabelButton::clicked, this, &Welldone::Label3_Click);
    }

    auto oneShot = [this](const char* name, int ms, void (Welldone::*handler)()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(ms);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, handler);
        return timer;
    };
    timer1_ = oneShot("Timer1", 1, &Welldone::Timer1_Timer);
    timer2_ = oneShot("Timer2", 10, &Welldone::Timer2_Timer);
    timer3_ = oneShot("Timer3", 1, &Welldone::Timer3_Timer);
}

void Welldone::load() {
    setupform(this);
    const ResultWords words = resultWords(result_.score, result_.outof);
    switch (words.kind) {
        case ResultWords::Kind::Perfect:
            label1_->setText(words.label1);
            label6_->hide();
            label3_[kAction]->setCaption(words.action);
            label3_[kAction]->show();
            text1_->show();
            label2_->show();
            break;
        case ResultWords::Kind::Close:
        case ResultWords::Kind::Other:
            label1_->setText(words.label1);
            label5_->setText(words.label5);
            label3_[kAction]->setCaption(words.action);
            break;
        case ResultWords::Kind::Design:
            break;
    }
    // After a quiz the hint line takes the place of "Read the Key Facts and try again.", and the action
    // button shows whatever the score.
    if (result_.quiz) {
        label6_->hide();
        label5_->show();
        label3_[kAction]->show();
    }
    QStringList said{windowTitle()};  // the heading, "Well Done!"
    for (const QLabel* label : {label1_, label5_, label6_, label2_})
        if (!label->isHidden()) said << label->text();
    readAloud(context_, this, said);
    timer1_->start();
}

void Welldone::Timer1_Timer() {
    QRandomGenerator random = clockSeeded();
    picture1_->setPicture(context_.paths, resultPicture(random.generateDouble()));
    timer2_->start();
}

void Welldone::Timer2_Timer() {
    if (text1_->isVisible()) text1_->setFocus(Qt::OtherFocusReason);
    for (LabelButton* b : label3_) b->setLit(true);
    timer3_->start();
}

void Welldone::Timer3_Timer() {
    QRandomGenerator random = clockSeeded();
    if (context_.shared.soundon == 1) {
        const QString sound = resultSound(result_.score, random.generateDouble());
        if (!sound.isEmpty()) context_.sound->play(sound);
    }
}

void Welldone::Label3_Click(int index) {
    if (index == kAction && result_.score == result_.outof) {
        Printpage();
        return;  // no click after printing
    }
    if (index == kAction) {
        context_.screens->show(screen::kWrong);
    } else {
        context_.screens->unload(screen::kWrong);
        context_.screens->unload(screen::kResults);
    }
    playSound(context_, kClickSound);
}

void Welldone::Printpage() {
    // The title is measured in the screen's own small interface font, as the screen would show it.
    const QFontMetricsF screenFontMetrics(screenFont(QStringLiteral("MS Sans Serif"), 8));
    const auto screenWidth = [&screenFontMetrics](const QString& text) {
        return twips(screenFontMetrics.horizontalAdvance(text));
    };
    if (printJob(context_, [&](Printer& p) {
            printCertificate(p, result_.certtitle, text1_->text(), result_.score, result_.outof, screenWidth);
        }))
        context_.dialogs->message(QStringLiteral("Your certificate is now printing."));
}

void openResults(Context& context, const ActivityResult& result) {
    context.screens->open(screen::kResults,
                          [&](QWidget* parent) { return new Welldone(context, result, parent); });
}

}  // namespace bt
