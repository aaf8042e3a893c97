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

struct Description {
    const char* file;
    const char* words;
};

constexpr Description kDescriptions[] = {
    {"budsm.jpg", "A flower bud on its stem"},
    {"comma.jpg", "A comma butterfly"},
    {"elephantsm.jpg", "An elephant on dry grassland"},
    {"flowerssm.jpg", "Three flowers in bloom"},
    {"fruitsm.jpg", "A red apple hanging from a branch"},
    {"fuschiasm.jpg", "A fuchsia flower hanging from a branch"},
    {"garden.jpg", "A garden with a flowerbed, a bush, a pond and a tree"},
    {"gatekeep.jpg", "A gatekeeper butterfly"},
    {"growth.jpg", "A seed growing into a plant, step by step"},
    {"habitats.jpg", "Animals at home by a tree, in a meadow and in a pond"},
    {"healthy.jpg", "A healthy plant beside a wilting one"},
    {"leafsm.jpg", "A green leaf"},
    {"locality.jpg", "A school and its grounds, with small animals by the path"},
    {"nutrition.jpg", "A sunflower in a pot, watered, in the sunshine"},
    {"painted.jpg", "A painted lady butterfly"},
    {"peacock.jpg", "A peacock butterfly"},
    {"poppies2.jpg", "Red poppies in a field"},
    {"poppies2sm.jpg", "A red poppy"},
    {"redad2.jpg", "A red admiral butterfly resting on leaves"},
    {"redadmir.jpg", "A red admiral butterfly"},
    {"reproduction.jpg", "A bee on a flower, an apple with its seeds and a dandelion clock"},
    {"rootssm.jpg", "Roots spreading through the soil below a seedling"},
    {"seeds2sm.jpg", "Sunflower seeds"},
    {"shoot2sm.jpg", "A young shoot coming up out of the soil"},
    {"snail.jpg", "A snail on a leaf"},
    {"snailsm.jpg", "A snail"},
    {"stem3sm.jpg", "A green plant stem"},
    {"survival.jpg", "Cactuses in a hot, dry desert"},
    {"swan1.jpg", "A white swan on a lake"},
    {"tortois.jpg", "A small tortoiseshell butterfly"},
    {"white.jpg", "A white butterfly"},
};

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

QString pictureDescription(const QString& relativePath) {
    QString name = relativePath.toLower();
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    name = name.section(QLatin1Char('\\'), -1);
    // The publisher's logo and the frames of its animation (corv0000.gif to corv0019.gif).
    if (name == QLatin1String("corvane2.bmp") ||
        (name.startsWith(QLatin1String("corv")) && name.endsWith(QLatin1String(".gif"))))
        return QStringLiteral("The Corvane Publishing logo: a crow in flight");
    for (const Description& d : kDescriptions)
        if (name == QLatin1String(d.file)) return QString::fromLatin1(d.words);
    return {};
}

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
