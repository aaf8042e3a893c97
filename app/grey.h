#pragma once
// The backdrop host: the program's one window. Every screen is a layer of it, kept at its centre; the
// window's caption is the caption of the screen on top. It starts as an ordinary window whose client area
// holds one 800 x 600 screen, centred on the display. Made larger, maximised or full screen (F11), it
// shows every screen at the display scale that fills the largest 4:3 area it holds, centred; its own
// colour, RGB(48, 133, 214), shows around them.

#include <QWidget>

namespace bt {

class Grey : public QWidget {
    Q_OBJECT
  public:
    explicit Grey(QWidget* parent = nullptr);

    // Brings the backdrop in front of every layer now shown; layers raised later lie above it.
    void toFront();
    // The plain layer in the backdrop's colour that toFront() raises.
    QWidget* curtain() const { return curtain_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* curtain_;
};

}  // namespace bt
