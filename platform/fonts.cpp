#include "fonts.h"

#include <QFileInfo>
#include <QFontDatabase>
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

double boldOverstrike(const QFont& font) {
    if (!font.bold() || font.family().compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) != 0) return 0;
    const double size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 4 / 3;
    return std::max(0.0, size / 16);
}

void drawOverstruck(QPainter& painter, const QFont& font, const std::function<void()>& draw) {
    const double width = boldOverstrike(font);
    if (width <= 0) {
        draw();
        return;
    }
    // One copy per pixel of the width or so, centred on where the text would be.
    const int steps = std::max(1, int(std::ceil(width)));
    for (int i = 0; i <= steps; ++i) {
        painter.save();
        painter.translate(-width / 2 + width * i / steps, 0);
        draw();
        painter.restore();
    }
}

}  // namespace bt
