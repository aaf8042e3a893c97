#include "picture_box.h"

#include <QPainter>

namespace bt {

PictureBox::PictureBox(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void PictureBox::setPicture(const ContentPaths& paths, const QString& relativePath) {
    picture_.load(paths, relativePath);
    setAccessibleName(hasPicture() ? pictureDescription(relativePath) : QString());
    update();
}

void PictureBox::setImage(const QImage& image) {
    picture_.setImage(image);
    update();
}

void PictureBox::setFitted(bool fitted) {
    fitted_ = fitted;
    update();
}

void PictureBox::setBackColour(const QColor& colour) {
    back_ = colour;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (back_.isValid()) p.fillRect(rect(), back_);
    QRect target(QPoint(0, 0), picture_.shownSize());
    if (fitted_ && !rect().contains(target)) {
        target.setSize(target.size().scaled(size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
    }
    picture_.draw(p, target, devicePixelRatioF());
}

}  // namespace bt
