#include "screen.h"

#include <QMouseEvent>
#include <QPalette>

#include "colours.h"
#include "fonts.h"
#include "label_button.h"
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

void Screen::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (unlightOnBackground_) unlightButtons();
}

void setupControl(QWidget* control, const QString& name, const TwipsBox& box, const QFont& font,
                  const QColor& textColour, int index) {
    control->setObjectName(name);
    if (index >= 0) control->setProperty("index", index);
    control->setGeometry(box.pixels());
    control->setFont(font);
    if (textColour.isValid()) {
        QPalette pal = control->palette();
        pal.setColor(QPalette::WindowText, textColour);
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
    form->setFixedSize(px(kScreenWidthTwips), px(kScreenHeightTwips));
    centreInParent(form);
}

}  // namespace bt
