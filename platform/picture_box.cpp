#include "picture_box.h"

#include <QPainter>

#include "pictures.h"

namespace bt {

PictureBox::PictureBox(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void PictureBox::setPicture(const ContentPaths& paths, const QString& relativePath) {
    setImage(relativePath.isEmpty() ? QImage() : loadPicture(paths, relativePath));
}

void PictureBox::setImage(const QImage& image) {
    image_ = image;
    update();
}

void PictureBox::setBackColour(const QColor& colour) {
    back_ = colour;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (back_.isValid()) p.fillRect(rect(), back_);
    if (!image_.isNull()) p.drawImage(QPoint(0, 0), image_);
}

}  // namespace bt
