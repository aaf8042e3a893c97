#include "grey.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "colours.h"
#include "label_button.h"
#include "large_indicators.h"
#include "screen.h"
#include "twips.h"

namespace bt {

Grey::Grey(QWidget* parent) : QWidget(parent), curtain_(new QWidget(this)) {
    setDisplayScale(1);
    useShownStyle();
    installAccessibility();
    setObjectName(QStringLiteral("Grey"));
    setWindowTitle(QStringLiteral("Brambleton"));
    setBackground(this, colours::kGrey);
    setMinimumSize(px(kScreenWidthTwips), px(kScreenHeightTwips));
    resize(px(kScreenWidthTwips), px(kScreenHeightTwips));
    if (const QScreen* display = QGuiApplication::primaryScreen()) {
        const QRect area = display->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    curtain_->setObjectName(QStringLiteral("GreyCurtain"));
    setBackground(curtain_, colours::kGrey);
    curtain_->setGeometry(rect());
    curtain_->hide();
}

void Grey::toFront() {
    curtain_->setGeometry(rect());
    curtain_->show();
    curtain_->raise();
}

void Grey::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    curtain_->setGeometry(rect());
    // The screens fill the largest 4:3 area the window holds, never smaller than designed.
    const double before = displayScale();
    setDisplayScale(
        std::min(width() / double(px(kScreenWidthTwips)), height() / double(px(kScreenHeightTwips))));
    const bool rescale = displayScale() != before;
    for (QWidget* layer : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (layer == curtain_) continue;
        if (rescale && qobject_cast<Screen*>(layer)) layOutShown(layer);
        centreInParent(layer);
    }
}

void Grey::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F11) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace bt
