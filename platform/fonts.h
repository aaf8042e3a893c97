#pragma once
// Fonts. The layouts were drawn for Tahoma, MS Sans Serif and Times New Roman; the first two come from the
// fonts-wine package and are registered at start when present, and Times New Roman resolves through
// fontconfig to its metric twin Liberation Serif (fonts-liberation2).

#include <QFont>
#include <QString>
#include <functional>

class QPainter;

namespace bt {

// Registers the Tahoma and MS Sans Serif font files when they are installed. Returns how many were added.
int registerFonts();

// A font of the given family at a point size, set as a pixel size (points x 4 / 3) so that every display
// and the offscreen test platform agree.
QFont screenFont(const QString& family, double points, bool bold = false);

// A font set at a design pixel size, as shown at the display scale: its size scaled, rounded down so that
// text never outgrows the box it was laid out in. MS Sans Serif, a bitmap face with only its design sizes,
// is drawn in Tahoma, its scalable successor, when larger.
QFont shownFont(const QFont& design);

// The packaged bold Tahoma has a bold face's widths but barely more weight than the regular face. Text in
// it is drawn several times side by side across this width (a sixteenth of the font's size, in the
// painter's units), so that it reads as bold at the same widths. 0 for every other font.
double boldOverstrike(const QFont& font);
// Runs draw once, or, for bold Tahoma, once for each copy of the overstruck text with the painter moved
// across the width above.
void drawOverstruck(QPainter& painter, const QFont& font, const std::function<void()>& draw);

// Draws text as QPainter::drawText(rect, flags, text) does, in the painter's font and pen, bold Tahoma
// overstruck. Text larger than the toolkit keeps in its glyph cache (64 pixels), which it would draw from
// the glyphs' outlines on every frame, is drawn once into an image that is kept for the next frames.
void drawScreenText(QPainter& painter, const QRect& rect, int flags, const QString& text);

}  // namespace bt
