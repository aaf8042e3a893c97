#pragma once
// The program's colours, as red, green, blue.

#include <QColor>

namespace bt::colours {

inline const QColor kScreen(0, 78, 152);       // every full-size screen's background
inline const QColor kPanel(49, 135, 214);      // a screen's Picture1 panel
inline const QColor kGrey(48, 133, 214);       // the backdrop host behind all screens
inline const QColor kTitle(192, 192, 192);     // the title screen and its push buttons
inline const QColor kYellow(255, 255, 0);      // button and heading text
inline const QColor kNavy(0, 0, 128);          // the lit background of some buttons
inline const QColor kInactive(150, 168, 196);  // the caption of a button that does nothing

}  // namespace bt::colours
