#pragma once
// The drag-and-drop board of the labelling and ordering activities.
//
// A board has N items. Item i owns a draggable label (starting on its home slot), a target box where it
// belongs, and a home slot. Where a label lies is read from positions alone: label a lies on box b exactly
// when their left and top are equal, which only snapping produces. Positions are twips from the screen's
// top-left, held in single precision.
//
// A box's capture zone is the open rectangle L - W/2 < x < L + W, T - H/2 < y < T + H (bounds computed in
// single precision, all comparisons strict): a released label whose top-left corner lies inside snaps to
// the box. On a drop the boxes are tested in item order, target box i before home slot i, each test seeing
// the label where the previous snap left it.

#include <QString>
#include <QStringList>
#include <vector>

#include "activity_result.h"

namespace bt {

struct BoardBox {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    // True when the point lies strictly inside the box's capture zone.
    bool captures(float x, float y) const;
};

struct BoardPoint {
    float x = 0;
    float y = 0;
    bool operator==(const BoardPoint&) const = default;
};

class Board {
  public:
    enum class Marking {
        OwnBox,  // a label scores on its own target box only
        Group,   // a label scores on any target box of its group of three consecutive items
    };

    // Target boxes and labels share one size per board; home slots have their own.
    Board(std::vector<BoardBox> targets, std::vector<BoardBox> homes, float labelWidth, float labelHeight,
          Marking marking = Marking::OwnBox);

    int size() const { return static_cast<int>(labels_.size()); }
    BoardPoint label(int k) const { return labels_.at(k); }
    const BoardBox& target(int i) const { return targets_.at(i); }
    const BoardBox& home(int i) const { return homes_.at(i); }
    float labelWidth() const { return labelWidth_; }
    float labelHeight() const { return labelHeight_; }

    // The pointer moved over label k with the left button alone held: the label's centre jumps to the
    // pointer, given as x, y inside the label (twips). There is no bound.
    void drag(int k, float x, float y);
    // A button pressed on label k was released: the drop test. Returns how many times the label snapped
    // (each snap plays the thud).
    int drop(int k);
    // Puts label k at a position, as a test or a restored layout would.
    void place(int k, BoardPoint at);

    // How many (label, target box) pairs lie one on the other; the board is complete when that is N.
    int pairsOnTargets() const;
    bool complete() const { return pairsOnTargets() == size(); }
    bool onTarget(int label, int box) const;

    // Every label back to its own home slot.
    void startAgain();
    // The score by the board's marking rule.
    int mark() const;
    // The score out of the board's size, for the results screen; a board's certificate has no title line.
    ActivityResult result() const { return {.score = mark(), .outof = size()}; }

  private:
    std::vector<BoardBox> targets_;
    std::vector<BoardBox> homes_;
    std::vector<BoardPoint> labels_;
    float labelWidth_;
    float labelHeight_;
    Marking marking_;
};

}  // namespace bt
