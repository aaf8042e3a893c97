#include "metafile.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QStringDecoder>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <utility>
#include <variant>
#include <vector>

#include "fonts.h"

namespace bt {

namespace wmf {

namespace {

// Record functions.
enum : quint16 {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kCreatePalette = 0x00F7,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kSetStretchBltMode = 0x0107,
    kSetTextCharExtra = 0x0108,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
    kOffsetWindowOrg = 0x020F,
    kOffsetViewportOrg = 0x0211,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kOffsetClipRgn = 0x0220,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kScaleWindowExt = 0x0410,
    kScaleViewportExt = 0x0412,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kSetPixel = 0x041F,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
};

// Mapping modes.
enum {
    kMmText = 1,
    kMmLoMetric,
    kMmHiMetric,
    kMmLoEnglish,
    kMmHiEnglish,
    kMmTwips,
    kMmIsotropic,
    kMmAnisotropic
};

enum { kTransparent = 1, kOpaque = 2 };  // background modes
enum { kAlternate = 1, kWinding = 2 };   // polygon fill modes
enum { kHalftone = 4 };                  // stretch mode that smooths
enum { kPsSolid, kPsDash, kPsDot, kPsDashDot, kPsDashDotDot, kPsNull, kPsInsideFrame };
enum { kBsSolid = 0, kBsNull = 1, kBsHatched = 2 };
enum { kTaUpdateCp = 1, kTaRight = 2, kTaCenter = 6, kTaBottom = 8, kTaBaseline = 24 };
enum { kEtoOpaque = 0x0002, kEtoClipped = 0x0004, kEtoGlyphIndex = 0x0010, kEtoPdy = 0x2000 };

// Raster operations.
constexpr quint32 kSrcCopy = 0x00CC0020;
constexpr quint32 kSrcPaint = 0x00EE0086;
constexpr quint32 kSrcAnd = 0x008800C6;
constexpr quint32 kSrcInvert = 0x00660046;
constexpr quint32 kNotSrcCopy = 0x00330008;
constexpr quint32 kPatCopy = 0x00F00021;
constexpr quint32 kPatInvert = 0x005A0049;
constexpr quint32 kDstInvert = 0x00550009;
constexpr quint32 kBlackness = 0x00000042;
constexpr quint32 kWhiteness = 0x00FF0062;

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableBytes = 22;
constexpr int kHeaderWords = 9;
constexpr qint64 kMaxFileBytes = qint64(64) << 20;
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPicturePixels = qint64(16) << 20;
constexpr qint64 kMaxBitmapPixels = qint64(16) << 20;
constexpr qint64 kMaxAllBitmapPixels = qint64(64) << 20;
constexpr int kMaxSavedStates = 1024;
constexpr int kMaxClipRects = 1024;  // a clip more broken up than this is not made
// Mapped coordinates are kept within this many pixels of the picture: far enough out that nothing drawn
// changes, near enough that the rasteriser works on sane numbers.
constexpr double kCoordinateLimit = double(1 << 22);
constexpr double kMaxPenWidth = double(1 << 16);
constexpr double kThinPen = 1.01;
constexpr int kMaxFontPixels = 4096;
constexpr int kDefaultFontPixels = 16;
constexpr double kPixelsPerInch = 96.0;
constexpr double kTwipsPerInch = 1440.0;

// The kinds of record whose parameters are fixed, and how many words those take.
constexpr std::pair<quint16, int> kFixedWords[] = {
    {kSetBkMode, 1},
    {kSetMapMode, 1},
    {kSetPolyFillMode, 1},
    {kSetStretchBltMode, 1},
    {kSetTextCharExtra, 1},
    {kRestoreDc, 1},
    {kSelectObject, 1},
    {kSetTextAlign, 1},
    {kDeleteObject, 1},
    {kSetBkColor, 2},
    {kSetTextColor, 2},
    {kSetWindowOrg, 2},
    {kSetWindowExt, 2},
    {kSetViewportOrg, 2},
    {kSetViewportExt, 2},
    {kOffsetWindowOrg, 2},
    {kOffsetViewportOrg, 2},
    {kLineTo, 2},
    {kMoveTo, 2},
    {kOffsetClipRgn, 2},
    {kCreatePenIndirect, 5},
    {kCreateFontIndirect, 9},
    {kCreateBrushIndirect, 4},
    {kPolygon, 1},
    {kPolyline, 1},
    {kScaleWindowExt, 4},
    {kScaleViewportExt, 4},
    {kExcludeClipRect, 4},
    {kIntersectClipRect, 4},
    {kEllipse, 4},
    {kRectangle, 4},
    {kSetPixel, 4},
    {kTextOut, 1},
    {kPolyPolygon, 1},
    {kRoundRect, 6},
    {kPatBlt, 6},
    {kArc, 8},
    {kPie, 8},
    {kChord, 8},
    {kDibBitBlt, 8},
    {kExtTextOut, 4},
    {kDibStretchBlt, 10},
    {kStretchDib, 11},
    {kDibCreatePatternBrush, 2},
};

// Units per inch of the fixed mapping modes.
int unitsPerInch(int mode) {
    switch (mode) {
        case kMmLoMetric:
            return 254;
        case kMmHiMetric:
            return 2540;
        case kMmLoEnglish:
            return 100;
        case kMmHiEnglish:
            return 1000;
        case kMmTwips:
            return 1440;
        default:
            return 0;
    }
}

bool isFixedMode(int mode) {
    return unitsPerInch(mode) != 0;
}

bool isScalableMode(int mode) {
    return mode == kMmIsotropic || mode == kMmAnisotropic;
}

// The record's parameters: little-endian words after its six-byte header. Reads outside them give 0.
class Words {
  public:
    Words(const uchar* data, qsizetype count) : p_(data), n_(count) {}
    qsizetype size() const { return n_; }
    quint16 u(qsizetype i) const { return i >= 0 && i < n_ ? qFromLittleEndian<quint16>(p_ + 2 * i) : 0; }
    qint16 s(qsizetype i) const { return qint16(u(i)); }
    quint32 u32(qsizetype i) const { return u(i) | quint32(u(i + 1)) << 16; }
    // A COLORREF: red, green, blue bytes and a flag byte, which is ignored.
    QRgb colour(qsizetype i) const { return qRgb(u(i) & 0xFF, u(i) >> 8, u(i + 1) & 0xFF); }
    const uchar* bytes(qsizetype i) const { return p_ + 2 * std::clamp<qsizetype>(i, 0, n_); }
    qsizetype bytesFrom(qsizetype i) const { return i < n_ ? 2 * (n_ - i) : 0; }

