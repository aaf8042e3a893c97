#include "board_screen.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "colours.h"
#include "context.h"
#include "fonts.h"
#include "picture_box.h"
#include "results_opener.h"

namespace bt {

namespace {

constexpr TwipsBox kExit{10560, 7920, 1245, 495};
constexpr TwipsBox kStartAgain{3360, 7920, 2565, 495};
constexpr TwipsBox kCheckScore{6000, 7920, 2565, 495};
constexpr int kExitIndex = 0;
constexpr int kStartAgainIndex = 1;
constexpr int kCheckScoreIndex = 2;

const QString kThud = QStringLiteral("wav\\thud3.wav");

// A box's outline: a bordered, transparent rectangle.
QFrame* outline(QWidget* parent, const QString& name, int index, const TwipsBox& box) {
    auto* frame = makeControl<QFrame>(parent, name, box, QFont(), Qt::black, index);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    setShownLineWidth(frame, 1);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

QPoint pixelsOf(BoardPoint p) {
    return QPoint(shown(p.x), shown(p.y));
}

// What the board asks the pupil to do: its captions that are sentences, in the layout's order.
QStringList instructions(const BoardLayout& layout) {
    QStringList out;
    for (const BoardCaption& c : layout.captions)
        if (QString::fromLatin1(c.text).endsWith(QLatin1Char('.'))) out << QString::fromLatin1(c.text);
    return out;
}

}  // namespace

DragLabel::DragLabel(int index, const QString& text, bool wrap, QWidget* parent)
    : QWidget(parent), index_(index), text_(text), wrap_(wrap) {
    setObjectName(QStringLiteral("Label2"));
    setProperty("index", index);
    // For screen readers a button: pressing it picks it up or puts it down.
    setProperty(kAccessibleButton, true);
    setAccessibleName(text);
    setAttribute(Qt::WA_OpaquePaintEvent);  // it paints every pixel: nothing beneath needs drawing first
    setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void DragLabel::keyPressEvent(QKeyEvent* event) {
    event->ignore();
    Q_EMIT keyed(index_, event);
    if (!event->isAccepted()) QWidget::keyPressEvent(event);
}

void DragLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (hasFocus()) {  // the focus ring: two design pixels of yellow just inside the edge
        const int ring = shownPixels(2);
        p.setPen(QPen(colours::kYellow, ring));
        p.drawRect(rect().adjusted(ring / 2, ring / 2, -(ring + 1) / 2, -(ring + 1) / 2));
    }
    p.setPen(colours::kYellow);
    p.setFont(font());
    const int across = shownPixels(2);
    const int down = shownPixels(1);
    drawScreenText(p, rect().adjusted(across, down, -across, -down),
                   Qt::AlignCenter | (wrap_ ? Qt::TextWordWrap : 0), text_);
}

void DragLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT dragged(index_, event->buttons(), event->position());
}

void DragLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT released(index_);
}

BoardScreen::BoardScreen(Context& context, ScreenName name, const BoardLayout& layout, const QString& title,
                         QWidget* parent)
    : Screen(name.text(), parent), context_(context), name_(name), layout_(layout), board_(boardOf(layout)) {
    setAccessibleName(title + QStringLiteral(": drag the labels"));
    for (const BoardCaption& c : layout.captions) {
        const QFont font = c.serif ? screenFont(QStringLiteral("Times New Roman"), c.points)
                                   : screenFont(QStringLiteral("Tahoma"), c.points, true);
        // The title comes first: it shows the topic page's title.
        const QString text = &c == layout.captions.data() ? title : QString::fromLatin1(c.text);
        QLabel* label = addCaption(this, QString::fromLatin1(c.name), text, c.box, font,
                                   QColor(c.red, c.green, c.blue), Qt::Alignment(c.align));
        if (c.index >= 0) label->setProperty("index", c.index);
    }
    for (int i = 0; i < int(layout.pictures.size()); ++i) {
        auto* picture = new PictureBox(QStringLiteral("Image1"), this);
        picture->setProperty("index", i);
        place(picture, layout.pictures[i].box);
    }
    const QFont labelFont = screenFont(QStringLiteral("Tahoma"), layout.labelPoints, true);
    for (int i = 0; i < board_.size(); ++i) {
        const BoardBox& t = board_.target(i);
        outline(this, QStringLiteral("Label1"), i,
                {int(t.left), int(t.top), layout.labelWidth, layout.labelHeight});
        const BoardBox& h = board_.home(i);
        outline(this, QStringLiteral("Label4"), i, {int(h.left), int(h.top), int(h.width), int(h.height)});
    }
    for (int i = 0; i < board_.size(); ++i) boxOrder_.push_back(i);
    std::stable_sort(boxOrder_.begin(), boxOrder_.end(), [this](int a, int b) {
        const BoardBox &p = board_.target(a), &q = board_.target(b);
        return p.top != q.top ? p.top < q.top : p.left < q.left;
    });
    // The labels lie above the pictures and boxes.
    for (int i = 0; i < board_.size(); ++i) {
        auto* label = new DragLabel(i, QString::fromLatin1(layout.items[i].answer), layout.wrap, this);
        setShownFont(label, labelFont);
        setTwipsSize(label, layout.labelWidth, layout.labelHeight);
        connect(label, &DragLabel::dragged, this, &BoardScreen::Label2_MouseMove);
        connect(label, &DragLabel::released, this, &BoardScreen::Label2_MouseUp);
        connect(label, &DragLabel::keyed, this, &BoardScreen::Label2_Key);
        labels_.push_back(label);
        moveLabel(i);
    }
    buttons_.push_back(addButton(QStringLiteral("Label3"), kExitIndex, QStringLiteral("Exit"), kExit));
    buttons_.push_back(
        addButton(QStringLiteral("Label3"), kStartAgainIndex, QStringLiteral("Start Again"), kStartAgain));
    buttons_.push_back(
        addButton(QStringLiteral("Label3"), kCheckScoreIndex, QStringLiteral("Check Score"), kCheckScore));
    buttons_[kCheckScoreIndex]->hide();
    for (LabelButton* b : buttons_) connect(b, &LabelButton::clicked, this, &BoardScreen::Label3_Click);
}

