#include "screen.h"

#include <QPalette>

#include "colours.h"
#include "picture_box.h"
#include "twips.h"

namespace bt {

Screen::Screen(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setWindowTitle(QStringLiteral("Brambleton"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
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
