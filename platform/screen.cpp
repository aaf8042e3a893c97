#include "screen.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "colours.h"
#include "fonts.h"
#include "label_button.h"
#include "page_view.h"
#include "picture_box.h"

namespace bt {

Screen::Screen(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setWindowTitle(QStringLiteral("Brambleton"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

LabelButton* Screen::addButton(const QString& name, int index, const QString& caption, const TwipsBox& box,
                               double points) {
    auto* button = new LabelButton(name, index, caption, this);
    setupControl(button, name, box, screenFont(QStringLiteral("Tahoma"), points, true), QColor(), index);
    connect(button, &LabelButton::hovered, this, [this, button] {
        if (lightOnHover_) button->setLit(true);
    });
    buttons_.append(button);
    return button;
}

void Screen::setHoverRules(bool lightOnHover, bool unlightOnBackground) {
    lightOnHover_ = lightOnHover;
    unlightOnBackground_ = unlightOnBackground;
}

void Screen::unlightButtons() {
    for (LabelButton* button : buttons_) button->setLit(false);
}

QList<QWidget*> Screen::tabOrder() const {
    QList<QWidget*> order;
    for (QWidget* w : findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled()) order.append(w);
    // Rows of 240 twips (about a line of small text): controls whose tops lie in one are on one row.
    const int row = shown(240);
    const auto key = [this, row](QWidget* w) {
        const QPoint at = w->mapTo(this, QPoint(0, 0));
        return std::pair(at.y() / row, at.x());
    };
    std::stable_sort(order.begin(), order.end(), [&key](QWidget* a, QWidget* b) { return key(a) < key(b); });
    return order;
}

bool Screen::focusNextPrevChild(bool next) {
    const QList<QWidget*> order = tabOrder();
    if (order.isEmpty()) return true;
    const qsizetype at = order.indexOf(focusWidget());
    const qsizetype n = order.size();
    const qsizetype to = at < 0 ? (next ? 0 : n - 1) : (at + (next ? 1 : n - 1)) % n;
    order[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Screen::moveFocusToward(int key) {
    const QList<QWidget*> order = tabOrder();
    QWidget* from = focusWidget();
    if (!order.contains(from)) {
        if (!order.isEmpty()) order.first()->setFocus(Qt::TabFocusReason);
        return;
    }
    const auto centre = [this](QWidget* w) { return w->mapTo(this, w->rect().center()); };
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    const int sign = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : -1;
    QWidget* best = nullptr;
    int bestScore = 0;
    for (QWidget* w : order) {
        const QPoint d = centre(w) - centre(from);
        const int along = sign * (across ? d.x() : d.y());
        const int aside = std::abs(across ? d.y() : d.x());
        // Nearest in the key's direction; a step to the side counts three times as far.
        if (w == from || along <= 0) continue;
        const int score = along + 3 * aside;
        if (!best || score < bestScore) best = w, bestScore = score;
    }
    if (best) best->setFocus(Qt::TabFocusReason);
}

void Screen::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        for (LabelButton* button : buttons_)
            if (button->caption() == QLatin1String("Exit") && button->isVisible() && button->isActive()) {
                button->press();
                return;
            }
    } else if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right) {
        moveFocusToward(key);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Screen::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (unlightOnBackground_) unlightButtons();
}

namespace {

const char* const kBox = "twipsBox";
const char* const kSize = "twipsSize";
const char* const kFont = "designFont";
const char* const kLineWidth = "designLineWidth";

void applyShown(QWidget* w) {
    const QVariant box = w->property(kBox);
    if (box.isValid()) {
        const QRect r = box.toRect();
        w->setGeometry(TwipsBox{r.x(), r.y(), r.width(), r.height()}.shownRect());
    }
    const QVariant size = w->property(kSize);
    if (size.isValid()) w->setFixedSize(shown(size.toSize().width()), shown(size.toSize().height()));
    const QVariant font = w->property(kFont);
    if (font.isValid()) w->setFont(shownFont(font.value<QFont>()));
    const QVariant line = w->property(kLineWidth);
    if (line.isValid())
        if (auto* frame = qobject_cast<QFrame*>(w)) frame->setLineWidth(shownPixels(line.toInt()));
}

}  // namespace

void place(QWidget* control, const TwipsBox& box) {
    control->setProperty(kBox, QRect(box.left, box.top, box.width, box.height));
    control->setGeometry(box.shownRect());
}

void setTwipsSize(QWidget* widget, int width, int height) {
    widget->setProperty(kSize, QSize(width, height));
    widget->setFixedSize(shown(width), shown(height));
}

void setShownFont(QWidget* widget, const QFont& font) {
    if (font.pixelSize() <= 0) {
        widget->setFont(font);
        return;
    }
    widget->setProperty(kFont, font);
    widget->setFont(shownFont(font));
}

void setShownLineWidth(QFrame* frame, int designPixels) {
    frame->setProperty(kLineWidth, designPixels);
    frame->setLineWidth(shownPixels(designPixels));
}

void layOutShown(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) applyShown(w);
    for (QWidget* w : widgets)
        if (auto* page = qobject_cast<PageView*>(w)) page->layOut();
    for (QWidget* w : widgets)
        if (auto* screen = qobject_cast<Screen*>(w)) screen->layOut();
}

void setupControl(QWidget* control, const QString& name, const TwipsBox& box, const QFont& font,
                  const QColor& textColour, int index) {
    control->setObjectName(name);
    if (index >= 0) control->setProperty("index", index);
    place(control, box);
    setShownFont(control, font);
    if (textColour.isValid()) {
        QPalette pal = control->palette();
        pal.setColor(QPalette::WindowText, textColour);
        pal.setColor(QPalette::Disabled, QPalette::WindowText, colours::kInactive);  // greyed, as buttons are
        control->setPalette(pal);
    }
}

QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, const TwipsBox& box,
                   const QFont& font, const QColor& colour, Qt::Alignment alignment) {
    auto* label = makeControl<QLabel>(parent, name, box, font, colour);
    label->setText(text);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    return label;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(widget->backgroundRole(), colour);  // buttons fill with Button, other widgets with Window
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void centreInParent(QWidget* layer) {
    const QWidget* parent = layer->parentWidget();
    if (!parent) return;
    layer->move((parent->width() - layer->width()) / 2, (parent->height() - layer->height()) / 2);
}

void setupform(QWidget* form) {
    setBackground(form, colours::kScreen);
    if (auto* panel = form->findChild<QWidget*>(QStringLiteral("Picture1"), Qt::FindDirectChildrenOnly)) {
        if (auto* box = qobject_cast<PictureBox*>(panel))
            box->setBackColour(colours::kPanel);
        else
            setBackground(panel, colours::kPanel);
    }
    setTwipsSize(form, kScreenWidthTwips, kScreenHeightTwips);
    centreInParent(form);
}

}  // namespace bt
