#pragma once
// A picture control: shows a picture at its own size from the control's top-left corner, clipped to the
// control, over the control's background colour (none when it has none).

#include <QColor>
#include <QImage>
#include <QWidget>

namespace bt {

class ContentPaths;

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    PictureBox(const QString& name, QWidget* parent);

    // Loads a picture by relative content path; an empty path clears the picture, and a missing or
    // unreadable file leaves the control empty.
    void setPicture(const ContentPaths& paths, const QString& relativePath);
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    bool hasPicture() const { return !image_.isNull(); }

    void setBackColour(const QColor& colour);
    QColor backColour() const { return back_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
    QColor back_;
};

}  // namespace bt
