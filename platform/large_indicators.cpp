#include "large_indicators.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include "fonts.h"
#include "twips.h"

namespace bt {

namespace {

class ShownStyle final : public QProxyStyle {
  public:
    // indicator, spacing: design sizes of the indicators and the gap to their text; 0 keeps the toolkit's.
    ShownStyle(int indicator, int spacing)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))),
          indicator_(indicator),
          spacing_(spacing) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight:
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
                return shownPixels(indicator_ ? indicator_ : base);
            case PM_RadioButtonLabelSpacing:
            case PM_CheckBoxLabelSpacing:
                return shownPixels(spacing_ ? spacing_ : base);
            case PM_ScrollBarExtent:
            case PM_ScrollBarSliderMin:
            case PM_ButtonMargin:
                return base > 0 ? shownPixels(base) : base;
            default:
                return base;
        }
    }

    // An option button or tick box with the focus has a ring round its text that a projector shows: two
    // design pixels in the text's colour, where the toolkit draws a faint tint.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameFocusRect || !widget ||
            !(widget->inherits("QRadioButton") || widget->inherits("QCheckBox"))) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const qreal ring = shownPixels(2);
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::WindowText), ring));
        painter->setBrush(Qt::NoBrush);
        const QRectF around =
            QRectF(option->rect).adjusted(-2 * ring, 0, 2 * ring, 0) & QRectF(widget->rect());
        painter->drawRect(around.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
        painter->restore();
    }

    // Labels, option buttons and tick boxes draw their text here: bold Tahoma is overstruck.
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole role) const override {
        // As the toolkit does, but for disabled text, which this look draws in the palette's own colour.
        Q_UNUSED(enabled);
        const QPen pen = painter->pen();
        if (role != QPalette::NoRole) painter->setPen(QPen(palette.brush(role), pen.widthF()));
        drawScreenText(*painter, rect, flags, text);
        painter->setPen(pen);
    }

  private:
    int indicator_;
    int spacing_;
};

}  // namespace

void useShownStyle() {
    static QStyle* style = new ShownStyle(0, 0);
    QApplication::setStyle(style);  // the application owns it from now on
}

QStyle* largeIndicatorStyle() {
    static QStyle* style = [] {
        auto* s = new ShownStyle(20, 10);
        s->setParent(qApp);
        return s;
    }();
    return style;
}

}  // namespace bt
