#pragma once
// A screen: one fixed layout shown as a layer of the backdrop window. Its objectName is the screen's name
// ("intro0") and its windowTitle the caption that the backdrop window takes while the screen is on top.

#include <QFrame>
#include <QLabel>
#include <QList>
#include <QWidget>

#include "twips.h"

namespace bt {

class LabelButton;

class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(const QString& name, QWidget* parent);

    // The screen's loading step. The registry calls it once, right after creating the screen and before
    // anything else touches it.
    virtual void load() {}
    // Called after the screen's controls have been placed again at a new display scale, for what a screen
    // places itself (a picture at its own size, a label where it was dragged).
    virtual void layOut() {}

    // The controls that Tab visits, in order: every shown control that takes the focus, in reading order
    // (by rows, each left to right). Tab and Shift+Tab go round them and never leave the screen.
    virtual QList<QWidget*> tabOrder() const;

  protected:
    // Adds a label-button in bold Tahoma (15.75 pt unless given) that follows the screen's hover rules.
    LabelButton* addButton(const QString& name, int index, const QString& caption, const TwipsBox& box,
                           double points = 15.75);
    // The hover rules: a button lights while the pointer is over it; every button unlights when the pointer
    // moves over the screen's own background. Both are on unless a screen switches them off.
    void setHoverRules(bool lightOnHover, bool unlightOnBackground);
    void unlightButtons();

    void mouseMoveEvent(QMouseEvent* event) override;
    // Escape presses the screen's "Exit" button, where it has one that is shown and active. The arrow keys
    // move the focus to the nearest control in their direction (down a menu column, along a row of
    // buttons), where the focused control does not use them itself.
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // Moves the focus to the nearest control in an arrow key's direction.
    void moveFocusToward(int key);

    QList<LabelButton*> buttons_;
    bool lightOnHover_ = true;
    bool unlightOnBackground_ = true;
};

// Places a control at a twips box at the display scale, and keeps the box so that layOutShown() can place
// it again when the scale changes.
void place(QWidget* control, const TwipsBox& box);
// Gives a widget a fixed size in twips at the display scale, kept the same way.
void setTwipsSize(QWidget* widget, int width, int height);
// Gives a widget a font whose pixel size is a design size; it is shown at the display scale.
void setShownFont(QWidget* widget, const QFont& font);
// A frame's line width in design pixels, shown at the display scale.
void setShownLineWidth(QFrame* frame, int designPixels);
// Lays a screen (or any widget) and everything on it out again at the display scale: boxes, sizes, fonts,
// lines and page views, then each screen's own layOut().
void layOutShown(QWidget* root);

// Gives a new control its control name (and, in a control array, its index), its box in twips, its font
// and, when valid, its text colour.
void setupControl(QWidget* control, const QString& name, const TwipsBox& box, const QFont& font,
                  const QColor& textColour = QColor(), int index = -1);

// Makes a control of type T on parent and sets it up as above.
template <class T>
T* makeControl(QWidget* parent, const QString& name, const TwipsBox& box, const QFont& font,
               const QColor& textColour = QColor(), int index = -1) {
    auto* control = new T(parent);
    setupControl(control, name, box, font, textColour, index);
    return control;
}

// A caption label at a twips box, transparent, in the given font and colour; long texts wrap.
QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, const TwipsBox& box,
                   const QFont& font, const QColor& colour,
                   Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop);

// Prepares a full-size screen: the screen background RGB(0, 78, 152), its Picture1 panel (if it has one)
// RGB(49, 135, 214), 12000 x 9000 twips (800 x 600 pixels at scale 1), centred in its parent.
void setupform(QWidget* form);

// Places a layer at the centre of its parent; left and top may be negative when the parent is smaller.
void centreInParent(QWidget* layer);

// Gives a widget a solid background colour.
void setBackground(QWidget* widget, const QColor& colour);

}  // namespace bt