  private:
    const uchar* p_;
    qsizetype n_;
};

// The new depth of the saved-state stack after RESTOREDC(n), or -1 when there is nothing to restore.
int restoredDepth(int depth, int n) {
    const int target = n > 0 ? n - 1 : depth + n;
    return n != 0 && target >= 0 && target < depth ? target : -1;
}

const char* codePage(int charset) {
    switch (charset) {
        case 77:
            return "macintosh";
        case 128:
            return "Shift_JIS";
        case 129:
            return "windows-949";
        case 134:
            return "GBK";
        case 136:
            return "Big5";
        case 161:
            return "windows-1253";
        case 162:
            return "windows-1254";
        case 163:
            return "windows-1258";
        case 177:
            return "windows-1255";
        case 178:
            return "windows-1256";
        case 186:
            return "windows-1257";
        case 204:
            return "windows-1251";
        case 222:
            return "windows-874";
        case 238:
            return "windows-1250";
        case 255:
            return "IBM437";
        default:
            return "windows-1252";
    }
}

constexpr int kSymbolCharset = 2;

}  // namespace

struct PenDef {
    int style = kPsSolid;  // with end cap and join bits
    int width = 0;         // logical units; 0 is one pixel
    QColor colour = Qt::black;
};

struct BrushDef {
    int style = kBsSolid;
    QColor colour = Qt::white;
    int hatch = 0;
    QImage pattern;  // a bitmap brush when not null
};

struct FontDef {
    int height = 0;  // logical units: above 0 the cell height, below 0 the character height
    int width = 0;   // average character width in logical units; 0 is the font's own
    int escapement = 0;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    int pitchAndFamily = 0;
    QString face;
};

using Object = std::variant<std::monostate, PenDef, BrushDef, FontDef>;

// One record to play: its function, its parameters (a run of `ints`) and what it refers to (an object,
// text or bitmap, by index; -1 for none).
struct Op {
    quint16 function;
    quint32 first;
    quint32 count;
    qint32 ref;
};

struct Picture {
    QSize size;
    QPointF frameOrigin;  // the window the picture's pixels show, in logical units
    QPointF frameExtent;
    std::vector<Op> ops;
    std::vector<qint32> ints;
    std::vector<Object> objects;
    std::vector<QString> texts;
    std::vector<QImage> images;
};

namespace {

struct Dib {
    QImage image;   // top row first
    bool bottomUp;  // as stored
};

// Reads a packed device-independent bitmap (header, colour table, pixels). Nothing for what is not drawn:
// compressed or palette-indexed bitmaps, and those that are too large or shorter than they say.

std::optional<Dib> readDib(const uchar* p, qsizetype n, bool paletteIndexed, qint64 pixelBudget) {
    if (n < 12) return std::nullopt;
    const quint32 headerSize = qFromLittleEndian<quint32>(p);
    qint64 width, height;
    int planes, bits, entryBytes;
    quint32 compression = 0, coloursUsed = 0;
    if (headerSize == 12) {
        width = qFromLittleEndian<quint16>(p + 4);
        height = qFromLittleEndian<quint16>(p + 6);
        planes = qFromLittleEndian<quint16>(p + 8);
        bits = qFromLittleEndian<quint16>(p + 10);
        entryBytes = 3;
    } else if (headerSize >= 40 && headerSize <= 124 && qint64(headerSize) <= n) {
        width = qFromLittleEndian<qint32>(p + 4);
        height = qFromLittleEndian<qint32>(p + 8);
        planes = qFromLittleEndian<quint16>(p + 12);
        bits = qFromLittleEndian<quint16>(p + 14);
        compression = qFromLittleEndian<quint32>(p + 16);
        coloursUsed = qFromLittleEndian<quint32>(p + 32);
        entryBytes = 4;
    } else {
        return std::nullopt;
    }
    const bool bottomUp = height > 0;
    height = std::abs(height);
    if (width <= 0 || height <= 0 || planes != 1 || compression != 0) return std::nullopt;
    if (width * height > std::min(kMaxBitmapPixels, pixelBudget)) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
    if (paletteIndexed && bits <= 8) return std::nullopt;

    qint64 entries = coloursUsed;
    if (bits <= 8) {
        if (entries == 0) entries = qint64(1) << bits;
        if (entries > 256) return std::nullopt;
    }
    const qint64 tableAt = headerSize;
    const qint64 pixelsAt = tableAt + entries * entryBytes;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    if (pixelsAt > n || stride * height > n - pixelsAt) return std::nullopt;

    QList<QRgb> table;
    if (bits <= 8) {
        for (qint64 i = 0; i < entries; ++i) {
            const uchar* e = p + tableAt + i * entryBytes;
            table.append(qRgb(e[2], e[1], e[0]));
        }
        // Indexes past the table are drawn black rather than read from outside it.
        while (table.size() < (1 << bits)) table.append(qRgb(0, 0, 0));
    }

    const QImage::Format format = bits == 1    ? QImage::Format_Mono
                                  : bits <= 8  ? QImage::Format_Indexed8
                                  : bits == 16 ? QImage::Format_RGB555
                                  : bits == 24 ? QImage::Format_BGR888
                                               : QImage::Format_RGB32;
    QImage image(int(width), int(height), format);
    if (image.isNull()) return std::nullopt;
    if (bits <= 8) image.setColorTable(table);
    const int w = int(width);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = p + pixelsAt + stride * (bottomUp ? height - 1 - y : y);
        uchar* out = image.scanLine(y);
        switch (bits) {
            case 1:
                std::copy(row, row + (w + 7) / 8, out);
                break;
            case 4:
                for (int x = 0; x < w; ++x) out[x] = x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4;
                break;
            case 8:
                std::copy(row, row + w, out);
                break;
            case 16:
                for (int x = 0; x < w; ++x)
                    qToUnaligned<quint16>(qFromLittleEndian<quint16>(row + 2 * x) & 0x7FFF, out + 2 * x);
                break;
            case 24:
                std::copy(row, row + 3 * w, out);
                break;
            default:
                for (int x = 0; x < w; ++x)
                    qToUnaligned<quint32>(qFromLittleEndian<quint32>(row + 4 * x) | 0xFF000000u, out + 4 * x);
                break;
        }
    }
    return Dib{image, bottomUp};
}

class Parser {
  public:
    explicit Parser(const QByteArray& bytes) : bytes_(bytes) {}

    std::shared_ptr<Picture> run(QString* error) {
        auto picture = std::make_shared<Picture>();
        pic_ = picture.get();
        if (!parse()) {
            if (error) *error = error_;
            return nullptr;
        }
        if (error) error->clear();
        return picture;
    }

  private:
    bool fail(const QString& reason) {
        error_ = reason;
        return false;
    }
    bool failAt(qsizetype offset, const char* what) {
        return fail(QStringLiteral("record at byte %1 %2").arg(offset).arg(QLatin1String(what)));
    }

