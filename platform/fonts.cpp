#include "fonts.h"

#include <QCache>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "twips.h"

namespace bt {

int registerFonts() {
    static const char* const kFiles[] = {
        "/usr/share/wine/fonts/tahoma.ttf",
        "/usr/share/wine/fonts/tahomabd.ttf",
        "/usr/share/wine/fonts/ms_sans_serif.ttf",
    };
    int added = 0;
    for (const char* file : kFiles) {
        const QString path = QString::fromLatin1(file);
        if (QFileInfo::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) ++added;
    }
    return added;
}

QFont screenFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

namespace {

// A font's size in pixels, whether it was set in pixels or in points.
double pixelsOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 4 / 3;
}

}  // namespace

QFont shownFont(const QFont& design) {
    const double scale = displayScale();
    if (scale == 1.0 || design.pixelSize() <= 0) return design;
    QFont font = design;
    double pixels = design.pixelSize();
    if (font.family().compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0) {
        // Tahoma at the size that sets text as wide as the bitmap face does at its design size.
        const QString sample = QStringLiteral("OK Exit Cancel abcdefghijklmnopqrstuvwxyz");
        font.setFamily(QStringLiteral("Tahoma"));
        pixels *=
            QFontMetricsF(design).horizontalAdvance(sample) / QFontMetricsF(font).horizontalAdvance(sample);
    }
    font.setPixelSize(std::max(1, int(std::floor(pixels * scale + 1e-6))));
    return font;
}

double boldOverstrike(const QFont& font) {
    if (!font.bold() || font.family().compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) != 0) return 0;
    return std::max(0.0, pixelsOf(font) / 16);
}

void drawOverstruck(QPainter& painter, const QFont& font, const std::function<void()>& draw) {
    const double width = boldOverstrike(font);
    if (width <= 0) {
        draw();
        return;
    }
    // Three copies, half the width apart: much less than a stem is wide (about a tenth of the size), so
    // together they draw solid strokes. Centred on where the text would be.
    for (int i = 0; i <= 2; ++i) {
        painter.save();
        painter.translate(-width / 2 + width * i / 2, 0);
        draw();
        painter.restore();
    }
}

void drawScreenText(QPainter& painter, const QRect& rect, int flags, const QString& text) {
    const QFont font = painter.font();
    const QTransform& transform = painter.worldTransform();
    const double pixels = pixelsOf(font);
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const auto draw = [&](QPainter& p, const QRect& r) {
        drawOverstruck(p, font, [&] { p.drawText(r, flags, text); });
    };
    if (text.isEmpty() || rect.isEmpty()) return;
    if (pixels * ratio <= 64 || transform.type() > QTransform::TxTranslate) {
        draw(painter, rect);
        return;
    }
    // Kept by every detail that changes what is drawn; at most about 96 MB of images.
    static QCache<QString, QImage> drawn(96 * 1024);
    const QString key = text + QChar(0) + font.key() + QChar(0) +
                        QString::number(painter.pen().color().rgba()) + QChar(' ') + QString::number(flags) +
                        QChar(' ') + QString::number(rect.width()) + QChar('x') +
                        QString::number(rect.height()) + QChar('@') + QString::number(ratio);
    QImage* image = drawn.object(key);
    if (!image) {
        image = new QImage(rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image->setDevicePixelRatio(ratio);
        image->fill(Qt::transparent);
        QPainter p(image);
        p.setFont(font);
        p.setPen(painter.pen());
        p.setRenderHints(painter.renderHints());
        draw(p, QRect(QPoint(0, 0), rect.size()));
        p.end();
        drawn.insert(key, image, int(image->sizeInBytes() / 1024) + 1);
    }
    painter.drawImage(rect.topLeft(), *image);
}

}  // namespace bt
