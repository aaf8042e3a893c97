#include "topic_page.h"

#include "board_screen.h"
#include "colours.h"
#include "context.h"
#include "fonts.h"
#include "picture_box.h"
#include "quiz_opener.h"
#include "teacher.h"

namespace bt {

namespace {

constexpr TwipsBox kLabel1{120, 120, 6240, 705};
constexpr int kPictureTop = 1080;
constexpr std::array<TwipsBox, 6> kButtons{{
    {120, 7920, 3195, 495},    // Multiple Choice
    {3600, 7920, 3195, 495},   // Labelling Activity
    {10560, 7920, 1245, 495},  // Exit
    {7080, 7920, 3195, 495},   // Ordering Activity
    {6360, 120, 2160, 495},    // Key Facts
    {8640, 120, 3120, 495},    // Teacher's Notes
}};
static_assert(onScreen(kLabel1) && onScreen(kButtons[0]) && onScreen(kButtons[1]) && onScreen(kButtons[2]) &&
              onScreen(kButtons[3]) && onScreen(kButtons[4]) && onScreen(kButtons[5]));

enum Button { kQuiz, kLabelling, kExit, kOrdering, kKeyFacts, kNotes };

}  // namespace

const Topic& partsTopic() {
    static const Topic topic{"parts",
                             "Parts of a Plant",
                             "Images\\poppies2.jpg",
                             "multiple\\Parts of a Plant.txt",
                             "images\\poppies2sm.jpg",
                             "wmf\\key parts.wmf",
                             "wmf2\\key parts.wmf",
                             "wmf\\parts.wmf",
                             "wmf2\\parts.wmf"};
    return topic;
}

const Topic& localityTopic() {
    static const Topic topic{"locality",
                             "Animals in your Locality",
                             "Images\\snail.jpg",
                             "multiple\\Animals in your locality.txt",
                             "images\\snailsm.jpg",
                             "wmf\\key locality.wmf",
                             "wmf2\\key locality.wmf",
                             "wmf\\locality.wmf",
                             "wmf2\\locality.wmf"};
    return topic;
}

TopicPage::TopicPage(Context& context, const Topic& topic, QWidget* parent)
    : Screen(topic.page().text(), parent), context_(context), topic_(topic) {
    label1_ = addCaption(this, QStringLiteral("Label1"), QString::fromLatin1(topic.title), kLabel1,
                         screenFont(QStringLiteral("Times New Roman"), 27.75, true), colours::kYellow,
                         Qt::AlignLeft | Qt::AlignTop);
    image1_ = new PictureBox(QStringLiteral("Image1"), this);
    const std::array<QString, 6> captions{QStringLiteral("Multiple Choice"),
                                          QStringLiteral("Labelling Activity"),
                                          QStringLiteral("Exit"),
                                          QStringLiteral("Ordering Activity"),
                                          QStringLiteral("Key Facts"),
                                          QStringLiteral("Teacher's Notes")};
    for (int i = 0; i < 6; ++i) {
        label3_[i] = addButton(QStringLiteral("Label3"), i, captions[i], kButtons[i]);
        connect(label3_[i], &LabelButton::clicked, this, &TopicPage::Label3_Click);
    }
}

void TopicPage::load() {
    setupform(this);
    image1_->setPicture(context_.paths, QString::fromLatin1(topic_.picture));
    // The picture takes its own size and is centred under the title.
    const QSize size = image1_->image().size();
    image1_->setGeometry((px(kScreenWidthTwips) - size.width()) / 2, px(kPictureTop), size.width(),
                         size.height());
}

void TopicPage::openBoard(ScreenName name) {
    if (auto* board = qobject_cast<BoardScreen*>(context_.screens->touch(name)))
        board->setTitle(label1_->text());
    context_.screens->show(name);
}

void TopicPage::Label3_Click(int index) {
    switch (index) {
        case kQuiz:
            // The worksheet is read afresh on every click; a damaged one is reported and nothing opens.
            openQuiz(context_, QString::fromLatin1(topic_.quiz), QString::fromLatin1(topic_.smallPicture));
            break;
        case kLabelling:
            openBoard(topic_.labelling());
            break;
        case kExit:
            context_.screens->show(screen::kMenu);
            context_.screens->unload(topic_.page());
            break;
        case kOrdering:
            openBoard(topic_.ordering());
            break;
        case kKeyFacts:
            openTeacherPage(context_, QString::fromLatin1(topic_.keyFacts),
                            QString::fromLatin1(topic_.keyFactsPrint));
            break;
        case kNotes:
            openTeacherPage(context_, QString::fromLatin1(topic_.notes),
                            QString::fromLatin1(topic_.notesPrint));
            break;
    }
    playSound(context_, kClickSound);
}

}  // namespace bt