    bool parse() {
        const auto* data = reinterpret_cast<const uchar*>(bytes_.constData());
        const qsizetype total = bytes_.size();
        qsizetype at = 0;
        bool placeable = false;
        double units = 0;
        if (total >= 4 && qFromLittleEndian<quint32>(data) == kPlaceableKey) {
            if (total < kPlaceableBytes) return fail(QStringLiteral("the placeable header is cut short"));
            quint16 sum = 0;
            for (int i = 0; i < 10; ++i) sum ^= qFromLittleEndian<quint16>(data + 2 * i);
            if (sum != qFromLittleEndian<quint16>(data + 20))
                return fail(QStringLiteral("the placeable header's checksum is wrong"));
            const Words box(data + 6, 5);
            units = box.u(4);
            if (units == 0) return fail(QStringLiteral("the placeable header has no units per inch"));
            pic_->frameOrigin = QPointF(box.s(0), box.s(1));
            pic_->frameExtent = QPointF(box.s(2) - box.s(0), box.s(3) - box.s(1));
            placeable = true;
            at = kPlaceableBytes;
        }

        if (total - at < 2 * kHeaderWords) return fail(QStringLiteral("not a Windows metafile"));
        const Words header(data + at, kHeaderWords);
        const quint16 type = header.u(0), version = header.u(2);
        if ((type != 1 && type != 2) || header.u(1) != kHeaderWords ||
            (version != 0x0100 && version != 0x0300))
            return fail(QStringLiteral("not a Windows metafile"));
        const qint64 sizeWords = header.u32(3);
        if (sizeWords < kHeaderWords) return fail(QStringLiteral("the header's file size is too small"));
        if (2 * sizeWords > total - at)
            return fail(QStringLiteral("the file is shorter than its header says"));
        tableSize_ = header.u(5);
        at += 2 * kHeaderWords;

        while (total - at >= 6) {
            const qint64 words = qFromLittleEndian<quint32>(data + at);
            const quint16 function = qFromLittleEndian<quint16>(data + at + 4);
            if (words < 3) return failAt(at, "is shorter than its own header");
            if (words > (total - at) / 2) return failAt(at, "runs past the end of the file");
            if (function == kEof) break;
            if (!record(function, Words(data + at + 6, words - 3), words, at)) return false;
            at += 2 * words;
        }

        if (!placeable && !frameFromRecords(units)) return false;
        if (pic_->frameExtent.x() == 0 || pic_->frameExtent.y() == 0)
            return fail(QStringLiteral("the picture's frame is empty"));
        const double w = std::abs(pic_->frameExtent.x()) * kPixelsPerInch / units;
        const double h = std::abs(pic_->frameExtent.y()) * kPixelsPerInch / units;
        if (w > kMaxSide || h > kMaxSide || w * h > double(kMaxPicturePixels))
            return fail(
                QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(qRound(w)).arg(qRound(h)));
        pic_->size = QSize(std::max(1, qRound(w)), std::max(1, qRound(h)));
        return true;
    }

    // Without a placeable header: the window set before the first drawing, or the box around what is
    // drawn.
    bool frameFromRecords(double& units) {
        if (windowExtentSet_ && !isFixedMode(modeAtFirstDraw_)) {
            pic_->frameOrigin = windowOrigin_;
            pic_->frameExtent = windowExtent_;
            units = kTwipsPerInch;
            return true;
        }
        if (!anyPoint_)
            return fail(QStringLiteral("the picture has no size: no placeable header, no window"));
        units = isFixedMode(modeAtFirstDraw_) ? unitsPerInch(modeAtFirstDraw_) : kPixelsPerInch;
        if (isFixedMode(modeAtFirstDraw_)) {  // y runs up: the top is the largest y
            pic_->frameOrigin = QPointF(minX_, maxY_);
            pic_->frameExtent = QPointF(maxX_ - minX_, minY_ - maxY_);
        } else {
            pic_->frameOrigin = QPointF(minX_, minY_);
            pic_->frameExtent = QPointF(maxX_ - minX_, maxY_ - minY_);
        }
        return true;
    }

    void add(quint16 function, std::initializer_list<qint32> ints, qint32 ref = -1) {
        pic_->ops.push_back({function, quint32(pic_->ints.size()), quint32(ints.size()), ref});
        pic_->ints.insert(pic_->ints.end(), ints);
    }
    // Starts an op whose parameters are then appended to ints.
    Op& begin(quint16 function, qint32 ref = -1) {
        pic_->ops.push_back({function, quint32(pic_->ints.size()), 0, ref});
        return pic_->ops.back();
    }
    void end(Op& op) { op.count = quint32(pic_->ints.size()) - op.first; }

    void drawsAt(qint64 x, qint64 y) {
        if (!drawn_) {
            drawn_ = true;
            modeAtFirstDraw_ = mode_;
        }
        reaches(x, y);
    }
    void reaches(qint64 x, qint64 y) {
        if (!anyPoint_) {
            minX_ = maxX_ = x;
            minY_ = maxY_ = y;
            anyPoint_ = true;
        }
        minX_ = std::min(minX_, x);
        maxX_ = std::max(maxX_, x);
        minY_ = std::min(minY_, y);
        maxY_ = std::max(maxY_, y);
    }

    void createObject(Object object) {
        int slot;
        if (!free_.empty()) {
            slot = *free_.begin();
            free_.erase(free_.begin());
        } else if (int(slots_.size()) < tableSize_) {
            slot = int(slots_.size());
            slots_.push_back(-1);
        } else {
            return;  // the table is full: the object is never made
        }
        slots_[slot] = int(pic_->objects.size());
        pic_->objects.push_back(std::move(object));
    }

    // The object in a table slot, or -1 when the slot is outside the table or empty.
    int objectAt(int slot) const { return slot >= 0 && slot < int(slots_.size()) ? slots_[slot] : -1; }

    QString decode(const uchar* text, qsizetype length) {
        const FontDef* font = font_ >= 0 ? std::get_if<FontDef>(&pic_->objects[font_]) : nullptr;
        const int charset = font ? font->charset : 0;
        const auto bytes = QByteArrayView(text, length);
        if (charset == kSymbolCharset) return QString::fromLatin1(bytes);
        auto found = decoders_.find(charset);
        if (found == decoders_.end()) {
            QStringDecoder decoder(codePage(charset));
            if (!decoder.isValid()) decoder = QStringDecoder("windows-1252");
            found = decoders_.emplace(charset, std::move(decoder)).first;
        }
        found->second.resetState();
        return found->second.decode(bytes);
    }

    std::optional<Dib> dib(const Words& w, qsizetype from, bool paletteIndexed) {
        std::optional<Dib> dib =
            readDib(w.bytes(from), w.bytesFrom(from), paletteIndexed, kMaxAllBitmapPixels - bitmapPixels_);
        if (dib) bitmapPixels_ += qint64(dib->image.width()) * dib->image.height();
        return dib;
    }

