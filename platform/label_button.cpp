#include "label_button.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
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
    setFocusPolicy(Qt::StrongFocus);
}

void LabelButton::press() {
    if (active_) Q_EMIT clicked(index_);
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
    setFocusPolicy(active ? Qt::StrongFocus : Qt::NoFocus);
    if (!active && hasFocus()) focusNextChild();
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
    const bool focused = hasFocus();
    if (lit_ || focused) p.fillRect(box, back_);
    // A black border one design pixel wide, and the text inside a margin, both at the display scale.
    const int line = shownPixels(1);
    p.fillRect(box.x(), box.y(), box.width(), line, Qt::black);
    p.fillRect(box.x(), box.bottom() - line + 1, box.width(), line, Qt::black);
    p.fillRect(box.x(), box.y(), line, box.height(), Qt::black);
    p.fillRect(box.right() - line + 1, box.y(), line, box.height(), Qt::black);
    if (focused) {  // the focus ring: two design pixels in the text's colour, inside the border
        const int ring = shownPixels(2);
        const QRect r = box.adjusted(line + ring / 2, line + ring / 2, -line - ring / 2, -line - ring / 2);
        p.setPen(QPen(text_, ring));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
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

void LabelButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            event->accept();
            press();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void LabelButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void LabelButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

namespace {

class AccessibleLabelButton final : public QAccessibleWidget {
  public:
    explicit AccessibleLabelButton(LabelButton* button) : QAccessibleWidget(button, QAccessible::Button) {}
    LabelButton* button() const { return static_cast<LabelButton*>(widget()); }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? button()->caption() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = !button()->isActive();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) button()->press();
    }
};

// Any other widget marked as a button: named by its accessible name, pressed as Enter presses it.
class AccessibleKeyButton final : public QAccessibleWidget {
  public:
    explicit AccessibleKeyButton(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &enter);
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("bt::LabelButton"))
        if (auto* button = qobject_cast<LabelButton*>(object)) return new AccessibleLabelButton(button);
    if (className == QLatin1String("bt::PictureBox"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->property(kAccessibleButton).toBool())
        return new AccessibleKeyButton(widget);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace bt
