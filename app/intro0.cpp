#include "intro0.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

#include "colours.h"
#include "context.h"
#include "fonts.h"
#include "picture_box.h"
#include "teacher_opener.h"
#include "titlefrm.h"
#include "topics.h"
#include "twips.h"
#include "worksheet_files.h"

namespace bt {

namespace {

constexpr TwipsBox kLabel1{0, 0, 10800, 900};
constexpr TwipsBox kOption1{10440, 120, 1455, 255};
constexpr TwipsBox kOption2{10440, 480, 1455, 255};
constexpr TwipsBox kCheck1{10440, 840, 1455, 255};
constexpr TwipsBox kFrame1{6720, 1080, 5055, 3975};
constexpr TwipsBox kImage1{120, 240, 4800, 3600};  // within the frame

struct Entry {
    const char* caption;
    TwipsBox box;
    double points;
    bool active;
};

// The menu entries, Label2(0) to Label2(20). The science topics are greyed unless a topic of the program's
// (topics.h) names the entry.
constexpr std::array<Entry, intro0::kEntries> kEntryTable{{
    {"Grouping of Plants", {120, 2760, 3075, 375}, 12, false},
    {"Parts of a Plant", {120, 3480, 3075, 375}, 12, false},
    {"Nutrition for Plants", {120, 4200, 3075, 375}, 12, false},
    {"Growth of Plants", {120, 4920, 3075, 375}, 12, false},
    {"Reproduction of Plants", {120, 5640, 3075, 375}, 12, false},
    {"Plant Survival", {120, 6360, 3075, 375}, 12, false},
    {"Plants as Food Sources", {120, 7080, 3075, 375}, 12, false},
    {"Healthy Plants", {3360, 2040, 3075, 375}, 12, false},
    {"Habitats", {3360, 2760, 3075, 375}, 12, false},
    {"Classification of Animals", {3360, 3480, 3075, 375}, 12, false},
    {"Animals in your Locality", {3360, 4200, 3075, 375}, 12, false},
    {"Life Cycles of Animals", {3360, 4920, 3075, 375}, 12, false},
    {"Animal Adaptations", {3360, 5640, 3075, 375}, 12, false},
    {"Food Chains", {3360, 6360, 3075, 375}, 12, false},
    {"Micro-organisms", {3360, 7080, 3075, 375}, 12, false},
    {"Introduction", {120, 2040, 3075, 375}, 12, true},
    {"Exit", {10560, 7920, 1245, 495}, 18, true},
    {"Multiple Choice Wizard", {6960, 5760, 4635, 495}, 18, true},
    {"Worksheet Catalogue", {6960, 6600, 4635, 495}, 18, true},
    {"Acknowledgments", {120, 7920, 3075, 495}, 14.25, true},
    {"Teachers' Guide", {120, 1080, 3075, 495}, 14.25, true},
}};

constexpr bool allOnScreen() {
    for (const Entry& e : kEntryTable)
        if (!onScreen(e.box)) return false;
    return onScreen(kLabel1) && onScreen(kOption1) && onScreen(kOption2) && onScreen(kCheck1) &&
           onScreen(kFrame1) && kImage1.inside(kFrame1.width, kFrame1.height);
}
static_assert(allOnScreen());

// Entries 17 to 20 light up navy rather than black.
constexpr int kFirstNavyEntry = 17;
constexpr int kIntroductionEntry = 15;
constexpr int kExitEntry = 16;
constexpr int kAcknowledgmentsEntry = 19;
constexpr int kGuideEntry = 20;
constexpr int kWizardEntry = 17;
constexpr int kCatalogueEntry = 18;

// The topic that the entry opens; null for any other entry.
const Topic* topicOf(int entry) {
    for (const Topic& topic : topics())
        if (topic.menuEntry == entry) return &topic;
    return nullptr;
}

template <class Switch>
Switch* soundSwitch(QWidget* parent, const char* name, const QString& text, const TwipsBox& box) {
    auto* option = makeControl<Switch>(parent, QString::fromLatin1(name), box,
                                       screenFont(QStringLiteral("Tahoma"), 9.75, true), colours::kYellow);
    option->setText(text);
    return option;
}

}  // namespace

intro0::intro0(Context& context, QWidget* parent) : Screen(screen::kMenu.text(), parent), context_(context) {
    setAccessibleName(QStringLiteral("Main menu"));
    addCaption(this, QStringLiteral("Label1"), QStringLiteral("Brambleton"), kLabel1,
               screenFont(QStringLiteral("Tahoma"), 32.25, true), colours::kYellow);

    option1_ = soundSwitch<QRadioButton>(this, "Option1", QStringLiteral("Sound On"), kOption1);
    option2_ = soundSwitch<QRadioButton>(this, "Option2", QStringLiteral("Sound Off"), kOption2);
    auto* group = new QButtonGroup(this);
    group->addButton(option1_);
    group->addButton(option2_);
    option1_->setChecked(true);
    connect(option1_, &QRadioButton::clicked, this, [this] { context_.shared.soundon = 1; });
    connect(option2_, &QRadioButton::clicked, this, [this] { context_.shared.soundon = 0; });
    // Read-aloud is offered where there is a voice engine; turning it on makes the voice, and where none
    // can be made the switch turns itself off for good.
    check1_ = soundSwitch<QCheckBox>(this, "Check1", QStringLiteral("Read aloud"), kCheck1);
    connect(check1_, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !context_.speech->prepare()) {
            check1_->setChecked(false);
            check1_->setEnabled(false);
            return;
        }
        context_.shared.readaloud = on ? 1 : 0;
        if (!on) stopReading(context_);
    });

    auto* frame = makeControl<QFrame>(this, QStringLiteral("Frame1"), kFrame1, QFont());
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    setShownLineWidth(frame, 1);
    image1_ = new PictureBox(QStringLiteral("Image1"), frame);
    place(image1_, kImage1);

    for (int i = 0; i < kEntries; ++i) {
        const Entry& e = kEntryTable[i];
        LabelButton* label =
            addButton(QStringLiteral("Label2"), i, QString::fromLatin1(e.caption), e.box, e.points);
        if (i >= kFirstNavyEntry) label->setBackColour(colours::kNavy);
        label->setActive(e.active || topicOf(i));
        connect(label, &LabelButton::clicked, this, &intro0::Label2_Click);
    }

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &intro0::Timer1_Timer);
}

