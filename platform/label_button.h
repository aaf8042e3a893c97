#pragma once
// A label that serves as a button: a bordered caption in bold Tahoma, yellow on its own background colour.
// It is lit while drawn opaque (the background colour shows behind the text) and unlit while drawn
// transparent over its screen. It starts lit.
//
// An inactive label is drawn greyed and never fires; the pointer passes through it to the screen beneath,
// so hovering it counts as hovering the screen's background (and so never lights it).
//
// By keyboard an active label takes the focus (Tab); Enter or Space presses it. While it has the focus it
// is drawn lit, with a ring inside its border. For screen readers it is a button named by its caption,
// whose press action presses it (installAccessibility() makes that so).

#include <QColor>
#include <QFont>
#include <QWidget>

namespace bt {

class LabelButton : public QWidget {
    Q_OBJECT
  public:
    // objectName is the control's name ("Label3"); index tells apart the labels of one array.
    LabelButton(const QString& name, int index, const QString& caption, QWidget* parent);

    int index() const { return index_; }
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    bool isLit() const { return lit_; }
    void setLit(bool lit);

    bool isActive() const { return active_; }
    void setActive(bool active);

    // The colour shown behind the text while lit (black unless a screen says otherwise).
    void setBackColour(const QColor& colour);
    void setTextColour(const QColor& colour);

    // Presses it as a click does, if it is active.
    void press();

  Q_SIGNALS:
    // The left button was pressed and released over the label, or it was pressed by keyboard.
    void clicked(int index);
    // The pointer moved over the label.
    void hovered(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int index_;
    QString caption_;
    QColor back_{Qt::black};
    QColor text_;
    bool lit_ = true;
    bool active_ = true;
    bool pressed_ = false;
};

// Lets screen readers see label-buttons as buttons, picture controls as graphics, and any widget whose
// property of this name is true as a button named by its accessible name that Enter presses. Called once,
// after the application object is made.
inline constexpr char kAccessibleButton[] = "accessibleButton";
void installAccessibility();

}  // namespace bt
