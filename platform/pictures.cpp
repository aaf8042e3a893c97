#include "pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cmath>

#include "content_paths.h"
#include "twips.h"

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

namespace {

// The high-resolution copy of a picture: "images\swan1.jpg" has "images\hd\swan1.jpg" (or .png).
QString hdFileOf(const ContentPaths& paths, const QString& relativePath) {
    QString path = relativePath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const int slash = path.lastIndexOf(QLatin1Char('\\'));
    const QString name = path.mid(slash + 1);
    const QString folder = path.left(slash + 1) + QStringLiteral("hd\\");
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    for (const QString& candidate : {name, (dot < 0 ? name : name.left(dot)) + QStringLiteral(".png")}) {
        const QString file = paths.resolve(folder + candidate);
        if (!file.isEmpty() && QFileInfo(file).isFile()) return file;
    }
    return {};
}

}  // namespace

void ShownPicture::load(const ContentPaths& paths, const QString& relativePath) {
    image_ = relativePath.isEmpty() ? QImage() : loadPicture(paths, relativePath);
    // The copy is looked for only when the picture is first shown larger.
    paths_ = paths;
    source_ = image_.isNull() ? QString() : relativePath;
    scaled_ = QImage();
}

void ShownPicture::setImage(const QImage& image) {
    image_ = image;
    source_.clear();
    scaled_ = QImage();
}

QSize ShownPicture::shownSize() const {
    const double scale = displayScale();
    return QSize(int(std::lround(image_.width() * scale)), int(std::lround(image_.height() * scale)));
}

void ShownPicture::draw(QPainter& painter, const QRect& target, qreal devicePixelRatio) {
    if (image_.isNull()) return;
    const QSize size = target.size();
    const QSize device(int(std::lround(size.width() * devicePixelRatio)),
                       int(std::lround(size.height() * devicePixelRatio)));
    if (device == image_.size()) {
        painter.drawImage(target, image_);
        return;
    }
    if (scaled_.size() != device) {
        scaled_ = QImage();
        const QString copy = source_.isEmpty() ? QString() : hdFileOf(paths_, source_);
        if (!copy.isEmpty()) {
            QImageReader reader(copy);
            reader.setAllocationLimit(256);
            reader.setScaledSize(device);
            scaled_ = reader.read();
        }
        if (scaled_.size() != device)
            scaled_ = image_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    painter.drawImage(target, scaled_);
}

}  // namespace bt