void intro0::load() {
    setupform(this);
    image1_->setPicture(context_.paths, QStringLiteral("Images\\swan1.jpg"));
    for (QWidget* w : {static_cast<QWidget*>(option1_), static_cast<QWidget*>(option2_),
                       static_cast<QWidget*>(check1_), findChild<QWidget*>(QStringLiteral("Frame1"))})
        setBackground(w, colours::kScreen);
    context_.shared.soundon = 1;
    option1_->setChecked(true);
    check1_->setEnabled(context_.speech->available());
    check1_->setChecked(context_.shared.readaloud == 1 && check1_->isEnabled());
    timer1_->start();
}

void intro0::Label2_Click(int index) {
    if (const Topic* topic = topicOf(index)) {
        context_.screens->show(topic->page());
    } else if (index == kExitEntry) {
        openTitle(context_, true);
    } else if (index == kWizardEntry) {
        context_.screens->show(screen::kWizard);
    } else if (index == kCatalogueEntry) {
        context_.screens->show(screen::kCatalogue);
        context_.screens->unload(screen::kMenu);
    } else if (index == kIntroductionEntry) {
        openTeacherPage(context_, {QStringLiteral("introduction.wmf")});
    } else if (index == kAcknowledgmentsEntry) {
        openTeacherPage(context_, {QStringLiteral("acknowledgments.wmf"), true});
    } else if (index == kGuideEntry) {
        context_.screens->show(screen::kGuide);
    }
    playSound(context_, kClickSound);
}

void intro0::Timer1_Timer() {
    readRegister(registerPath(context_.paths), context_.shared);
}

}  // namespace bt
