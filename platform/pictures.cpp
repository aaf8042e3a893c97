#include "pictures.h"

#include <QImageReader>

#include "content_paths.h"

namespace bt {

QImage loadPicture(const ContentPaths& paths, const QString& relativePath) {
    const QString file = paths.resolve(relativePath);
    if (file.isEmpty()) return {};
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    // A picture for an 800 x 600 screen never needs more than this; a lying header must not make the
    // reader allocate gigabytes.
    reader.setAllocationLimit(64);
    const QByteArray format = reader.format().toLower();
    if (format != "jpeg" && format != "gif" && format != "bmp" && format != "png") return {};
    QImage image = reader.read();
    return image;
}

}  // namespace bt