    // Reads one record into the play list; false (with the reason) when the file cannot be trusted.
    bool record(quint16 function, const Words& w, qint64 recordWords, qsizetype offset) {
        // Records with fixed parameters must hold them.
        const auto* fixed = std::find_if(std::begin(kFixedWords), std::end(kFixedWords),
                                         [&](const auto& kind) { return kind.first == function; });
        if (fixed != std::end(kFixedWords) && w.size() < fixed->second)
            return failAt(offset, "is too short for its kind");

        switch (function) {
            case kSetMapMode:
                if (!drawn_ && w.u(0) >= kMmText && w.u(0) <= kMmAnisotropic) mode_ = w.u(0);
                add(function, {w.u(0)});
                break;
            case kSetBkMode:
            case kSetPolyFillMode:
            case kSetStretchBltMode:
            case kSetTextAlign:
                add(function, {w.u(0)});
                break;
            case kSetTextCharExtra:
                add(function, {w.s(0)});
                break;
            case kSetBkColor:
            case kSetTextColor:
                add(function, {qint32(w.colour(0))});
                break;
            case kSetWindowOrg:
                if (!drawn_) windowOrigin_ = QPointF(w.s(1), w.s(0));
                add(function, {w.s(1), w.s(0)});
                break;
            case kSetWindowExt:
                if (!drawn_ && w.s(1) != 0 && w.s(0) != 0) {
                    windowExtent_ = QPointF(w.s(1), w.s(0));
                    windowExtentSet_ = true;
                }
                add(function, {w.s(1), w.s(0)});
                break;
            case kSetViewportOrg:
            case kSetViewportExt:
            case kOffsetWindowOrg:
            case kOffsetViewportOrg:
            case kOffsetClipRgn:
                add(function, {w.s(1), w.s(0)});
                break;
            case kScaleWindowExt:
            case kScaleViewportExt:
                add(function, {w.s(3), w.s(2), w.s(1), w.s(0)});
                break;
            case kMoveTo:
                reaches(w.s(1), w.s(0));
                add(function, {w.s(1), w.s(0)});
                break;
            case kLineTo:
                drawsAt(w.s(1), w.s(0));
                add(function, {w.s(1), w.s(0)});
                break;

            case kSaveDc:
                if (int(fontStack_.size()) < kMaxSavedStates) fontStack_.push_back(font_);
                add(function, {});
                break;
            case kRestoreDc: {
                const int depth = restoredDepth(int(fontStack_.size()), w.s(0));
                if (depth >= 0) {
                    font_ = fontStack_[depth];
                    fontStack_.resize(depth);
                }
                add(function, {w.s(0)});
                break;
            }

            case kCreatePenIndirect: {
                PenDef pen;
                pen.style = w.u(0);
                pen.width = w.s(1);
                pen.colour = QColor(w.colour(3));
                createObject(pen);
                break;
            }
            case kCreateBrushIndirect: {
                BrushDef brush;
                brush.style = w.u(0);
                brush.colour = QColor(w.colour(1));
                brush.hatch = w.u(3);
                createObject(brush);
                break;
            }
            case kDibCreatePatternBrush: {
                std::optional<Dib> bitmap = dib(w, 2, w.u(1) == 1);
                if (bitmap) {
                    BrushDef brush;
                    brush.pattern = bitmap->image.convertToFormat(QImage::Format_RGB32);
                    createObject(brush);
                } else {
                    createObject(std::monostate());
                }
                break;
            }
            case kCreateFontIndirect: {
                FontDef font;
                font.height = w.s(0);
                font.width = w.s(1);
                font.escapement = w.s(2);
                font.weight = w.s(4);
                const uchar* b = w.bytes(5);
                font.italic = b[0];
                font.underline = b[1];
                font.strikeOut = b[2];
                font.charset = b[3];
                font.pitchAndFamily = b[7];
                const qsizetype faceBytes = std::min<qsizetype>(32, w.bytesFrom(9));
                const uchar* face = w.bytes(9);
                const qsizetype length = std::find(face, face + faceBytes, 0) - face;
                font.face = QString::fromLatin1(reinterpret_cast<const char*>(face), length).trimmed();
                createObject(font);
                break;
            }
            case kCreatePalette:
            case kCreatePatternBrush:
            case kCreateRegion:
                createObject(std::monostate());
                break;

            case kSelectObject: {
                const int object = objectAt(w.u(0));
                if (object < 0) break;
                if (std::holds_alternative<FontDef>(pic_->objects[object])) font_ = object;
                add(function, {}, object);
                break;
            }
            case kDeleteObject: {
                const int slot = w.u(0);
                if (objectAt(slot) < 0) break;
                slots_[slot] = -1;
                free_.insert(slot);
                break;
            }

            case kRectangle:
            case kEllipse:
            case kIntersectClipRect:
            case kExcludeClipRect:
                if (function == kRectangle || function == kEllipse) {
                    drawsAt(w.s(3), w.s(2));
                    drawsAt(w.s(1), w.s(0));
                }
                add(function, {w.s(3), w.s(2), w.s(1), w.s(0)});
                break;
            case kRoundRect:
                drawsAt(w.s(5), w.s(4));
                drawsAt(w.s(3), w.s(2));
                add(function, {w.s(5), w.s(4), w.s(3), w.s(2), w.s(1), w.s(0)});
                break;
            case kArc:
            case kPie:
            case kChord:
                drawsAt(w.s(7), w.s(6));
                drawsAt(w.s(5), w.s(4));
                add(function, {w.s(7), w.s(6), w.s(5), w.s(4), w.s(3), w.s(2), w.s(1), w.s(0)});
                break;
            case kSetPixel:
                drawsAt(w.s(3), w.s(2));
                add(function, {w.s(3), w.s(2), qint32(w.colour(0))});
                break;
            case kPatBlt:
                drawsAt(w.s(5), w.s(4));
                drawsAt(qint64(w.s(5)) + w.s(3), qint64(w.s(4)) + w.s(2));
                add(function, {w.s(5), w.s(4), w.s(3), w.s(2), qint32(w.u32(0))});
                break;

            case kPolygon:
            case kPolyline: {
                const int points = w.s(0);
                if (points < 0 || 1 + 2 * qint64(points) > w.size())
                    return failAt(offset, "holds fewer points than it says");
                Op& op = begin(function);
                for (int i = 0; i < points; ++i) {
                    drawsAt(w.s(1 + 2 * i), w.s(2 + 2 * i));
                    pic_->ints.push_back(w.s(1 + 2 * i));
                    pic_->ints.push_back(w.s(2 + 2 * i));
                }
                end(op);
                break;
            }
            case kPolyPolygon: {
                const int polygons = w.u(0);
                if (1 + qint64(polygons) > w.size())
                    return failAt(offset, "holds fewer polygons than it says");
                qint64 points = 0;
                for (int i = 0; i < polygons; ++i) points += w.u(1 + i);
                if (1 + polygons + 2 * points > w.size())
                    return failAt(offset, "holds fewer points than it says");
                Op& op = begin(function);
                pic_->ints.push_back(polygons);
                for (int i = 0; i < polygons; ++i) pic_->ints.push_back(w.u(1 + i));
                for (qint64 i = 0; i < points; ++i) {
                    const qsizetype at = 1 + polygons + 2 * i;
                    drawsAt(w.s(at), w.s(at + 1));
                    pic_->ints.push_back(w.s(at));
                    pic_->ints.push_back(w.s(at + 1));
                }
                end(op);
                break;
            }

            case kTextOut: {
                const int length = w.s(0);
                const qint64 stringWords = (qint64(length) + 1) / 2;
                if (length < 0 || 1 + stringWords + 2 > w.size())
                    return failAt(offset, "holds fewer characters than it says");
                const qint32 y = w.s(1 + stringWords), x = w.s(2 + stringWords);
                drawsAt(x, y);
                pic_->texts.push_back(decode(w.bytes(1), length));
                add(function, {x, y, 0, 0, 0, 0, 0}, qint32(pic_->texts.size() - 1));
                break;
            }
            case kExtTextOut: {
                const qint32 y = w.s(0), x = w.s(1);
                const int length = w.s(2), options = w.u(3);
                const bool hasRect = options & (kEtoOpaque | kEtoClipped);
                const qsizetype stringAt = hasRect ? 8 : 4;
                const qint64 stringWords = (qint64(length) + 1) / 2;
                if (length < 0 || stringAt + stringWords > w.size())
                    return failAt(offset, "holds fewer characters than it says");
                drawsAt(x, y);
                pic_->texts.push_back(decode(w.bytes(stringAt), length));
                Op& op = begin(function, qint32(pic_->texts.size() - 1));
                pic_->ints.insert(pic_->ints.end(), {x, y, options});
                if (hasRect)
                    pic_->ints.insert(pic_->ints.end(), {w.s(4), w.s(5), w.s(6), w.s(7)});
                else
                    pic_->ints.insert(pic_->ints.end(), {0, 0, 0, 0});
                // Character widths follow when the record has room for them (pairs with ETO_PDY).
                const qsizetype dxAt = stringAt + stringWords;
                const int step = options & kEtoPdy ? 2 : 1;
                if (length > 0 && w.size() - dxAt >= qint64(length) * step)
                    for (int i = 0; i < length; ++i) pic_->ints.push_back(w.s(dxAt + i * step));
                end(op);
                break;
            }

            case kDibBitBlt:
            case kDibStretchBlt:
            case kStretchDib: {
                // Without a bitmap the record is one word longer than its parameters and holds a reserved
                // word before the destination's size.
                const bool bare = function != kStretchDib && recordWords == (function >> 8) + 3;
                const quint32 rop = w.u32(0);
                // Where the source's corner (y, x, after its height and width) and the destination (height,
                // width, y, x) start.
                qsizetype source, dest, bitmapAt;
                bool paletteIndexed = false;
                if (function == kDibBitBlt) {
                    source = 2;
                    dest = bare ? 5 : 4;
                    bitmapAt = 8;
                } else if (function == kDibStretchBlt) {
                    source = 4;
                    dest = bare ? 7 : 6;
                    bitmapAt = 10;
                } else {
                    paletteIndexed = w.u(2) == 1;
                    source = 5;
                    dest = 7;
                    bitmapAt = 11;
                }
                const qint32 yd = w.s(dest + 2), xd = w.s(dest + 3);
                const qint32 hd = w.s(dest), wd = w.s(dest + 1);
                qint32 ys = w.s(source), xs = w.s(source + 1);
                // DIBBITBLT copies at one to one; the others give the source's size before its corner.
                const qint32 hs = function == kDibBitBlt ? hd : w.s(source - 2);
                const qint32 ws = function == kDibBitBlt ? wd : w.s(source - 1);
                drawsAt(xd, yd);
                drawsAt(qint64(xd) + wd, qint64(yd) + hd);
                qint32 image = -1;
                if (!bare) {
                    std::optional<Dib> bitmap = dib(w, bitmapAt, paletteIndexed);
                    if (!bitmap) break;  // not drawable: skipped
                    // Source rows of a bottom-up bitmap count from its bottom.
                    if (bitmap->bottomUp) ys = bitmap->image.height() - ys - hs;
                    pic_->images.push_back(std::move(bitmap->image));
                    image = qint32(pic_->images.size() - 1);
                }
                add(kStretchDib, {qint32(rop), xs, ys, ws, hs, xd, yd, wd, hd}, image);
                break;
            }

            default:
                break;  // not drawn
        }
        return true;
    }

