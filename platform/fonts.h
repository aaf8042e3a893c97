#pragma once
// Fonts. The layouts were drawn for Tahoma, MS Sans Serif and Times New Roman; the first two come from the
// fonts-wine package and are registered at start when present, and Times New Roman resolves through
// fontconfig to its metric twin Liberation Serif (fonts-liberation2).

#include <QFont>
#include <QString>

namespace bt {

// Registers the Tahoma and MS Sans Serif font files when they are installed. Returns how many were added.
int registerFonts();

// A font of the given family at a point size, set as a pixel size (points x 4 / 3) so that every display
// and the offscreen test platform agree.
QFont screenFont(const QString& family, double points, bool bold = false);

}  // namespace bt
