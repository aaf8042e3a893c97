#include "teacher.h"

#include "colours.h"
#include "context.h"
#include "picture_box.h"
#include "printer.h"

namespace bt {

namespace {

constexpr TwipsBox kImage1{120, 0, 10440, 7920};  // the page takes its own size within this room
constexpr TwipsBox kPicture1{8520, 3840, 1800, 1800};
constexpr TwipsBox kPicture2{8550, 5760, 1800, 1335};
constexpr TwipsBox kPrint{10680, 120, 1125, 495};
constexpr TwipsBox kExit{10680, 7920, 1125, 495};
static_assert(onScreen(kImage1) && onScreen(kPicture1) && onScreen(kPicture2) && onScreen(kPrint) &&
              onScreen(kExit));

constexpr int kFrames = 20;
const QColor kAcknowledgmentsBackground(49, 130, 212);

}  // namespace

teacher::teacher(Context& context, TeacherPage page, QWidget* parent)
    : Screen(screen::kTeacher.text(), parent), context_(context), page_(std::move(page)) {
    setAccessibleName(QStringLiteral("Teacher page"));
    image1_ = new PageView(QStringLiteral("Image1"), kImage1, this);
    image2_ = new PageView(QStringLiteral("Image2"), kUnboundedRoom, this);
    image2_->hide();
    picture1_ = new PictureBox(QStringLiteral("Picture1"), this);
    place(picture1_, kPicture1);
    picture1_->hide();
    picture2_ = new PictureBox(QStringLiteral("Picture2"), this);
    place(picture2_, kPicture2);
    picture2_->hide();

    // The buttons keep their look: no hover effect on this screen.
    setHoverRules(false, false);
    connect(addButton(QStringLiteral("Label3"), 0, QStringLiteral("Print"), kPrint), &LabelButton::clicked,
            this, &teacher::Label3_Click);
    connect(addButton(QStringLiteral("Label3"), 2, QStringLiteral("Exit"), kExit), &LabelButton::clicked,
            this, &teacher::Label3_Click);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(25);
    connect(timer1_, &QTimer::timeout, this, &teacher::Timer1_Timer);
}

void teacher::load() {
    setupform(this);
    image1_->setPage(context_.paths, QStringLiteral("wmf\\") + page_.file);
    image2_->setPage(context_.paths, QStringLiteral("wmf2\\") + page_.file);
    if (page_.logo) {
        picture2_->setPicture(context_.paths, QStringLiteral("logo\\corvane2.bmp"));
        setBackground(this, kAcknowledgmentsBackground);
        timer1_->start();
    }
}

QString teacher::frameFile(int frame) {
    return (frame < 10 ? QStringLiteral("logo\\corv000") : QStringLiteral("logo\\corv00")) +
           QString::number(frame) + QStringLiteral(".gif");
}

void teacher::Timer1_Timer() {
    int& frame = context_.shared.logoframe;
    frame += 1;
    if (frame == kFrames) frame = 0;
    picture1_->setPicture(context_.paths, frameFile(frame));
    picture1_->show();
    picture2_->show();
}

void teacher::Label3_Click(int index) {
    if (index == 2)
        context_.screens->unload(screen::kTeacher);
    else
        printPage(context_, *image2_);
    // No click sound on this screen.
}

void printPage(Context& context, const PageView& page) {
    if (!page.hasPage()) return;
    printJob(context, [&page](Printer& p) {
        p.print(QStringLiteral(" "), true);
        p.drawPicture(*page.page(), 1000, 1000);
        p.endDocument();
    });
}

void openTeacherPage(Context& context, const TeacherPage& page) {
    context.screens->open(screen::kTeacher,
                          [&](QWidget* parent) { return new teacher(context, page, parent); });
}

}  // namespace bt
