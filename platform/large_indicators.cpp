#include "large_indicators.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

namespace bt {

namespace {

class LargeIndicators final : public QProxyStyle {
  public:
    LargeIndicators() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight:
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
                return 20;
            case PM_RadioButtonLabelSpacing:
            case PM_CheckBoxLabelSpacing:
                return 10;
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

}  // namespace

QStyle* largeIndicatorStyle() {
    static QStyle* style = [] {
        auto* s = new LargeIndicators;
        s->setParent(qApp);
        return s;
    }();
    return style;
}

}  // namespace bt
