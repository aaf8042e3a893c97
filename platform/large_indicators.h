#pragma once
// Styles that draw the toolkit's own controls (option buttons, tick boxes, scroll bars, push buttons) at
// the display scale, so that they grow with the screens on a large window.

class QStyle;

namespace bt {

// Makes the application's style the toolkit's look with its indicators, spacings, scroll bars and button
// margins at the display scale.
void useShownStyle();

// The same for option buttons and tick boxes that children click: the round or square indicator drawn at
// about the height of a capital letter of large text (20 design pixels) rather than the toolkit's small
// default.
QStyle* largeIndicatorStyle();

}  // namespace bt
