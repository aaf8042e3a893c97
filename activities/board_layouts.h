#pragma once
// A drag-and-drop activity as data: items, texts, target boxes, home slots, sizes, pictures and captions,
// in twips from the screen's top-left, copied as written in the layouts. Each topic has two (topics.h).

#include <span>

#include "board.h"
#include "twips.h"

namespace bt {

struct BoardItem {
    const char* answer;
    int targetLeft;
    int targetTop;
    int homeLeft;
    int homeTop;
    int homeWidth;  // as stored; see BoardLayout::homeSizing
    int homeHeight;
};

struct BoardPicture {
    const char* file;
    TwipsBox box;
};

struct BoardCaption {
    const char* name;
    int index;  // -1 when the control is not in an array
    const char* text;
    TwipsBox box;
    bool serif;  // Times New Roman, otherwise Tahoma bold
    double points;
    int red, green, blue;
    int align;  // Qt::Alignment flags
};

struct BoardLayout {
    enum class HomeSizing {
        Stored,      // home slots keep their stored size
        LabelSize,   // home slots take the labels' width and height at load
        LabelWidth,  // home slots take the labels' width at load
    };

    int labelWidth;  // draggable labels and target boxes
    int labelHeight;
    double labelPoints;
    bool wrap;  // label text wraps inside the label
    HomeSizing homeSizing;
    Board::Marking marking;
    std::span<const BoardItem> items;
    std::span<const BoardPicture> pictures;
    std::span<const BoardCaption> captions;  // Label6, the title, comes first
};

// The board a layout starts with: target boxes and home slots as the screen's load leaves them.
Board boardOf(const BoardLayout& layout);

}  // namespace bt
