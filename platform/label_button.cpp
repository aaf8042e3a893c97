#include "label_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "colours.h"
#include "fonts.h"
#include "twips.h"

namespace bt {

LabelButton::LabelButton(const QString& name, int index, const QString& caption, QWidget* parent)
    : QWidget(parent), index_(index), caption_(caption), text_(colours::kYellow) {
    setObjectName(name);
    setProperty("index", index);
    setAccessibleName(caption);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void LabelButton::setCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void LabelButton::setLit(bool lit) {
    if (lit == lit_) return;
    lit_ = lit;
    update();
}

void LabelButton::setActive(bool active) {
    active_ = active;
    setAttribute(Qt::WA_TransparentForMouseEvents, !active);
    setCursor(active ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void LabelButton::setBackColour(const QColor& colour) {
    back_ = colour;
    update();
}

void LabelButton::setTextColour(const QColor& colour) {
    text_ = colour;
    update();
}

void LabelButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect box = rect();
    if (lit_) p.fillRect(box, back_);
    // A black border one design pixel wide, and the text inside a margin, both at the display scale.
    const int line = shownPixels(1);
    p.fillRect(box.x(), box.y(), box.width(), line, Qt::black);
    p.fillRect(box.x(), box.bottom() - line + 1, box.width(), line, Qt::black);
    p.fillRect(box.x(), box.y(), line, box.height(), Qt::black);
    p.fillRect(box.right() - line + 1, box.y(), line, box.height(), Qt::black);
    p.setFont(font());
    p.setPen(active_ ? text_ : colours::kInactive);
    const int across = shownPixels(2);
    drawScreenText(p, box.adjusted(across, line, -across, -line), Qt::AlignCenter | Qt::TextWordWrap,
                   caption_);
}

void LabelButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (active_) Q_EMIT hovered(index_);
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = event->button() == Qt::LeftButton;
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (active_ && wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        Q_EMIT clicked(index_);
}

}  // namespace bt
