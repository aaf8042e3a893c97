#pragma once
// Pictures by relative content path ("images\swan1.jpg"): JPEG, GIF and BMP, recognised by their contents.
// A missing or unreadable file gives an empty picture, never an error.

#include <QImage>
#include <QRect>
#include <QString>

#include "content_paths.h"

class QPainter;

namespace bt {

QImage loadPicture(const ContentPaths& paths, const QString& relativePath);

// What a picture shows, in a few words for a screen reader ("A white swan on a lake"); empty for a file the
// program does not know.
QString pictureDescription(const QString& relativePath);

// A picture shown at the display scale. At scale 1 it is its design-size image, as loaded. Larger, it is
// drawn from its high-resolution copy (the same name in an "hd" folder beside it, JPEG or PNG) decoded at
// the size it covers in device pixels, or, when there is none, from the design-size image smoothly
// scaled. The scaled image is kept until the size changes.
class ShownPicture {
  public:
    void load(const ContentPaths& paths, const QString& relativePath);
    void setImage(const QImage& image);

    // The design-size image.
    const QImage& image() const { return image_; }
    bool isNull() const { return image_.isNull(); }
    // The size it covers on screen at the display scale.
    QSize shownSize() const;
    // Draws it over a rectangle of the screen (usually its shown size), for a device of this pixel ratio.
    void draw(QPainter& painter, const QRect& target, qreal devicePixelRatio);

  private:
    QImage image_;
    ContentPaths paths_;
    QString source_;  // the relative path it was loaded from; empty for an image set directly
    QImage scaled_;
};

}  // namespace bt
