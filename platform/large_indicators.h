#pragma once
// A style for option buttons and tick boxes that children click: the round or square indicator drawn at
// about the height of a capital letter of large text (20 pixels) rather than the toolkit's small default.

class QStyle;

namespace bt {

// One shared style object, owned by the application.
QStyle* largeIndicatorStyle();

}  // namespace bt
