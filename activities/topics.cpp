#include "topics.h"

namespace bt {

namespace {

constexpr int kLeft = 0x0001;    // Qt::AlignLeft
constexpr int kRight = 0x0002;   // Qt::AlignRight
constexpr int kCentre = 0x0004;  // Qt::AlignHCenter
constexpr int kTop = 0x0020;     // Qt::AlignTop

constexpr int kInstructionColour[] = {128, 255, 255};

// Parts of a plant: seven names under seven pictures.
constexpr BoardItem kPartslabItems[] = {
    {"Stem", 9360, 3240, 1680, 6720, 1845, 255},   {"Roots", 5040, 5880, 3960, 6720, 1845, 255},
    {"Flower", 2160, 5880, 6240, 6720, 1845, 255}, {"Bud", 7920, 5880, 8520, 6720, 1845, 255},
    {"Shoot", 6480, 3240, 2760, 7200, 1845, 255},  {"Leaf", 3600, 3240, 5040, 7200, 1845, 255},
    {"Fruit", 720, 3240, 7320, 7200, 1965, 375},
};
constexpr BoardPicture kPartslabPictures[] = {
    {"Images\\fruitsm.jpg", {480, 1320, 2400, 1800}},    {"Images\\leafsm.jpg", {3360, 1320, 2400, 1800}},
    {"Images\\shoot2sm.jpg", {6240, 1320, 2400, 1800}},  {"Images\\stem3sm.jpg", {9120, 1320, 2400, 1800}},
    {"Images\\fuschiasm.jpg", {1920, 3960, 2400, 1800}}, {"Images\\rootssm.jpg", {4800, 3960, 2400, 1800}},
    {"Images\\budsm.jpg", {7680, 3960, 2400, 1800}},
};
constexpr BoardCaption kPartslabCaptions[] = {
    {"Label6", -1, "", {120, 120, 4425, 705}, true, 24, 255, 255, 0, kCentre | kTop},
    {"Label7",
     -1,
     "Drag the labels into the correct boxes.",
     {7080, 0, 4785, 345},
     false,
     12,
     kInstructionColour[0],
     kInstructionColour[1],
     kInstructionColour[2],
     kRight | kTop},
};

// Animals in the garden: four captions on one picture.
constexpr BoardItem kLocalitylabItems[] = {
    {"Snails and worms in the flowerbed", 2760, 5760, 1800, 7080, 1845, 615},
    {"A hedgehog under the bush", 240, 3240, 3960, 7080, 1845, 615},
    {"Fish and a frog in the pond", 7200, 4680, 6120, 7080, 1845, 615},
    {"A bird in the tree", 9840, 1920, 8280, 7080, 1845, 615},
};
constexpr BoardPicture kLocalitylabPictures[] = {{"Images\\garden.jpg", {600, 840, 10800, 5655}}};
constexpr BoardCaption kLocalitylabCaptions[] = {
    {"Label6", -1, "", {120, 120, 6345, 705}, true, 24, 255, 255, 0, kCentre | kTop},
    {"Label7",
     -1,
     "Drag the labels into the correct boxes to label the picture.",
     {8040, 0, 3825, 705},
     false,
     12,
     kInstructionColour[0],
     kInstructionColour[1],
     kInstructionColour[2],
     kRight | kTop},
};

// Plant parts in the order they first appear: Roots, Stem, Leaves, Flowers, Seeds from left to right.
constexpr BoardItem kPartsordItems[] = {
    {"Flowers", 7320, 5160, 2160, 6480, 2205, 375}, {"Stem", 2520, 5160, 4920, 6480, 2205, 375},
    {"Seeds", 9720, 5160, 7680, 6480, 2205, 375},   {"Leaves", 4920, 5160, 6240, 7080, 2205, 375},
    {"Roots", 120, 5160, 3480, 7080, 2205, 375},
};
constexpr BoardPicture kPartsordPictures[] = {
    {"Images\\rootssm.jpg", {0, 3240, 2400, 1800}},     {"Images\\stem3sm.jpg", {2400, 3240, 2400, 1800}},
    {"Images\\leafsm.jpg", {4800, 3240, 2400, 1800}},   {"Images\\flowerssm.jpg", {7200, 3240, 2400, 1800}},
    {"Images\\seeds2sm.jpg", {9600, 3240, 2400, 1800}},
};
constexpr BoardCaption kPartsordCaptions[] = {
    {"Label6", -1, "", {0, 0, 4425, 705}, true, 24, 255, 255, 0, kCentre | kTop},
    {"Label8",
     -1,
     "Put these parts of a plant in the order that they first appear.",
     {840, 720, 10200, 1665},
     true,
     36,
     0,
     255,
     0,
     kCentre | kTop},
    {"Label5", -1, "Earliest", {120, 2760, 2145, 585}, true, 20.25, 255, 255, 0, kLeft | kTop},
    {"Label7", -1, "Latest", {8160, 2760, 3585, 585}, true, 20.25, 255, 255, 0, kRight | kTop},
    {"Label9",
     -1,
     "Drag the labels into the correct boxes.",
     {7080, 0, 4785, 345},
     false,
     12,
     kInstructionColour[0],
     kInstructionColour[1],
     kInstructionColour[2],
     kRight | kTop},
};

// Animals grouped by where they live: pond (items 3 to 5), tree (6 to 8), flowerbed (0 to 2).
constexpr BoardItem kLocalityordItems[] = {
    {"Snail", 8040, 4560, 4680, 6600, 2085, 375},   {"Caterpillar", 8040, 3960, 2040, 6120, 2085, 375},
    {"Worm", 8040, 3360, 7320, 6120, 2085, 375},    {"Tadpole", 1320, 4560, 2040, 7080, 2085, 375},
    {"Toad", 1320, 3360, 4680, 7080, 2085, 375},    {"Newt", 1320, 3960, 2040, 6600, 2085, 375},
    {"Kestrel", 4680, 4560, 4680, 6120, 2085, 375}, {"Blue Tit", 4680, 3960, 7320, 6600, 2085, 375},
    {"Owl", 4680, 3360, 7320, 7080, 2085, 375},
};
constexpr BoardCaption kLocalityordCaptions[] = {
    // The title is stored 4185 wide, too narrow for "Animals in your Locality" at this size; it has the
    // empty width beside it.
    {"Label6", -1, "", {0, 120, 7200, 705}, true, 27.75, 255, 255, 0, kCentre | kTop},
    {"Label7",
     -1,
     "Group these animals into their usual local environment.",
     {120, 1200, 11625, 1425},
     true,
     24,
     255,
     255,
     0,
     kCentre | kTop},
    {"Label5", 0, "In a Pond", {1380, 2760, 2385, 585}, true, 20.25, 0, 255, 0, kCentre | kTop},
    {"Label5", 1, "Up a Tree", {4440, 2760, 3075, 675}, true, 20.25, 0, 255, 0, kCentre | kTop},
    {"Label5", 2, "In a Flowerbed", {7860, 2760, 2985, 585}, true, 20.25, 0, 255, 0, kCentre | kTop},
    {"Label8",
     -1,
     "Drag the labels into the correct boxes.",
     {120, 7860, 2865, 585},
     false,
     12,
     kInstructionColour[0],
     kInstructionColour[1],
     kInstructionColour[2],
     kLeft | kTop},
};

// The topics, in menu order.
constexpr Topic kTopics[] = {
    {.key = "parts",
     .menuEntry = 1,
     .title = "Parts of a Plant",
     .picture = "Images\\poppies2.jpg",
     .worksheet = "multiple\\Parts of a Plant.txt",
     .smallPicture = "images\\poppies2sm.jpg",
     .keyFacts = "key parts.wmf",
     .notes = "parts.wmf",
     .labelling = {.labelWidth = 1965,
                   .labelHeight = 375,
                   .labelPoints = 11.25,
                   .wrap = false,
                   .homeSizing = BoardLayout::HomeSizing::Stored,
                   .marking = Board::Marking::OwnBox,
                   .items = kPartslabItems,
                   .pictures = kPartslabPictures,
                   .captions = kPartslabCaptions},
     .ordering = {.labelWidth = 2205,
                  .labelHeight = 375,
                  .labelPoints = 11.25,
                  .wrap = false,
                  .homeSizing = BoardLayout::HomeSizing::Stored,
                  .marking = Board::Marking::OwnBox,
                  .items = kPartsordItems,
                  .pictures = kPartsordPictures,
                  .captions = kPartsordCaptions}},
    {.key = "locality",
     .menuEntry = 10,
     .title = "Animals in your Locality",
     .picture = "Images\\snail.jpg",
     .worksheet = "multiple\\Animals in your locality.txt",
     .smallPicture = "images\\snailsm.jpg",
     .keyFacts = "key locality.wmf",
     .notes = "locality.wmf",
     .labelling = {.labelWidth = 1845,
                   .labelHeight = 615,
                   .labelPoints = 9.75,
                   .wrap = true,
                   .homeSizing = BoardLayout::HomeSizing::LabelSize,
                   .marking = Board::Marking::OwnBox,
                   .items = kLocalitylabItems,
                   .pictures = kLocalitylabPictures,
                   .captions = kLocalitylabCaptions},
     .ordering = {.labelWidth = 2565,
                  .labelHeight = 375,
                  .labelPoints = 11.25,
                  .wrap = false,
                  .homeSizing = BoardLayout::HomeSizing::LabelWidth,
                  .marking = Board::Marking::Group,
                  .items = kLocalityordItems,
                  .pictures = {},
                  .captions = kLocalityordCaptions}},
};

// Every box, picture and caption of every activity lies on the screen.
constexpr bool layoutOnScreen(const BoardLayout& layout) {
    for (const BoardItem& i : layout.items)
        if (!onScreen({i.targetLeft, i.targetTop, layout.labelWidth, layout.labelHeight}) ||
            !onScreen({i.homeLeft, i.homeTop, layout.labelWidth, layout.labelHeight}))
            return false;
    for (const BoardPicture& p : layout.pictures)
        if (!onScreen(p.box)) return false;
    for (const BoardCaption& c : layout.captions)
        if (!onScreen(c.box)) return false;
    return !layout.captions.empty();  // the title comes first
}
constexpr bool topicsOnScreen() {
    for (const Topic& t : kTopics)
        if (!layoutOnScreen(t.labelling) || !layoutOnScreen(t.ordering)) return false;
    return true;
}
static_assert(topicsOnScreen());

}  // namespace

std::span<const Topic> topics() {
    return kTopics;
}

Board boardOf(const BoardLayout& layout) {
    std::vector<BoardBox> targets;
    std::vector<BoardBox> homes;
    const float w = float(layout.labelWidth);
    const float h = float(layout.labelHeight);
    for (const BoardItem& item : layout.items) {
        targets.push_back({float(item.targetLeft), float(item.targetTop), w, h});
        BoardBox home{float(item.homeLeft), float(item.homeTop), float(item.homeWidth),
                      float(item.homeHeight)};
        if (layout.homeSizing != BoardLayout::HomeSizing::Stored) home.width = w;
        if (layout.homeSizing == BoardLayout::HomeSizing::LabelSize) home.height = h;
        homes.push_back(home);
    }
    return Board(std::move(targets), std::move(homes), w, h, layout.marking);
}

}  // namespace bt