void BoardScreen::load() {
    setupform(this);
    const auto pictures = findChildren<PictureBox*>(QStringLiteral("Image1"));
    for (PictureBox* picture : pictures)
        picture->setPicture(context_.paths,
                            QString::fromLatin1(layout_.pictures[picture->property("index").toInt()].file));
    readAloud(context_, this, instructions(layout_));
}

void BoardScreen::layOut() {
    for (int i = 0; i < board_.size(); ++i) moveLabel(i);
}

void BoardScreen::moveLabel(int k) {
    labels_[k]->move(pixelsOf(board_.label(k)));
}

void BoardScreen::Label2_MouseMove(int k, Qt::MouseButtons buttons, QPointF at) {
    if (buttons != Qt::LeftButton) return;  // the left button alone drags
    if (dragged_ != k) {
        dragged_ = k;
        readAloud(context_, this, {labels_[k]->accessibleName()});
    }
    board_.drag(k, float(unshown(at.x())), float(unshown(at.y())));
    moveLabel(k);
}

void BoardScreen::Label2_MouseUp(int k) {
    dragged_ = -1;
    const int snaps = board_.drop(k);
    moveLabel(k);
    for (int i = 0; i < snaps; ++i) playSound(context_, kThud);
    if (board_.complete()) buttons_[kCheckScoreIndex]->show();
}

void BoardScreen::Label2_Key(int k, QKeyEvent* event) {
    const int key = event->key();
    const bool carrying = carried_ == k;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        event->accept();
        if (!carrying) {  // picked up, from wherever it lies
            if (carried_ >= 0) Label2_MouseUp(carried_);
            carried_ = k;
            carriedTo_ = -1;
            pickedUp_ = board_.label(k);
            labels_[k]->raise();
            readAloud(context_, this, {labels_[k]->accessibleName()});
            return;
        }
        carried_ = -1;
        Label2_MouseUp(k);  // put down: the drop test, as when the pointer lets go
        return;
    }
    if (!carrying) return;
    const int n = board_.size();
    if (key == Qt::Key_Escape) {  // put back where it was picked up
        carried_ = -1;
        board_.place(k, pickedUp_);
    } else if (key == Qt::Key_Right || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Up) {
        const bool onward = key == Qt::Key_Right || key == Qt::Key_Down;
        carriedTo_ = onward ? (carriedTo_ + 1) % n : (carriedTo_ <= 0 ? n - 1 : carriedTo_ - 1);
        const BoardBox& box = board_.target(boxOrder_[carriedTo_]);
        board_.place(k, {box.left, box.top});
    } else {
        return;
    }
    event->accept();
    moveLabel(k);
}

void BoardScreen::Label3_Click(int index) {
    switch (index) {
        case kExitIndex:
            context_.screens->unload(name_);
            break;
        case kStartAgainIndex:
            carried_ = -1;
            board_.startAgain();
            for (int i = 0; i < board_.size(); ++i) moveLabel(i);
            buttons_[kCheckScoreIndex]->hide();
            break;
        case kCheckScoreIndex:
            openResults(context_, board_.result());
            break;
    }
    playSound(context_, kClickSound);
}

}  // namespace bt
