#include "multiple.h"

#include <QKeyEvent>

#include "colours.h"
#include "context.h"
#include "fonts.h"
#include "large_indicators.h"
#include "picture_box.h"
#include "printer.h"
#include "results_opener.h"
#include "worksheet_print.h"
#include "wrong.h"

namespace bt {

namespace {

constexpr TwipsBox kLabel1{120, 120, 6240, 900};
constexpr TwipsBox kPicture1{6840, 240, 855, 615};
constexpr TwipsBox kLabel5{120, 1200, 6465, 585};
constexpr TwipsBox kLabel6{120, 1920, 6465, 705};
constexpr TwipsBox kLabel4{360, 3240, 5415, 615};
constexpr TwipsBox kLabel2{960, 3960, 9840, 1455};
constexpr std::array<TwipsBox, 5> kOption1{{
    {},
    {2400, 5400, 6975, 525},
    {2400, 6000, 6975, 525},
    {2400, 6600, 6975, 525},
    {2400, 7200, 6975, 525},
}};
constexpr std::array<TwipsBox, 4> kLabel3{{
    {2040, 7920, 3765, 495},   // << Previous Question
    {6000, 7920, 3765, 495},   // Next Question >> / Check Score >>
    {10560, 7920, 1245, 495},  // Exit
    {7920, 1920, 3045, 495},   // Print Worksheet
}};
static_assert(onScreen(kLabel1) && onScreen(kPicture1) && onScreen(kLabel5) && onScreen(kLabel6) &&
              onScreen(kLabel4) && onScreen(kLabel2) && onScreen(kOption1[1]) && onScreen(kOption1[4]) &&
              onScreen(kLabel3[0]) && onScreen(kLabel3[1]) && onScreen(kLabel3[2]) && onScreen(kLabel3[3]));

constexpr int kPrevious = 0;
constexpr int kNext = 1;
constexpr int kExit = 2;
constexpr int kPrint = 3;
constexpr int kNoAnswer = 5;

const QColor kGreen(0, 255, 0);
const QColor kLightBlue(128, 128, 255);
const QString kTypekey = QStringLiteral("wav\\typekey.wav");

}  // namespace

multiple::multiple(Context& context, QuizSession session, QString smallPicture, QWidget* parent)
    : Screen(screen::kQuiz.text(), parent),
      context_(context),
      session_(std::move(session)),
      smallPicture_(std::move(smallPicture)) {
    setAccessibleName(QStringLiteral("Multiple Choice"));
    const QString times = QStringLiteral("Times New Roman");
    addCaption(this, QStringLiteral("Label1"), QStringLiteral("Multiple Choice"), kLabel1,
               screenFont(QStringLiteral("Tahoma"), 36, true), colours::kYellow);
    picture1_ = new PictureBox(QStringLiteral("Picture1"), this);
    place(picture1_, kPicture1);
    picture1_->setFitted(true);  // a teacher's worksheet shows the program's large swan
    label5_ = addCaption(this, QStringLiteral("Label5"), QString(), kLabel5, screenFont(times, 24), kGreen);
    label6_ =
        addCaption(this, QStringLiteral("Label6"), QString(), kLabel6, screenFont(times, 24), kLightBlue);
    label4_ = addCaption(this, QStringLiteral("Label4"), QString(), kLabel4, screenFont(times, 24),
                         colours::kYellow, Qt::AlignLeft | Qt::AlignTop);
    label2_ = addCaption(this, QStringLiteral("Label2"), QString(), kLabel2, screenFont(times, 30),
                         colours::kYellow);

    group_ = new QButtonGroup(this);
    for (int i = 1; i <= kNoAnswer; ++i) {
        auto* option =
            makeControl<QRadioButton>(this, QStringLiteral("Option1"), i <= 4 ? kOption1[i] : TwipsBox{},
                                      screenFont(times, 20.25), colours::kYellow, i);
        option->setStyle(largeIndicatorStyle());
        group_->addButton(option, i);
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) Option1_Click();
        });
        option1_[i] = option;
    }
    // The "no answer" choice is never seen: selecting it is how the screen clears the pupil's choice.
    option1_[kNoAnswer]->hide();

    const std::array<QString, 4> captions{QStringLiteral("<< Previous Question"),
                                          QStringLiteral("Next Question >>"), QStringLiteral("Exit"),
                                          QStringLiteral("Print Worksheet")};
    for (int i = 0; i < 4; ++i) {
        label3_[i] = addButton(QStringLiteral("Label3"), i, captions[i], kLabel3[i]);
        connect(label3_[i], &LabelButton::clicked, this, &multiple::Label3_Click);
    }
    label3_[kPrevious]->hide();
}

void multiple::load() {
    setupform(this);
    picture1_->setPicture(context_.paths, smallPicture_);
    label5_->setText(session_.heading());
    place(option1_[kNoAnswer], {kPicture1.left + 240, kPicture1.top + 240, 0, 0});
    for (int i = 1; i <= 4; ++i) setBackground(option1_[i], colours::kScreen);
    label6_->setText(session_.worksheet().title);
    showquest();
}

void multiple::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int answer = key >= Qt::Key_1 && key <= Qt::Key_4   ? key - Qt::Key_1 + 1
                       : key >= Qt::Key_A && key <= Qt::Key_D ? key - Qt::Key_A + 1
                                                              : 0;
    if (answer && event->modifiers() == Qt::NoModifier) {
        option1_[answer]->setFocus(Qt::ShortcutFocusReason);
        option1_[answer]->click();
        return;
    }
    Screen::keyPressEvent(event);
}

void multiple::showquest() {
    option1_[kNoAnswer]->setChecked(true);
    label3_[kPrevious]->setVisible(!session_.atFirst());
    label3_[kNext]->setCaption(session_.atLast() ? QStringLiteral("Check Score >>")
                                                 : QStringLiteral("Next Question >>"));
    label4_->setText(questionCaption(session_.questnum()));
    label2_->setText(session_.question().text);
    for (int i = 1; i <= 4; ++i) option1_[i]->setText(session_.question().answers[i - 1]);
    readAloud(context_, this,
              {session_.question().text, option1_[1]->text(), option1_[2]->text(), option1_[3]->text(),
               option1_[4]->text()});
    // Takes the keyboard focus off the visible answers.
    setFocus(Qt::OtherFocusReason);
}

void multiple::Option1_Click() {
    playSound(context_, kTypekey);
}

void multiple::Label3_Click(int index) {
    switch (index) {
        case kPrevious:
            session_.previous();
            showquest();
            break;
        case kNext:
            session_.next(chosen());
            if (session_.marked())
                markTheQuiz();
            else
                showquest();
            break;
        case kExit:
            context_.screens->unload(screen::kQuiz);
            break;
        case kPrint:
            printworksheet();
            break;
    }
    playSound(context_, kClickSound);
}

void multiple::printworksheet() {
    if (printJob(context_,
                 [this](Printer& p) { printWorksheet(p, session_.heading(), session_.worksheet()); }))
        context_.dialogs->message(QStringLiteral("Your worksheet is now printing."));
}

int multiple::chosen() const {
    const int id = group_->checkedId();
    return id >= 1 && id <= 4 ? id : 0;
}

void multiple::markTheQuiz() {
    const ActivityResult result = session_.result();
    prepareWrongNotice(context_, result);
    openResults(context_, result);
    context_.screens->unload(screen::kQuiz);
}

}  // namespace bt