    const QByteArray& bytes_;
    Picture* pic_ = nullptr;
    QString error_;

    int tableSize_ = 0;
    std::vector<int> slots_;  // object table: index into objects, -1 when free
    std::set<int> free_;      // free slots below slots_.size()

    int font_ = -1;  // the selected font, for the code page of text
    std::vector<int> fontStack_;
    std::map<int, QStringDecoder> decoders_;
    qint64 bitmapPixels_ = 0;

    // What frames a picture without a placeable header.
    bool drawn_ = false;
    int mode_ = kMmText;
    int modeAtFirstDraw_ = kMmText;
    bool windowExtentSet_ = false;
    QPointF windowOrigin_;
    QPointF windowExtent_;
    bool anyPoint_ = false;
    qint64 minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
};

// Logical to device (picture pixel) coordinates, as Windows maps them.
struct Mapping {
    int mode = kMmAnisotropic;
    double wox = 0, woy = 0, wex = 1, wey = 1;
    double vox = 0, voy = 0, vex = 1, vey = 1;

    QPointF scale() const {
        double x = vex / wex, y = vey / wey;
        if (mode == kMmIsotropic) {
            const double m = std::min(std::abs(x), std::abs(y));
            x = std::copysign(m, x);
            y = std::copysign(m, y);
        }
        return {x, y};
    }
    QPointF map(double x, double y) const {
        const QPointF s = scale();
        return {std::clamp((x - wox) * s.x() + vox, -kCoordinateLimit, kCoordinateLimit),
                std::clamp((y - woy) * s.y() + voy, -kCoordinateLimit, kCoordinateLimit)};
    }

    void setMode(int m) {
        if (m < kMmText || m > kMmAnisotropic || m == mode) return;
        if (!isScalableMode(m)) {
            const int units = m == kMmText ? 1 : unitsPerInch(m);
            const double pixels = m == kMmText ? 1 : kPixelsPerInch;
            wex = wey = units;
            vex = pixels;
            vey = m == kMmText ? pixels : -pixels;
        }
        mode = m;
    }
    // Extents change only in the scalable modes, and never to zero; scaling truncates, as Windows does.
    void setExtent(double& ex, double& ey, double x, double y) const {
        if (!isScalableMode(mode) || !sane(x) || !sane(y)) return;
        ex = x;
        ey = y;
    }
    void scaleExtent(double& ex, double& ey, double xNum, double xDen, double yNum, double yDen) const {
        if (xDen == 0 || yDen == 0) return;
        setExtent(ex, ey, std::trunc(ex * xNum / xDen), std::trunc(ey * yNum / yDen));
    }
    static bool sane(double v) { return v != 0 && std::abs(v) <= 1e9; }
    static void offset(double& v, double by) { v = std::clamp(v + by, -1e9, 1e9); }
};

// Plays the parsed records onto a painter whose origin is the picture's top-left pixel.
class Player {
  public:
    Player(const Picture& pic, QPainter& painter) : pic_(pic), p_(painter) {
        state_.map.wox = pic.frameOrigin.x();
        state_.map.woy = pic.frameOrigin.y();
        state_.map.wex = pic.frameExtent.x();
        state_.map.wey = pic.frameExtent.y();
        state_.map.vex = pic.size.width();
        state_.map.vey = pic.size.height();
    }

    void run() {
        p_.save();  // the picture's base: its own clip, which the file's clip narrows
        for (const Op& op : pic_.ops) play(op);
        p_.restore();
    }

  private:
    struct State {
        Mapping map;
        PenDef pen;
        BrushDef brush;
        int font = -1;
        QColor textColour = Qt::black;
        QColor bkColour = Qt::white;
        int bkMode = kOpaque;
        int textAlign = 0;
        int fillMode = kAlternate;
        int stretchMode = 1;
        int charExtra = 0;
        QPointF position;  // current position, logical
        std::optional<QRegion> clip;
    };

    qint32 at(const Op& op, quint32 i) const { return i < op.count ? pic_.ints[op.first + i] : 0; }
    QPointF map(double x, double y) const { return state_.map.map(x, y); }
    QRectF mapRect(double l, double t, double r, double b) const {
        return QRectF(map(l, t), map(r, b)).normalized();
    }

