#pragma once
// A screen: one fixed layout shown as a layer of the backdrop window. Its objectName is the screen's name
// ("intro0") and its windowTitle the caption that the backdrop window takes while the screen is on top.

#include <QWidget>

namespace bt {

class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(const QString& name, QWidget* parent);

    // The screen's loading step. The registry calls it once, right after creating the screen and before
    // anything else touches it.
    virtual void load() {}
};

// Prepares a full-size screen: the screen background RGB(0, 78, 152), its Picture1 panel (if it has one)
// RGB(49, 135, 214), 800 x 600 pixels (12000 x 9000 twips), centred in its parent.
void setupform(QWidget* form);

// Places a layer at the centre of its parent; left and top may be negative when the parent is smaller.
void centreInParent(QWidget* layer);

// Gives a widget a solid background colour.
void setBackground(QWidget* widget, const QColor& colour);

}  // namespace bt
