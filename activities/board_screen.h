#pragma once
// A labelling or ordering screen: one drag-and-drop board laid out from its table. The pupil drags the
// name labels with the left button into the boxes; when every label lies on a target box "Check Score"
// appears, and marking hands score and out-of to the results screen, which opens over the board.

#include <QLabel>
#include <QWidget>
#include <vector>

#include "board.h"
#include "board_layouts.h"
#include "label_button.h"
#include "screen.h"

namespace bt {

struct Context;

// A draggable name label: yellow bold text on black, bordered. It reports the pointer's moves and the
// release of any button pressed on it; the screen moves it.
class DragLabel : public QWidget {
    Q_OBJECT
  public:
    DragLabel(int index, const QString& text, bool wrap, QWidget* parent);
    QString text() const { return text_; }

  Q_SIGNALS:
    // The pointer moved over the label with exactly these buttons held; at is inside the label, in pixels.
    void dragged(int index, Qt::MouseButtons buttons, QPointF at);
    void released(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int index_;
    QString text_;
    bool wrap_;
};

class BoardScreen : public Screen {
    Q_OBJECT
  public:
    BoardScreen(Context& context, const BoardLayout& layout, QWidget* parent);
    void load() override;

    // The title, which the topic page sets.
    void setTitle(const QString& title) { title_->setText(title); }
    QString title() const { return title_->text(); }

    const Board& board() const { return board_; }
    DragLabel* label(int k) const { return labels_.at(k); }
    QWidget* targetBox(int i) const { return targets_.at(i); }
    QWidget* homeSlot(int i) const { return homes_.at(i); }
    LabelButton* button(int index) const { return buttons_.at(index); }

  private:
    void Label2_MouseMove(int k, Qt::MouseButtons buttons, QPointF at);
    void Label2_MouseUp(int k);
    void Label3_Click(int index);
    void moveLabel(int k);

    Context& context_;
    const BoardLayout& layout_;
    Board board_;
    QLabel* title_ = nullptr;
    std::vector<DragLabel*> labels_;
    std::vector<QWidget*> targets_;
    std::vector<QWidget*> homes_;
    std::vector<LabelButton*> buttons_;
};

}  // namespace bt