    void play(const Op& op) {
        switch (op.function) {
            case kLineTo:
            case kPolyline:
            case kPolygon:
            case kPolyPolygon:
            case kRectangle:
            case kEllipse:
            case kRoundRect:
            case kArc:
            case kPie:
            case kChord:
            case kSetPixel:
            case kPatBlt:
            case kStretchDib:
            case kTextOut:
            case kExtTextOut:
                applyClip();
                break;
            default:
                break;
        }
        Mapping& m = state_.map;
        switch (op.function) {
            case kSetMapMode:
                m.setMode(at(op, 0));
                break;
            case kSetWindowOrg:
                m.wox = at(op, 0);
                m.woy = at(op, 1);
                break;
            case kSetWindowExt:
                m.setExtent(m.wex, m.wey, at(op, 0), at(op, 1));
                break;
            case kSetViewportOrg:
                m.vox = at(op, 0);
                m.voy = at(op, 1);
                break;
            case kSetViewportExt:
                m.setExtent(m.vex, m.vey, at(op, 0), at(op, 1));
                break;
            case kOffsetWindowOrg:
                Mapping::offset(m.wox, at(op, 0));
                Mapping::offset(m.woy, at(op, 1));
                break;
            case kOffsetViewportOrg:
                Mapping::offset(m.vox, at(op, 0));
                Mapping::offset(m.voy, at(op, 1));
                break;
            case kScaleWindowExt:
                m.scaleExtent(m.wex, m.wey, at(op, 0), at(op, 1), at(op, 2), at(op, 3));
                break;
            case kScaleViewportExt:
                m.scaleExtent(m.vex, m.vey, at(op, 0), at(op, 1), at(op, 2), at(op, 3));
                break;
            case kSetBkMode:
                state_.bkMode = at(op, 0);
                break;
            case kSetPolyFillMode:
                state_.fillMode = at(op, 0);
                break;
            case kSetStretchBltMode:
                state_.stretchMode = at(op, 0);
                break;
            case kSetTextAlign:
                state_.textAlign = at(op, 0);
                break;
            case kSetTextCharExtra:
                state_.charExtra = at(op, 0);
                break;
            case kSetBkColor:
                state_.bkColour = QColor(QRgb(at(op, 0)));
                break;
            case kSetTextColor:
                state_.textColour = QColor(QRgb(at(op, 0)));
                break;
            case kSaveDc:
                if (int(saved_.size()) < kMaxSavedStates) saved_.push_back(state_);
                break;
            case kRestoreDc: {
                const int depth = restoredDepth(int(saved_.size()), at(op, 0));
                if (depth < 0) break;
                const bool clipChanged = saved_[depth].clip != state_.clip;
                state_ = saved_[depth];
                saved_.resize(depth);
                if (clipChanged) clipDirty_ = true;
                break;
            }
            case kSelectObject:
                select(pic_.objects[op.ref]);
                break;
            case kIntersectClipRect:
            case kExcludeClipRect:
                clipRect(op);
                break;
            case kOffsetClipRgn:
                if (state_.clip) {
                    const QPointF by = m.map(at(op, 0), at(op, 1)) - m.map(0, 0);
                    const QRect bounds = state_.clip->boundingRect().translated(by.toPoint());
                    // A region moved out of all reach clips everything.
                    const bool reachable =
                        std::max({std::abs(bounds.left()), std::abs(bounds.right()), std::abs(bounds.top()),
                                  std::abs(bounds.bottom())}) < kCoordinateLimit;
                    state_.clip = reachable ? state_.clip->translated(by.toPoint()) : QRegion();
                    clipDirty_ = true;
                }
                break;
            case kMoveTo:
                state_.position = QPointF(at(op, 0), at(op, 1));
                break;
            case kLineTo: {
                const QPointF to(at(op, 0), at(op, 1));
                QPainterPath path(centre(map(state_.position.x(), state_.position.y())));
                path.lineTo(centre(map(to.x(), to.y())));
                stroke(path);
                state_.position = to;
                break;
            }
            case kPolyline:
            case kPolygon:
                polygon(op);
                break;
            case kPolyPolygon:
                polyPolygon(op);
                break;
            case kRectangle:
            case kEllipse:
            case kRoundRect:
            case kArc:
            case kPie:
            case kChord:
                boxShape(op);
                break;
            case kSetPixel: {
                const QPointF p = map(at(op, 0), at(op, 1));
                p_.fillRect(QRectF(p, QSizeF(1, 1)), QColor(QRgb(at(op, 2))));
                break;
            }
            case kPatBlt: {
                const QRectF r = mapRect(at(op, 0), at(op, 1), double(at(op, 0)) + at(op, 2),
                                         double(at(op, 1)) + at(op, 3));
                patternFill(r, quint32(at(op, 4)));
                break;
            }
            case kStretchDib:
                bitmap(op);
                break;
            case kTextOut:
            case kExtTextOut:
                text(op);
                break;
            default:
                break;
        }
    }

    void select(const Object& object) {
        if (const auto* pen = std::get_if<PenDef>(&object)) state_.pen = *pen;
        if (const auto* brush = std::get_if<BrushDef>(&object)) state_.brush = *brush;
        if (std::holds_alternative<FontDef>(object)) state_.font = int(&object - pic_.objects.data());
    }

    // --- Clipping

    void clipRect(const Op& op) {
        const QRectF r = mapRect(at(op, 0), at(op, 1), at(op, 2), at(op, 3));
        const QRect pixels(QPoint(qRound(r.left()), qRound(r.top())),
                           QPoint(qRound(r.right()) - 1, qRound(r.bottom()) - 1));
        const QRegion frame(QRect(QPoint(0, 0), pic_.size));
        const QRegion current = state_.clip ? *state_.clip : frame;
        const QRegion clip =
            op.function == kIntersectClipRect ? current.intersected(pixels) : current.subtracted(pixels);
        if (clip.rectCount() > kMaxClipRects) return;
        state_.clip = clip;
        clipDirty_ = true;
    }

    // Gives the painter the file's clip, once something is to be drawn under it.
    void applyClip() {
        if (!clipDirty_) return;
        clipDirty_ = false;
        p_.restore();
        p_.save();
        if (state_.clip) p_.setClipRegion(*state_.clip, Qt::IntersectClip);
    }

    // --- Pens and brushes

    double penWidth() const {
        if (state_.pen.width == 0) return 1;
        return std::clamp(std::abs(state_.pen.width * state_.map.scale().x()), 1.0, kMaxPenWidth);
    }
    bool penVisible() const { return (state_.pen.style & 0x0F) != kPsNull; }
    bool insideFrame() const { return (state_.pen.style & 0x0F) == kPsInsideFrame; }

    QPen pen(bool background) const {
        const double width = penWidth();
        const int style = state_.pen.style & 0x0F;
        const bool thin = width <= 1.0;
        // Qt strokes pens of one pixel with its hairline stroker, which leaves the corners of outlines a
        // quarter short; a hair more goes through the full stroker and joins them.
        QPen pen(background ? state_.bkColour : state_.pen.colour, thin ? kThinPen : width);
        if (thin) {
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::MiterJoin);
        } else {
            const int cap = state_.pen.style & 0x0F00, join = state_.pen.style & 0xF000;
            pen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
            pen.setJoinStyle(join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
        }
        if (thin && !background) {
            switch (style) {
                case kPsDash:
                    pen.setDashPattern({18, 6});
                    break;
                case kPsDot:
                    pen.setDashPattern({3, 3});
                    break;
                case kPsDashDot:
                    pen.setDashPattern({9, 6, 3, 6});
                    break;
                case kPsDashDotDot:
                    pen.setDashPattern({9, 3, 3, 3, 3, 3});
                    break;
                default:
                    break;
            }
        }
        return pen;
    }
    bool dashed() const {
        const int style = state_.pen.style & 0x0F;
        return penWidth() <= 1.0 && style >= kPsDash && style <= kPsDashDotDot;
    }

    void stroke(const QPainterPath& path) {
        if (!penVisible()) return;
        if (dashed() && state_.bkMode == kOpaque) p_.strokePath(path, pen(true));
        p_.strokePath(path, pen(false));
    }

