#pragma once
// A picture control: shows a picture at its own size (at the display scale, sharp from its high-resolution
// copy where there is one) from the control's top-left corner, clipped to the control, over the control's
// background colour (none when it has none). A fitted picture control shows a picture larger than itself
// whole, made smaller to fit and centred. For screen readers it is a graphic named by what its picture shows.

#include <QColor>
#include <QImage>
#include <QWidget>

#include "pictures.h"

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
    // The picture at its design size, and the size it covers on screen.
    const QImage& image() const { return picture_.image(); }
    QSize shownSize() const { return picture_.shownSize(); }
    bool hasPicture() const { return !picture_.isNull(); }

    void setFitted(bool fitted);

    void setBackColour(const QColor& colour);
    QColor backColour() const { return back_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ShownPicture picture_;
    QColor back_;
    bool fitted_ = false;
};

}  // namespace bt
