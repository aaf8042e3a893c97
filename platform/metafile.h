#pragma once
// Windows metafiles (.wmf), with or without the placeable header, drawn with QPainter.
//
// Size. A picture's own size is in pixels at 96 dpi. With a placeable header it is the header's bounding
// box at the header's units per inch. Without one it is the window (origin and extent) that the file sets
// before it first draws, read as twips (1440 to the inch); a file that sets no window extent before
// drawing is framed by the box around the coordinates it draws at, read as pixels, or as the units of
// the fixed mapping mode it chose (0.1 mm for MM_LOMETRIC and so on). Either way the picture plays as a
// program plays a metafile into a rectangle: it starts in MM_ANISOTROPIC with that frame as its window
// and the picture's own pixels as its viewport, and the file's own mapping records then change that as
// Windows would (a viewport origin or extent set by the file is in pixels of the picture at its own
// size). Nothing is drawn outside the picture's own rectangle.
//
// Drawing follows Windows: a rectangle, ellipse or arc box covers its left and top edges but not its
// right and bottom ones, and its pen runs through the pixels just inside it (PS_INSIDEFRAME keeps a wide
// pen wholly inside); polygons and lines are outlined through the pixels their points name. A pen of
// width 0, or one that maps to a pixel or less, is one pixel wide, and only such pens are dashed. Arcs,
// pies and chords run anticlockwise as seen. Text is drawn upright at the font height mapped to pixels,
// turned by the font's escapement; its bytes are read in the code page of the font's character set
// (Windows-1252 for ANSI and DEFAULT). Bitmaps of 1, 4, 8, 16, 24 and 32 bits are combined by SRCCOPY,
// SRCPAINT, SRCAND, SRCINVERT or NOTSRCCOPY (any other operation copies); blits without a bitmap and
// PATBLT fill by PATCOPY, BLACKNESS, WHITENESS, DSTINVERT or PATINVERT. Not applied: SETROP2, palette
// colours (read as RGB), glyph-index text and clip regions (CREATEREGION).
//
// Limits. A file is refused, with a reason, when it is not a metafile or its structure cannot be trusted: a
// placeable header with a wrong checksum or no units per inch, a header that is not nine words or of an
// unknown type or version, a file shorter than its header says, a record of fewer than three words or
// reaching past the end, a record whose counts (points, polygons, characters) do not fit inside it, a frame
// that is empty, or an own size over 16384 pixels a side or 16 megapixels in all. Within a sound file,
// whatever cannot be drawn is left out and the rest is drawn: records it does not know, objects beyond the
// header's object count, selections and deletions of objects that are not there, zero extents, SAVEDC beyond
// 1024 levels and RESTOREDC past what was saved, clipping rectangles that would break the clip into over 1024
// pieces, and bitmaps that are compressed, palette-indexed, over 16 megapixels, shorter than their size says
// or beyond 64 megapixels in all. Files over 64 MB are not read.
//
// Parsing decodes every record once, bitmaps and text included, so that drawing only plays them back.
// Drawing needs a QGuiApplication (for fonts); parsing does not. Copies share the parsed picture.

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class QPainter;

namespace bt {

namespace wmf {
struct Picture;
}

class Metafile {
  public:
    // The picture in the bytes, or nothing (and the reason in *error) when they are refused.
    static std::optional<Metafile> parse(const QByteArray& bytes, QString* error = nullptr);
    // The picture in a file; nothing when the file cannot be read or is refused.
    static std::optional<Metafile> load(const QString& path, QString* error = nullptr);

    // Own size in pixels at 96 dpi; never empty.
    QSize size() const;
    // Draws the picture at its own size with its top-left corner at `at`, in the painter's coordinates
    // (so the painter's transform scales it). The painter's state is left as it was found.
    void draw(QPainter& painter, QPointF at = {}) const;
    // The picture at its own size on a transparent background (ARGB32, premultiplied).
    QImage toImage() const;

  private:
    explicit Metafile(std::shared_ptr<const wmf::Picture> picture) : d_(std::move(picture)) {}
    std::shared_ptr<const wmf::Picture> d_;
};

}  // namespace bt