    void fill(const QPainterPath& path) {
        const BrushDef& b = state_.brush;
        if (b.style == kBsNull) return;
        if (!b.pattern.isNull()) {
            p_.fillPath(path, QBrush(b.pattern));
        } else if (b.style == kBsHatched) {
            static const Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                      Qt::FDiagPattern, Qt::BDiagPattern,
                                                      Qt::CrossPattern, Qt::DiagCrossPattern};
            if (state_.bkMode == kOpaque) p_.fillPath(path, state_.bkColour);
            p_.fillPath(path, QBrush(b.colour, kHatches[b.hatch < 6 ? b.hatch : 0]));
        } else {
            p_.fillPath(path, b.colour);
        }
    }

    // A device point's pixel centre, where lines run.
    static QPointF centre(QPointF p) { return p + QPointF(0.5, 0.5); }

    // --- Shapes

    Qt::FillRule fillRule() const { return state_.fillMode == kWinding ? Qt::WindingFill : Qt::OddEvenFill; }

    void polygon(const Op& op) {
        const quint32 points = op.count / 2;
        if (points == 0) return;
        QPainterPath area, outline;
        for (quint32 i = 0; i < points; ++i) {
            const QPointF p = map(at(op, 2 * i), at(op, 2 * i + 1));
            if (i == 0) {
                area.moveTo(p);
                outline.moveTo(centre(p));
            } else {
                area.lineTo(p);
                outline.lineTo(centre(p));
            }
        }
        if (op.function == kPolygon) {
            area.closeSubpath();
            outline.closeSubpath();
            area.setFillRule(fillRule());
            fill(area);
        }
        stroke(outline);
    }

    void polyPolygon(const Op& op) {
        const quint32 polygons = quint32(at(op, 0));
        QPainterPath area, outline;
        area.setFillRule(fillRule());
        quint32 next = 1 + polygons;
        for (quint32 k = 0; k < polygons; ++k) {
            const quint32 points = quint32(at(op, 1 + k));
            for (quint32 i = 0; i < points; ++i, next += 2) {
                const QPointF p = map(at(op, next), at(op, next + 1));
                if (i == 0) {
                    area.moveTo(p);
                    outline.moveTo(centre(p));
                } else {
                    area.lineTo(p);
                    outline.lineTo(centre(p));
                }
            }
            if (points > 0) {
                area.closeSubpath();
                outline.closeSubpath();
            }
        }
        fill(area);
        stroke(outline);
    }

    // The parametric angle, in degrees, of the point where the line from the box's centre towards p
    // meets the ellipse in the box.
    static double angleTowards(const QRectF& box, QPointF p) {
        const QPointF c = box.center();
        return std::atan2(-(p.y() - c.y()) / box.height(), (p.x() - c.x()) / box.width()) * 180.0 /
               std::numbers::pi;
    }

    void boxShape(const Op& op) {
        const QRectF box = mapRect(at(op, 0), at(op, 1), at(op, 2), at(op, 3));
        if (box.width() <= 0 || box.height() <= 0) return;
        // The pen runs through the pixel centres just inside the box, or wholly inside it for
        // PS_INSIDEFRAME; the fill covers the box.
        const double inset = insideFrame() ? penWidth() / 2 : 0.5;
        QRectF line = box.adjusted(inset, inset, -inset, -inset);
        if (line.width() < 0 || line.height() < 0) line = QRectF(box.center(), QSizeF(0, 0));
        QPainterPath area, outline;
        switch (op.function) {
            case kRectangle:
                area.addRect(box);
                outline.addRect(line);
                break;
            case kEllipse:
                area.addEllipse(box);
                outline.addEllipse(line);
                break;
            case kRoundRect: {
                const QPointF s = state_.map.scale();
                const double rx = std::abs(at(op, 4) * s.x()) / 2, ry = std::abs(at(op, 5) * s.y()) / 2;
                area.addRoundedRect(box, rx, ry);
                outline.addRoundedRect(line, rx, ry);
                break;
            }
            default: {  // arc, pie, chord: anticlockwise from the start radial to the end radial
                const double start = angleTowards(box, map(at(op, 4), at(op, 5)));
                const double end = angleTowards(box, map(at(op, 6), at(op, 7)));
                double sweep = end - start;
                while (sweep <= 1e-9) sweep += 360;
                if (sweep > 360) sweep = 360;
                if (op.function == kArc) {
                    outline.arcMoveTo(line, start);
                    outline.arcTo(line, start, sweep);
                    stroke(outline);
                    return;
                }
                if (op.function == kPie) {
                    area.moveTo(box.center());
                    area.arcTo(box, start, sweep);
                    outline.moveTo(line.center());
                    outline.arcTo(line, start, sweep);
                } else {
                    area.arcMoveTo(box, start);
                    area.arcTo(box, start, sweep);
                    outline.arcMoveTo(line, start);
                    outline.arcTo(line, start, sweep);
                }
                area.closeSubpath();
                outline.closeSubpath();
                break;
            }
        }
        fill(area);
        stroke(outline);
    }

    // --- Bitmaps

    // A raster operation without a source: the brush, black, white or the inverse of what is there.
    void patternFill(const QRectF& r, quint32 rop) {
        if (r.isEmpty()) return;
        QPainterPath path;
        path.addRect(r);
        switch (rop) {
            case kPatCopy:
                fill(path);
                break;
            case kBlackness:
                p_.fillRect(r, Qt::black);
                break;
            case kWhiteness:
                p_.fillRect(r, Qt::white);
                break;
            case kDstInvert:
            case kPatInvert:
                p_.save();
                p_.setCompositionMode(rop == kDstInvert ? QPainter::RasterOp_NotDestination
                                                        : QPainter::RasterOp_SourceXorDestination);
                if (rop == kDstInvert)
                    p_.fillRect(r, Qt::white);
                else
                    fill(path);
                p_.restore();
                break;
            default:
                break;
        }
    }

    void bitmap(const Op& op) {
        const quint32 rop = quint32(at(op, 0));
        const double xd = at(op, 5), yd = at(op, 6), wd = at(op, 7), hd = at(op, 8);
        QPointF p0 = map(xd, yd), p1 = map(xd + wd, yd + hd);
        if (op.ref < 0) {
            patternFill(QRectF(p0, p1).normalized(), rop);
            return;
        }
        const QImage& image = pic_.images[op.ref];
        double xs = at(op, 1), ys = at(op, 2), ws = at(op, 3), hs = at(op, 4);
        if (ws == 0 || hs == 0) return;
        // A source run backwards mirrors the picture.
        if (ws < 0) {
            xs += ws;
            ws = -ws;
            std::swap(p0.rx(), p1.rx());
        }
        if (hs < 0) {
            ys += hs;
            hs = -hs;
            std::swap(p0.ry(), p1.ry());
        }
        const QRectF source(xs, ys, ws, hs);
        const QRectF shown = source.intersected(QRectF(image.rect()));
        if (shown.isEmpty() || p0.x() == p1.x() || p0.y() == p1.y()) return;

        QPainter::CompositionMode mode;
        switch (rop) {
            case kSrcCopy:
                mode = QPainter::CompositionMode_SourceOver;
                break;
            case kSrcPaint:
                mode = QPainter::RasterOp_SourceOrDestination;
                break;
            case kSrcAnd:
                mode = QPainter::RasterOp_SourceAndDestination;
                break;
            case kSrcInvert:
                mode = QPainter::RasterOp_SourceXorDestination;
                break;
            case kNotSrcCopy:
                mode = QPainter::RasterOp_NotSource;
                break;
            default:
                mode = QPainter::CompositionMode_SourceOver;
                break;
        }
        p_.save();
        p_.setCompositionMode(mode);
        p_.setRenderHint(QPainter::SmoothPixmapTransform, state_.stretchMode == kHalftone);
        QTransform t;
        t.translate(p0.x(), p0.y());
        t.scale((p1.x() - p0.x()) / ws, (p1.y() - p0.y()) / hs);
        t.translate(-xs, -ys);
        p_.setTransform(t, true);
        p_.drawImage(shown.topLeft(), image, shown);
        p_.restore();
    }

