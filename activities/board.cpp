#include "board.h"

namespace bt {

bool BoardBox::captures(float x, float y) const {
    const float leftBound = left - width / 2.0f;
    const float rightBound = left + width;
    const float topBound = top - height / 2.0f;
    const float bottomBound = top + height;
    return leftBound < x && x < rightBound && topBound < y && y < bottomBound;
}

Board::Board(std::vector<BoardBox> targets, std::vector<BoardBox> homes, float labelWidth, float labelHeight,
             Marking marking)
    : targets_(std::move(targets)),
      homes_(std::move(homes)),
      labelWidth_(labelWidth),
      labelHeight_(labelHeight),
      marking_(marking) {
    labels_.resize(targets_.size());
    startAgain();
}

void Board::drag(int k, float x, float y) {
    BoardPoint& p = labels_.at(k);
    p.x = p.x + x - labelWidth_ / 2.0f;
    p.y = p.y + y - labelHeight_ / 2.0f;
}

int Board::drop(int k) {
    BoardPoint& p = labels_.at(k);
    int snaps = 0;
    for (int i = 0; i < size(); ++i) {
        for (const BoardBox* box : {&targets_[i], &homes_[i]}) {
            if (box->captures(p.x, p.y)) {
                p = {box->left, box->top};
                ++snaps;
            }
        }
    }
    return snaps;
}

void Board::place(int k, BoardPoint at) {
    labels_.at(k) = at;
}

bool Board::onTarget(int label, int box) const {
    const BoardPoint& p = labels_.at(label);
    return p.x == targets_.at(box).left && p.y == targets_.at(box).top;
}

int Board::pairsOnTargets() const {
    int pairs = 0;
    for (int a = 0; a < size(); ++a)
        for (int b = 0; b < size(); ++b)
            if (onTarget(a, b)) ++pairs;
    return pairs;
}

void Board::startAgain() {
    for (int i = 0; i < size(); ++i) labels_[i] = {homes_[i].left, homes_[i].top};
}

int Board::mark() const {
    int score = 0;
    if (marking_ == Marking::OwnBox) {
        for (int i = 0; i < size(); ++i)
            if (onTarget(i, i)) ++score;
        return score;
    }
    for (int i = 0; i < size(); ++i) {
        const int base = i - i % 3;
        for (int j = 0; j < 3 && base + j < size(); ++j)
            if (onTarget(base + j, i)) ++score;
    }
    return score;
}

}  // namespace bt
