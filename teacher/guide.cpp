#include "guide.h"

#include <QPainter>

#include "colours.h"
#include "context.h"
#include "fonts.h"
#include "numtext.h"
#include "pictures.h"
#include "teacher.h"

namespace bt {

namespace {

constexpr TwipsBox kLabel2{0, 120, 11775, 615};
constexpr TwipsBox kImage1{120, 0, 10440, 7920};
constexpr TwipsBox kPrint{10680, 120, 1125, 495};
constexpr TwipsBox kExit{10680, 7920, 1125, 495};
constexpr TwipsBox kNext{6720, 7920, 2685, 495};
constexpr TwipsBox kPrevious{1320, 7920, 2685, 495};
constexpr TwipsBox kLabel1{4200, 7920, 2295, 495};
static_assert(onScreen(kLabel2) && onScreen(kImage1) && onScreen(kPrint) && onScreen(kExit) &&
              onScreen(kNext) && onScreen(kPrevious) && onScreen(kLabel1));

constexpr int kPrintIndex = 0;
constexpr int kExitIndex = 1;
constexpr int kNextIndex = 2;
constexpr int kPreviousIndex = 3;

// What showing a page changes. A null text leaves a picture as it is; an empty one clears it.
struct GuidePage {
    const char* heading;
    const char* image1;
    const char* image2;
    const char* windowPicture;
    int enable;   // button index made active, or -1
    int disable;  // button index made inactive, or -1
};

constexpr GuidePage kGuidePages[guide::kPages] = {
    {"", "wmf\\guide1.wmf", "wmf2\\guide1.wmf", nullptr, -1, kPreviousIndex},
    {"", "wmf\\guide2.wmf", "wmf2\\guide2.wmf", nullptr, kPreviousIndex, -1},
    {"", "wmf\\guide3.wmf", "wmf2\\guide3.wmf", "", kPrintIndex, -1},
    {"Nutrition for Plants", "", "", "Images\\nutrition.jpg", -1, kPrintIndex},
    {"Growth of Plants", nullptr, nullptr, "Images\\growth.jpg", -1, -1},
    {"Reproduction of Plants", nullptr, nullptr, "Images\\reproduction.jpg", -1, -1},
    {"Plant Survival", nullptr, nullptr, "Images\\survival.jpg", -1, -1},
    {"Healthy Plants", nullptr, nullptr, "Images\\healthy.jpg", -1, -1},
    {"Habitats", nullptr, nullptr, "Images\\habitats.jpg", kNextIndex, -1},
    {"Animals in your Locality", nullptr, nullptr, "Images\\locality.jpg", -1, kNextIndex},
};

}  // namespace

guide::guide(Context& context, QWidget* parent) : Screen(screen::kGuide.text(), parent), context_(context) {
    setAccessibleName(QStringLiteral("Teachers' Guide"));
    image1_ = new PageView(QStringLiteral("Image1"), kImage1, this);
    image2_ = new PageView(QStringLiteral("Image2"), kUnboundedRoom, this);
    image2_->hide();
    label2_ = addCaption(this, QStringLiteral("Label2"), QString(), kLabel2,
                         screenFont(QStringLiteral("Tahoma"), 14.25), colours::kYellow);

    // The buttons unlight when the pointer crosses the background, and nothing lights them again.
    setHoverRules(false, true);
    label3_[kPrintIndex] = addButton(QStringLiteral("Label3"), kPrintIndex, QStringLiteral("Print"), kPrint);
    label3_[kExitIndex] = addButton(QStringLiteral("Label3"), kExitIndex, QStringLiteral("Exit"), kExit);
    label3_[kNextIndex] = addButton(QStringLiteral("Label3"), kNextIndex, QStringLiteral("Next Page"), kNext);
    label3_[kPreviousIndex] =
        addButton(QStringLiteral("Label3"), kPreviousIndex, QStringLiteral("Previous Page"), kPrevious);
    label3_[kPreviousIndex]->setActive(false);
    for (LabelButton* b : label3_) connect(b, &LabelButton::clicked, this, &guide::Label3_Click);

    label1_ = addCaption(this, QStringLiteral("Label1"), QStringLiteral("Page 1 of 10"), kLabel1,
                         screenFont(QStringLiteral("Tahoma"), 15.75, true), Qt::black, Qt::AlignCenter);
    label1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    setShownLineWidth(label1_, 1);
    setBackground(label1_, Qt::white);
}

void guide::load() {
    setupform(this);
    showPage();
}

void guide::paintEvent(QPaintEvent* event) {
    Screen::paintEvent(event);
    if (windowPicture_.isNull()) return;
    QPainter p(this);
    windowPicture_.draw(p, QRect(QPoint(0, 0), windowPicture_.shownSize()), devicePixelRatioF());
}

void guide::showPage() {
    const int page = page_;
    if (page >= 1 && page <= kPages) {
        const GuidePage& row = kGuidePages[page - 1];
        label2_->setText(QString::fromLatin1(row.heading));
        if (row.image1) image1_->setPage(context_.paths, QString::fromLatin1(row.image1));
        if (row.image2) image2_->setPage(context_.paths, QString::fromLatin1(row.image2));
        if (row.windowPicture) {
            const QString file = QString::fromLatin1(row.windowPicture);
            windowPicture_.load(context_.paths, file);
            update();
        }
        if (row.enable >= 0) label3_[row.enable]->setActive(true);
        if (row.disable >= 0) label3_[row.disable]->setActive(false);
    }
    label1_->setText(QStringLiteral("Page") + numText(page) + QStringLiteral(" of 10"));
}

void guide::Label3_Click(int index) {
    switch (index) {
        case kPrintIndex:
            printPage(context_, *image2_);
            break;
        case kExitIndex:
            context_.screens->unload(screen::kGuide);
            break;
        case kNextIndex:
            page_ += 1;
            showPage();
            break;
        case kPreviousIndex:
            page_ -= 1;
            showPage();
            break;
    }
}

}  // namespace bt
