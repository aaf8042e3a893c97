#include "topic_page.h"

#include "board_screen.h"
#include "colours.h"
#include "context.h"
#include "fonts.h"
#include "picture_box.h"
#include "quiz_opener.h"
#include "teacher_opener.h"

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

TopicPage::TopicPage(Context& context, const Topic& topic, QWidget* parent)
    : Screen(topic.page().text(), parent), context_(context), topic_(topic) {
    setAccessibleName(QString::fromLatin1(topic.title));
    addCaption(this, QStringLiteral("Label1"), QString::fromLatin1(topic.title), kLabel1,
               screenFont(QStringLiteral("Times New Roman"), 27.75, true), colours::kYellow,
               Qt::AlignLeft | Qt::AlignTop);
    image1_ = new PictureBox(QStringLiteral("Image1"), this);
    const std::array<QString, 6> captions{QStringLiteral("Multiple Choice"),
                                          QStringLiteral("Labelling Activity"),
                                          QStringLiteral("Exit"),
                                          QStringLiteral("Ordering Activity"),
                                          QStringLiteral("Key Facts"),
                                          QStringLiteral("Teacher's Notes")};
    for (int i = 0; i < 6; ++i)
        connect(addButton(QStringLiteral("Label3"), i, captions[i], kButtons[i]), &LabelButton::clicked, this,
                &TopicPage::Label3_Click);
}

void TopicPage::load() {
    setupform(this);
    image1_->setPicture(context_.paths, QString::fromLatin1(topic_.picture));
    layOut();
}

void TopicPage::layOut() {
    // The picture takes its own size and is centred under the title.
    const QSize size = image1_->shownSize();
    image1_->setGeometry((shown(kScreenWidthTwips) - size.width()) / 2, shown(kPictureTop), size.width(),
                         size.height());
}

void TopicPage::openBoard(ScreenName name, const BoardLayout& layout) {
    context_.screens->open(name, [&](QWidget* parent) {
        return new BoardScreen(context_, name, layout, QString::fromLatin1(topic_.title), parent);
    });
}

void TopicPage::Label3_Click(int index) {
    switch (index) {
        case kQuiz:
            // The worksheet is read afresh on every click; a damaged one is reported and nothing opens.
            openQuizFile(context_, QString::fromLatin1(topic_.worksheet),
                         QString::fromLatin1(topic_.smallPicture));
            break;
        case kLabelling:
            openBoard(topic_.labellingScreen(), topic_.labelling);
            break;
        case kExit:
            context_.screens->show(screen::kMenu);
            context_.screens->unload(topic_.page());
            break;
        case kOrdering:
            openBoard(topic_.orderingScreen(), topic_.ordering);
            break;
        case kKeyFacts:
            openTeacherPage(context_, {QString::fromLatin1(topic_.keyFacts)});
            break;
        case kNotes:
            openTeacherPage(context_, {QString::fromLatin1(topic_.notes)});
            break;
    }
    playSound(context_, kClickSound);
}

}  // namespace bt
