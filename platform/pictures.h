#pragma once
// Pictures by relative content path ("images\swan1.jpg"): JPEG, GIF and BMP, recognised by their contents.
// A missing or unreadable file gives an empty picture, never an error.

#include <QImage>
#include <QString>

namespace bt {

class ContentPaths;

QImage loadPicture(const ContentPaths& paths, const QString& relativePath);

}  // namespace bt
