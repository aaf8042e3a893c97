#pragma once
// A labelling or ordering screen: a view of one drag-and-drop board laid out from its table. The pupil
// drags the name labels with the left button into the boxes; when every label lies on a target box
// "Check Score" appears, and the board's result opens the results screen over the board.

#include <QLabel>
#include <QWidget>
#include <vector>

#include "board.h"
#include "board_layouts.h"
#include "label_button.h"
#include "screen.h"
#include "screen_registry.h"

namespace bt {

struct Context;

// A draggable name label: yellow bold text on black. It reports the pointer's moves and the release of any
// button pressed on it, and the keys pressed while it has the focus; the screen moves it. While it has the
// focus it shows a ring in its text's colour.
//
// By keyboard: Tab to a label, Enter (or Space) picks it up, the arrow keys carry it from box to box (Right
// and Down to the next target box in reading order, Left and Up to the one before), Enter puts it down,
// marked by the same rule as a drop by the pointer; Escape puts it back where it was picked up.
class DragLabel : public QWidget {
    Q_OBJECT
  public:
    DragLabel(int index, const QString& text, bool wrap, QWidget* parent);
    QString text() const { return text_; }

  Q_SIGNALS:
    // The pointer moved over the label with exactly these buttons held; at is inside the label, in pixels.
    void dragged(int index, Qt::MouseButtons buttons, QPointF at);
    void released(int index);
    // A key was pressed while the label had the focus; accept it to keep it from the screen.
    void keyed(int index, QKeyEvent* event);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int index_;
    QString text_;
    bool wrap_;
};

class BoardScreen : public Screen {
    Q_OBJECT
  public:
    // title: the topic page's title, shown at the top.
    BoardScreen(Context& context, ScreenName name, const BoardLayout& layout, const QString& title,
                QWidget* parent);
    void load() override;
    void layOut() override;

    DragLabel* label(int k) const { return labels_.at(k); }

  private:
    void Label2_MouseMove(int k, Qt::MouseButtons buttons, QPointF at);
    void Label2_MouseUp(int k);
    void Label3_Click(int index);
    void moveLabel(int k);
    void Label2_Key(int k, QKeyEvent* event);

    Context& context_;
    const ScreenName name_;
    const BoardLayout& layout_;
    Board board_;
    std::vector<DragLabel*> labels_;
    std::vector<LabelButton*> buttons_;
    int carried_ = -1;    // the label picked up by keyboard, or -1
    int dragged_ = -1;    // the label being dragged by the pointer, or -1
    int carriedTo_ = -1;  // its place in boxOrder_ of the target box it is over, or -1 where it was picked up
    std::vector<int> boxOrder_;  // the target boxes in reading order, as the arrow keys visit them
    BoardPoint pickedUp_;        // where it was picked up
};

}  // namespace bt
