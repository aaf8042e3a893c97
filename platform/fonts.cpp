#include "fonts.h"

#include <QFileInfo>
#include <QFontDatabase>

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

}  // namespace bt
