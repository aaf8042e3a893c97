// The metafile reader and its drawing: whatever the bytes, parsing ends with a picture of a size within the
// reader's limits or a refusal, and a picture draws the same every time it is drawn.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

#include "metafile.h"

namespace {

QImage drawn(const bt::Metafile& picture) {
    QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QSize size = picture.size();
    painter.scale(128.0 / size.width(), 128.0 / size.height());
    picture.draw(painter);
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);  // text needs fonts
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<bt::Metafile> picture =
        bt::Metafile::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!picture) return 0;
    const QSize own = picture->size();
    if (own.isEmpty() || own.width() > 16384 || own.height() > 16384 ||
        qint64(own.width()) * own.height() > 16 << 20)
        std::abort();
    if (drawn(*picture) != drawn(*picture)) std::abort();
    return 0;
}