    // --- Text

    struct RealisedFont {
        int index = -2;
        QPointF scale;
        int charExtra = 0;
        QFont font;
        double ascent = 0, descent = 0;
    };

    // The selected font at the current mapping, remade only when one of them changes.
    const RealisedFont& realisedFont() {
        const QPointF s = state_.map.scale();
        if (font_.index == state_.font && font_.scale == s && font_.charExtra == state_.charExtra)
            return font_;
        font_.index = state_.font;
        font_.scale = s;
        font_.charExtra = state_.charExtra;
        static const FontDef kDefault;
        const FontDef& def = state_.font >= 0 ? std::get<FontDef>(pic_.objects[state_.font]) : kDefault;

        QFont font(def.face.isEmpty() ? QStringLiteral("Arial") : def.face);
        switch (def.pitchAndFamily & 0xF0) {
            case 0x10:
                font.setStyleHint(QFont::Serif);
                break;
            case 0x20:
                font.setStyleHint(QFont::SansSerif);
                break;
            case 0x30:
                font.setStyleHint(QFont::TypeWriter);
                break;
            case 0x40:
                font.setStyleHint(QFont::Cursive);
                break;
            case 0x50:
                font.setStyleHint(QFont::Decorative);
                break;
            default:
                break;
        }
        if ((def.pitchAndFamily & 3) == 1) font.setFixedPitch(true);
        font.setWeight(QFont::Weight(def.weight <= 0 ? 400 : std::clamp(def.weight, 1, 1000)));
        font.setItalic(def.italic);
        font.setUnderline(def.underline);
        font.setStrikeOut(def.strikeOut);
        font.setKerning(false);

        double pixels = kDefaultFontPixels;
        if (def.height != 0) {
            pixels = std::abs(def.height * s.y());
            if (def.height > 0) {  // the cell height: ascent and descent together
                QFont probe(font);
                probe.setPixelSize(100);
                const QFontMetricsF m(probe, p_.device());
                if (m.ascent() + m.descent() > 0) pixels *= 100 / (m.ascent() + m.descent());
            }
        }
        font.setPixelSize(std::clamp(qRound(pixels), 1, kMaxFontPixels));
        if (def.width != 0) {
            const double wanted = std::abs(def.width * s.x());
            const double natural = QFontMetricsF(font, p_.device()).averageCharWidth();
            if (natural > 0) font.setStretch(std::clamp(qRound(100 * wanted / natural), 1, 4000));
        }
        if (state_.charExtra != 0)
            font.setLetterSpacing(QFont::AbsoluteSpacing,
                                  std::clamp(state_.charExtra * std::abs(s.x()), -1000.0, 1000.0));
        const QFontMetricsF metrics(font, p_.device());
        font_.font = font;
        font_.ascent = metrics.ascent();
        font_.descent = metrics.descent();
        return font_;
    }

    void text(const Op& op) {
        const QString& text = pic_.texts[op.ref];
        const int options = at(op, 2);
        const bool updateCp = state_.textAlign & kTaUpdateCp;
        const QPointF logical = updateCp ? state_.position : QPointF(at(op, 0), at(op, 1));
        const QPointF origin = map(logical.x(), logical.y());
        const QRectF box = mapRect(at(op, 3), at(op, 4), at(op, 5), at(op, 6));

        p_.save();
        if (options & kEtoOpaque) p_.fillRect(box, state_.bkColour);
        if (options & kEtoClipped) p_.setClipRect(box, Qt::IntersectClip);

        const RealisedFont& f = realisedFont();
        const double xScale = std::abs(state_.map.scale().x());
        // Where each character starts, from the record's widths when it has one for every character.
        const quint32 dxCount = op.count > 7 ? op.count - 7 : 0;
        std::vector<double> starts;
        double width;
        if (dxCount > 0 && dxCount == quint32(text.size())) {
            starts.resize(text.size());
            double x = 0;
            for (qsizetype i = 0; i < text.size(); ++i) {
                starts[i] = x;
                x += at(op, 7 + quint32(i)) * xScale;
            }
            width = x;
        } else {
            width = QFontMetricsF(f.font, p_.device()).horizontalAdvance(text);
        }

        const int horizontal = state_.textAlign & kTaCenter, vertical = state_.textAlign & kTaBaseline;
        const double left = horizontal == kTaCenter ? -width / 2 : horizontal == kTaRight ? -width : 0;
        const double baseline = vertical == kTaBaseline ? 0 : vertical == kTaBottom ? -f.descent : f.ascent;

        const FontDef* def = state_.font >= 0 ? std::get_if<FontDef>(&pic_.objects[state_.font]) : nullptr;
        const double angle = def ? def->escapement / 10.0 : 0;
        p_.translate(origin);
        p_.rotate(-angle);
        if (state_.bkMode == kOpaque)
            p_.fillRect(QRectF(left, baseline - f.ascent, width, f.ascent + f.descent), state_.bkColour);
        if (!(options & kEtoGlyphIndex)) {
            p_.setFont(f.font);
            p_.setPen(state_.textColour);
            drawOverstruck(p_, f.font, [&] {
                if (starts.empty()) {
                    p_.drawText(QPointF(left, baseline), text);
                } else {
                    for (qsizetype i = 0; i < text.size(); ++i)
                        p_.drawText(QPointF(left + starts[i], baseline), QString(text[i]));
                }
            });
        }
        p_.restore();

        if (updateCp) {
            // The current position moves past the text, along its direction.
            const double advance = horizontal == kTaCenter ? 0 : horizontal == kTaRight ? -width : width;
            const QPointF s = state_.map.scale();
            const double radians = angle * std::numbers::pi / 180;
            state_.position +=
                QPointF(advance * std::cos(radians) / s.x(), -advance * std::sin(radians) / s.y());
        }
    }

    const Picture& pic_;
    QPainter& p_;
    State state_;
    std::vector<State> saved_;
    bool clipDirty_ = false;
    RealisedFont font_;
};

}  // namespace

}  // namespace wmf

std::optional<Metafile> Metafile::parse(const QByteArray& bytes, QString* error) {
    std::shared_ptr<wmf::Picture> picture = wmf::Parser(bytes).run(error);
    if (!picture) return std::nullopt;
    return Metafile(std::move(picture));
}

std::optional<Metafile> Metafile::load(const QString& path, QString* error) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("cannot read %1").arg(path);
        return std::nullopt;
    }
    if (file.size() > wmf::kMaxFileBytes) {
        if (error) *error = QStringLiteral("%1 is too large for a metafile").arg(path);
        return std::nullopt;
    }
    return parse(file.readAll(), error);
}

QSize Metafile::size() const {
    return d_->size;
}

void Metafile::draw(QPainter& painter, QPointF at) const {
    painter.save();
    painter.translate(at);
    painter.setClipRect(QRect(QPoint(0, 0), d_->size), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setBackgroundMode(Qt::TransparentMode);
    wmf::Player(*d_, painter).run();
    painter.restore();
}

QImage Metafile::toImage() const {
    QImage image(d_->size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter);
    return image;
}

}  // namespace bt
