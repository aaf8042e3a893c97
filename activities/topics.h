#pragma once
// The science topics. A topic's row drives its entry on the main menu, its topic page, the page's quiz,
// its labelling and ordering activities and its two teacher pages: adding a topic is a row in the table
// (topics.cpp) and its content files.

#include <span>

#include "board_layouts.h"
#include "screen_registry.h"

namespace bt {

struct Topic {
    const char* key;           // "parts": names the page "parts" and its boards "partslab" and "partsord"
    int menuEntry;             // the main menu's entry that opens the page, Label2(index)
    const char* title;         // "Parts of a Plant"
    const char* picture;       // the page's picture
    const char* worksheet;     // the topic's quiz
    const char* smallPicture;  // beside the quiz's heading
    const char* keyFacts;      // the teacher pages' file name, in wmf (screen) and wmf2 (paper)
    const char* notes;
    BoardLayout labelling;
    BoardLayout ordering;

    ScreenName page() const { return ScreenName(ScreenName::Kind::Topic, key); }
    ScreenName labellingScreen() const { return ScreenName(ScreenName::Kind::Labelling, key); }
    ScreenName orderingScreen() const { return ScreenName(ScreenName::Kind::Ordering, key); }
};

std::span<const Topic> topics();

}  // namespace bt
