#include <QFile>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <numbers>

#include "metafile.h"

using namespace bt;

namespace {

// Record functions, as the files store them.
enum : quint16 {
    kSaveDc = 0x001E,
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
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
};

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
enum { kPsSolid, kPsDash, kPsDot, kPsDashDot, kPsDashDotDot, kPsNull, kPsInsideFrame };
enum { kBsSolid, kBsNull, kBsHatched };
enum { kTransparent = 1, kOpaque = 2 };
enum { kTaTop = 0, kTaUpdateCp = 1, kTaRight = 2, kTaCenter = 6, kTaBottom = 8, kTaBaseline = 24 };
enum { kEtoOpaque = 2, kEtoClipped = 4 };
constexpr quint32 kSrcCopy = 0x00CC0020;
constexpr quint32 kPatCopy = 0x00F00021;
constexpr quint32 kBlackness = 0x00000042;

const QColor kClear(0, 0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);

// Writes metafiles record by record. Parameters go in the order the file stores them unless a helper
// says otherwise; the helpers take coordinates as x before y and boxes as left, top, right, bottom.
class Wmf {
  public:
    // A picture whose logical units are its pixels: a placeable header over (0, 0, width, height) at 96
    // units per inch.
    static Wmf pixels(int width, int height) {
        Wmf w;
        w.placeable(0, 0, width, height, 96);
        return w;
    }

    Wmf& placeable(int left, int top, int right, int bottom, int unitsPerInch) {
        placeable_ = true;
        box_ = {left, top, right, bottom, unitsPerInch};
        return *this;
    }
    Wmf& objects(int count) {
        objects_ = count;
        return *this;
    }

    Wmf& record(quint16 function, const QList<int>& words) {
        QByteArray params;
        for (int w : words) params += word(w);
        return raw(function, params);
    }
    Wmf& raw(quint16 function, const QByteArray& params) {
        QByteArray r = dword(quint32(3 + (params.size() + 1) / 2)) + word(function) + params;
        if (params.size() % 2) r += '\0';
        records_ += r;
        // Keep track of the object table, as a player fills it, for fillWith() and noPen().
        if (function == kCreatePenIndirect || function == kCreateBrushIndirect ||
            function == kCreateFontIndirect || function == kDibCreatePatternBrush) {
            last_ = -1;
            for (int i = 0; i < objects_ && last_ < 0; ++i)
                if (!used_.contains(i)) last_ = i;
            used_.insert(last_);
        } else if (function == kDeleteObject) {
            used_.remove(qFromLittleEndian<quint16>(params.constData()));
        }
        return *this;
    }

    Wmf& mapMode(int mode) { return record(kSetMapMode, {mode}); }
    Wmf& windowOrg(int x, int y) { return record(kSetWindowOrg, {y, x}); }
    Wmf& windowExt(int x, int y) { return record(kSetWindowExt, {y, x}); }
    Wmf& viewportOrg(int x, int y) { return record(kSetViewportOrg, {y, x}); }
    Wmf& viewportExt(int x, int y) { return record(kSetViewportExt, {y, x}); }
    Wmf& pen(int style, int width, QColor c) {
        return record(kCreatePenIndirect, {style, width, 0, rg(c), b(c)});
    }
    Wmf& brush(int style, QColor c, int hatch = 0) {
        return record(kCreateBrushIndirect, {style, rg(c), b(c), hatch});
    }
    Wmf& font(int height, int weight = 400, int escapement = 0, bool italic = false, bool underline = false,
              bool strikeOut = false, int charset = 0, int width = 0) {
        QByteArray p;
        for (int v : {height, width, escapement, escapement, weight}) p += word(v);
        p += char(italic);
        p += char(underline);
        p += char(strikeOut);
        p += char(charset);
        p += QByteArray(4, '\0');
        p += QByteArray("Liberation Sans").leftJustified(32, '\0');
        return raw(kCreateFontIndirect, p);
    }
    Wmf& select(int index) { return record(kSelectObject, {index}); }
    Wmf& remove(int index) { return record(kDeleteObject, {index}); }
    // A solid brush or a null pen, made and selected.
    Wmf& fillWith(QColor c) { return brush(kBsSolid, c).select(last_); }
    Wmf& noPen() { return pen(kPsNull, 0, kBlack).select(last_); }
    Wmf& colour(quint16 function, QColor c) { return record(function, {rg(c), b(c)}); }
    Wmf& box(quint16 function, int l, int t, int r, int bottom) {
        return record(function, {bottom, r, t, l});
    }
    Wmf& rect(int l, int t, int r, int bottom) { return box(kRectangle, l, t, r, bottom); }
    Wmf& points(quint16 function, const QList<QPoint>& pts) {
        QList<int> words{int(pts.size())};
        for (QPoint p : pts) words << p.x() << p.y();
        return record(function, words);
    }
    Wmf& text(int x, int y, const QByteArray& s) {
        QByteArray p = word(int(s.size())) + s;
        if (s.size() % 2) p += '\0';
        return raw(kTextOut, p + word(y) + word(x));
    }
    Wmf& extText(int x, int y, const QByteArray& s, int options = 0, QRect box = {},
                 const QList<int>& dx = {}) {
        QByteArray p = word(y) + word(x) + word(int(s.size())) + word(options);
        if (options & (kEtoOpaque | kEtoClipped))
            p += word(box.left()) + word(box.top()) + word(box.right() + 1) + word(box.bottom() + 1);
        p += s;
        if (s.size() % 2) p += '\0';
        for (int d : dx) p += word(d);
        return raw(kExtTextOut, p);
    }
    // STRETCHDIB (SRCCOPY) of the source box of a packed bitmap into the destination box.
    Wmf& stretchDib(QRect dest, const QByteArray& dib, QRect source) {
        QByteArray p = dword(kSrcCopy) + word(0);
        for (int v : {source.height(), source.width(), source.y(), source.x(), dest.height(), dest.width(),
                      dest.y(), dest.x()})
            p += word(v);
        return raw(kStretchDib, p + dib);
    }

    QByteArray bytes() const {
        QByteArray out;
        if (placeable_) {
            QByteArray h = dword(0x9AC6CDD7) + word(0);
            for (int v : box_) h += word(v);
            h += dword(0);
            quint16 sum = 0;
            for (int i = 0; i < 10; ++i) sum ^= qFromLittleEndian<quint16>(h.constData() + 2 * i);
            out = h + word(sum);
        }
        const QByteArray body = records_ + dword(3) + word(0);
        out += word(1) + word(9) + word(0x0300) + dword(quint32(9 + body.size() / 2)) + word(objects_) +
               dword(0) + word(0);
        return out + body;
    }

    static QByteArray word(int v) {
        QByteArray b(2, '\0');
        qToLittleEndian<quint16>(quint16(v), b.data());
        return b;
    }
    static QByteArray dword(quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian<quint32>(v, b.data());
        return b;
    }
    static int rg(QColor c) { return c.red() | c.green() << 8; }
    static int b(QColor c) { return c.blue(); }

  private:
    bool placeable_ = false;
    QList<int> box_;
    int objects_ = 16;
    QByteArray records_;
    QSet<int> used_;
    int last_ = -1;
};

// A packed bitmap: header, colour table and rows given top row first, each row as 32-bit colours or,
// with a table, as indexes. Stored bottom-up unless topDown.
QByteArray dib(const QList<QList<QRgb>>& rows, int bits, const QList<QRgb>& table = {}, bool topDown = false,
               quint32 compression = 0) {
    const int w = int(rows.first().size()), h = int(rows.size());
    QByteArray out = Wmf::dword(40) + Wmf::dword(quint32(w)) + Wmf::dword(quint32(topDown ? -h : h)) +
                     Wmf::word(1) + Wmf::word(bits) + Wmf::dword(compression) + Wmf::dword(0) +
                     Wmf::dword(0) + Wmf::dword(0) + Wmf::dword(quint32(table.size())) + Wmf::dword(0);
    for (QRgb c : table) out += Wmf::dword(c & 0xFFFFFF);
    const int stride = (w * bits + 31) / 32 * 4;
    for (int k = 0; k < h; ++k) {
        const QList<QRgb>& row = rows[topDown ? k : h - 1 - k];
        QByteArray line(stride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x];
            switch (bits) {
                case 1:
                    line[x / 8] = char(line[x / 8] | (c ? 0x80 >> (x % 8) : 0));
                    break;
                case 4:
                    line[x / 2] = char(line[x / 2] | (x % 2 ? c : c << 4));
                    break;
                case 8:
                    line[x] = char(c);
                    break;
                case 16:
                    qToLittleEndian<quint16>(
                        quint16(qRed(c) >> 3 << 10 | qGreen(c) >> 3 << 5 | qBlue(c) >> 3),
                        line.data() + 2 * x);
                    break;
                case 24:
                    line[3 * x] = char(qBlue(c));
                    line[3 * x + 1] = char(qGreen(c));
                    line[3 * x + 2] = char(qRed(c));
                    break;
                default:
                    qToLittleEndian<quint32>(c & 0xFFFFFF, line.data() + 4 * x);
                    break;
            }
        }
        out += line;
    }
    return out;
}

// The 2 x 2 test picture: red, green over blue, white.
const QList<QList<QRgb>> kFour{{qRgb(255, 0, 0), qRgb(0, 255, 0)}, {qRgb(0, 0, 255), qRgb(255, 255, 255)}};
const QList<QRgb> kFourTable{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
const QList<QList<QRgb>> kFourIndexed{{0, 1}, {2, 3}};

bool near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

// What an area of the picture must show: every pixel, some pixel or no pixel near a colour.
struct Probe {
    enum Kind { All, Some, None };
    Kind kind;
    QRect area;
    QColor colour;
    int tolerance = 16;
};

Probe all(int x, int y, QColor c) {
    return {Probe::All, QRect(x, y, 1, 1), c};
}
Probe all(QRect area, QColor c) {
    return {Probe::All, area, c};
}
Probe some(QRect area, QColor c, int tolerance = 40) {
    return {Probe::Some, area, c, tolerance};
}
Probe none(QRect area, QColor c, int tolerance = 40) {
    return {Probe::None, area, c, tolerance};
}

int countNear(const QImage& image, QRect area, QColor c, int tolerance) {
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += near(image.pixelColor(x, y), c, tolerance);
    return n;
}

// Empty when the image shows what the probe asks; otherwise what it shows instead.
QString check(const QImage& image, const Probe& probe) {
    const int n = countNear(image, probe.area, probe.colour, probe.tolerance);
    const int total = (probe.area & image.rect()).width() * (probe.area & image.rect()).height();
    const bool ok = probe.kind == Probe::All    ? n == total && total > 0
                    : probe.kind == Probe::Some ? n > 0
                                                : n == 0;
    if (ok) return {};
    const QPoint p = probe.area.topLeft();
    return QStringLiteral("%1 of %2 pixels in (%3,%4 %5x%6) near %7; at the corner: %8")
        .arg(n)
        .arg(total)
        .arg(p.x())
        .arg(p.y())
        .arg(probe.area.width())
        .arg(probe.area.height())
        .arg(probe.colour.name(QColor::HexArgb), image.pixelColor(p).name(QColor::HexArgb));
}

// The box around the pixels near a colour.
QRect inkBox(const QImage& image, QColor c, int tolerance = 100) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), c, tolerance)) box |= QRect(x, y, 1, 1);
    return box;
}

QImage render(const QByteArray& bytes) {
    QString error;
    const std::optional<Metafile> m = Metafile::parse(bytes, &error);
    if (!m) qWarning() << "refused:" << error;
    return m ? m->toImage() : QImage();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString dataFile(const char* name) {
    return QStringLiteral(BRAMBLETON_TEST_DATA "/wmf/") + QLatin1String(name);
}

// A five-pointed star drawn as one polygon, centred in a 100 x 100 picture: its middle is covered twice.
QList<QPoint> star() {
    QList<QPoint> pts;
    for (int k = 0; k < 5; ++k) {
        const double a = (-90 + 144 * k) * std::numbers::pi / 180;
        pts << QPoint(qRound(50 + 45 * std::cos(a)), qRound(50 + 45 * std::sin(a)));
    }
    return pts;
}

}  // namespace

Q_DECLARE_METATYPE(Probe)

class TestMetafile : public QObject {
    Q_OBJECT

    void addProbeColumns() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<Probe>>("probes");
    }
    void checkProbes() {
        QFETCH(QByteArray, file);
        QFETCH(QList<Probe>, probes);
        const QImage image = render(file);
        QVERIFY(!image.isNull());
        for (const Probe& probe : probes) {
            const QString wrong = check(image, probe);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        }
    }

  private Q_SLOTS:
    void shapes_data() {
        addProbeColumns();
        QTest::newRow("rectangle covers its left and top edges, not its right and bottom")
            << Wmf::pixels(100, 100).noPen().fillWith(kRed).rect(10, 10, 50, 40).bytes()
            << QList<Probe>{all(QRect(10, 10, 40, 30), kRed), all(50, 20, kClear), all(20, 40, kClear),
                            all(9, 20, kClear), all(20, 9, kClear)};
        QTest::newRow("one-pixel pen outlines inside the box")
            << Wmf::pixels(100, 100)
                   .pen(kPsSolid, 0, kBlack)
                   .select(0)
                   .fillWith(kWhite)
                   .rect(10, 10, 50, 40)
                   .bytes()
            << QList<Probe>{all(QRect(10, 10, 40, 1), kBlack), all(QRect(49, 10, 1, 30), kBlack),
                            all(QRect(10, 39, 40, 1), kBlack), all(QRect(11, 11, 38, 28), kWhite),
                            all(50, 20, kClear)};
        QTest::newRow("hollow brush leaves the inside clear")
            << Wmf::pixels(100, 100)
                   .pen(kPsSolid, 0, kBlue)
                   .select(0)
                   .brush(kBsNull, kRed)
                   .select(1)
                   .rect(10, 10, 50, 40)
                   .bytes()
            << QList<Probe>{all(10, 20, kBlue), all(30, 25, kClear)};
        QTest::newRow("wide pen centred on the edge")
            << Wmf::pixels(100, 100)
                   .pen(kPsSolid, 10, kRed)
                   .select(0)
                   .brush(kBsNull, kRed)
                   .select(1)
                   .rect(20, 20, 80, 80)
                   .bytes()
            << QList<Probe>{all(16, 50, kRed), all(24, 50, kRed), all(12, 50, kClear), all(50, 50, kClear)};
        QTest::newRow("inside-frame pen stays inside the box")
            << Wmf::pixels(100, 100)
                   .pen(kPsInsideFrame, 10, kRed)
                   .select(0)
                   .brush(kBsNull, kRed)
                   .select(1)
                   .rect(20, 20, 80, 80)
                   .bytes()
            << QList<Probe>{all(20, 50, kRed), all(29, 50, kRed), all(18, 50, kClear), all(31, 50, kClear)};
        QTest::newRow("ellipse fills its box's middle, not its corners")
            << Wmf::pixels(100, 100).noPen().fillWith(kBlue).box(kEllipse, 10, 10, 90, 60).bytes()
            << QList<Probe>{all(QRect(30, 25, 40, 20), kBlue), all(12, 12, kClear), all(87, 57, kClear),
                            all(11, 35, kBlue), all(88, 35, kBlue)};
        QTest::newRow("rounded rectangle rounds its corners only")
            << Wmf::pixels(100, 100)
                   .noPen()
                   .fillWith(kGreen)
                   .record(kRoundRect, {30, 30, 90, 90, 10, 10})
                   .bytes()
            << QList<Probe>{all(11, 11, kClear), all(50, 11, kGreen), all(11, 50, kGreen),
                            all(88, 88, kClear)};
        QTest::newRow("polygon fills inside its points")
            << Wmf::pixels(100, 100)
                   .noPen()
                   .fillWith(kRed)
                   .points(kPolygon, {{10, 10}, {90, 10}, {10, 90}})
                   .bytes()
            << QList<Probe>{all(20, 20, kRed), all(45, 45, kRed), all(60, 60, kClear)};
        QTest::newRow("polygon outline runs through its points' pixels")
            << Wmf::pixels(100, 100)
                   .pen(kPsSolid, 0, kBlack)
                   .select(0)
                   .brush(kBsNull, kRed)
                   .select(1)
                   .points(kPolygon, {{10, 10}, {50, 10}, {50, 50}, {10, 50}})
                   .bytes()
            << QList<Probe>{all(QRect(10, 10, 41, 1), kBlack), all(QRect(50, 10, 1, 41), kBlack),
                            all(30, 30, kClear), all(51, 30, kClear)};
        QTest::newRow("alternate fill leaves the star's middle empty")
            << Wmf::pixels(100, 100)
                   .noPen()
                   .fillWith(kRed)
                   .record(kSetPolyFillMode, {1})
                   .points(kPolygon, star())
                   .bytes()
            << QList<Probe>{all(50, 52, kClear), all(50, 15, kRed)};
        QTest::newRow("winding fill covers the star's middle")
            << Wmf::pixels(100, 100)
                   .noPen()
                   .fillWith(kRed)
                   .record(kSetPolyFillMode, {2})
                   .points(kPolygon, star())
                   .bytes()
            << QList<Probe>{all(50, 52, kRed), all(50, 15, kRed)};
        QTest::newRow("polypolygon: a square with a square hole")
            << Wmf::pixels(100, 100)
                   .noPen()
                   .fillWith(kBlue)
                   .record(kPolyPolygon,
                           {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70})
                   .bytes()
            << QList<Probe>{all(20, 20, kBlue), all(80, 50, kBlue), all(50, 50, kClear)};
        QTest::newRow("polyline is never closed or filled")
            << Wmf::pixels(100, 100)
                   .pen(kPsSolid, 3, kRed)
                   .select(0)
                   .fillWith(kBlue)
                   .points(kPolyline, {{10, 10}, {90, 10}, {90, 90}})
                   .bytes()
            << QList<Probe>{all(50, 10, kRed), all(90, 50, kRed), none(QRect(0, 0, 100, 100), kBlue),
                            all(50, 50, kClear)};
        QTest::newRow("line from the current position")
            << Wmf::pixels(100, 100)
                   .pen(kPsSolid, 3, kBlue)
                   .select(0)
                   .record(kMoveTo, {50, 10})
                   .record(kLineTo, {50, 90})
                   .bytes()
            << QList<Probe>{all(QRect(20, 50, 60, 1), kBlue), all(50, 45, kClear), all(5, 50, kClear)};
        QTest::newRow("lines go on from where the last one ended")
            << Wmf::pixels(100, 100)
                   .pen(kPsSolid, 3, kBlue)
                   .select(0)
                   .record(kMoveTo, {50, 10})
                   .record(kLineTo, {50, 90})
                   .record(kLineTo, {90, 90})
                   .bytes()
            << QList<Probe>{all(90, 70, kBlue), all(20, 70, kClear)};
        QTest::newRow("arc runs anticlockwise from start to end")
            << Wmf::pixels(100, 100)
                   .pen(kPsSolid, 3, kRed)
                   .select(0)
                   .fillWith(kBlue)
                   .record(kArc, {10, 50, 50, 90, 90, 90, 10, 10})
                   .bytes()
            << QList<Probe>{all(77, 22, kRed), all(22, 22, kClear), all(22, 77, kClear), all(77, 77, kClear),
                            none(QRect(0, 0, 100, 100), kBlue)};
        QTest::newRow("pie fills its slice") << Wmf::pixels(100, 100)
                                                    .noPen()
                                                    .fillWith(kBlue)
                                                    .record(kPie, {10, 50, 50, 90, 90, 90, 10, 10})
                                                    .bytes()
                                             << QList<Probe>{all(65, 35, kBlue), all(35, 35, kClear),
                                                             all(35, 65, kClear), all(65, 65, kClear)};
        QTest::newRow("chord fills to the line between its ends")
            << Wmf::pixels(100, 100)
                   .noPen()
                   .fillWith(kBlue)
                   .record(kChord, {50, 10, 50, 90, 90, 90, 10, 10})
                   .bytes()
            << QList<Probe>{all(50, 30, kBlue), all(20, 40, kBlue), all(50, 70, kClear)};
        QTest::newRow("set pixel")
            << Wmf::pixels(10, 10).record(kSetPixel, {Wmf::rg(kRed), Wmf::b(kRed), 4, 3}).bytes()
            << QList<Probe>{all(3, 4, kRed), all(4, 4, kClear), all(3, 3, kClear)};
        QTest::newRow("hatched brush over a transparent background")
            << Wmf::pixels(100, 100)
                   .noPen()
                   .brush(kBsHatched, kBlue, 4)
                   .select(1)
                   .record(kSetBkMode, {kTransparent})
                   .rect(10, 10, 90, 90)
                   .bytes()
            << QList<Probe>{some(QRect(20, 20, 60, 60), kBlue), some(QRect(20, 20, 60, 60), kClear),
                            all(5, 5, kClear)};
        QTest::newRow("hatched brush over an opaque background")
            << Wmf::pixels(100, 100)
                   .noPen()
                   .brush(kBsHatched, kBlue, 4)
                   .select(1)
                   .record(kSetBkMode, {kOpaque})
                   .colour(kSetBkColor, kYellow)
                   .rect(10, 10, 90, 90)
                   .bytes()
            << QList<Probe>{some(QRect(20, 20, 60, 60), kBlue), some(QRect(20, 20, 60, 60), kYellow),
                            none(QRect(20, 20, 60, 60), kClear, 0)};
        QTest::newRow("thin dashed pen leaves gaps")
            << Wmf::pixels(100, 100)
                   .pen(kPsDash, 0, kRed)
                   .select(0)
                   .record(kSetBkMode, {kTransparent})
                   .record(kMoveTo, {50, 0})
                   .record(kLineTo, {50, 100})
                   .bytes()
            << QList<Probe>{some(QRect(0, 50, 100, 1), kRed, 0), some(QRect(0, 50, 100, 1), kClear, 0)};
        QTest::newRow("dashed pen's gaps take an opaque background")
            << Wmf::pixels(100, 100)
                   .pen(kPsDot, 0, kRed)
                   .select(0)
                   .record(kSetBkMode, {kOpaque})
                   .colour(kSetBkColor, kYellow)
                   .record(kMoveTo, {50, 0})
                   .record(kLineTo, {50, 100})
                   .bytes()
            << QList<Probe>{some(QRect(0, 50, 100, 1), kRed, 0), some(QRect(0, 50, 100, 1), kYellow, 0),
                            none(QRect(0, 50, 100, 1), kClear, 0)};
        QTest::newRow("wide dashed pen is drawn solid") << Wmf::pixels(100, 100)
                                                               .pen(kPsDash, 3, kRed)
                                                               .select(0)
                                                               .record(kSetBkMode, {kTransparent})
                                                               .record(kMoveTo, {50, 0})
                                                               .record(kLineTo, {50, 100})
                                                               .bytes()
                                                        << QList<Probe>{all(QRect(2, 50, 96, 1), kRed)};
        QTest::newRow("null pen draws no line") << Wmf::pixels(100, 100)
                                                       .pen(kPsNull, 3, kRed)
                                                       .select(0)
                                                       .record(kMoveTo, {50, 0})
                                                       .record(kLineTo, {50, 100})
                                                       .bytes()
                                                << QList<Probe>{none(QRect(0, 0, 100, 100), kRed)};
    }
    void shapes() { checkProbes(); }

    void bitmaps_data() {
        addProbeColumns();
        const QList<Probe> four{all(QRect(10, 10, 20, 20), kRed),
                                all(QRect(30, 10, 20, 20), kGreen),
                                all(QRect(10, 30, 20, 20), kBlue),
                                all(QRect(30, 30, 20, 20), kWhite),
                                all(9, 9, kClear),
                                all(50, 50, kClear)};
        const QRect dest(10, 10, 40, 40), whole(0, 0, 2, 2);
        QTest::newRow("24-bit, bottom-up")
            << Wmf::pixels(60, 60).stretchDib(dest, dib(kFour, 24), whole).bytes() << four;
        QTest::newRow("24-bit, top-down")
            << Wmf::pixels(60, 60).stretchDib(dest, dib(kFour, 24, {}, true), whole).bytes() << four;
        QTest::newRow("32-bit") << Wmf::pixels(60, 60).stretchDib(dest, dib(kFour, 32), whole).bytes()
                                << four;
        QTest::newRow("16-bit") << Wmf::pixels(60, 60).stretchDib(dest, dib(kFour, 16), whole).bytes()
                                << four;
        QTest::newRow("8-bit")
            << Wmf::pixels(60, 60).stretchDib(dest, dib(kFourIndexed, 8, kFourTable), whole).bytes() << four;
        QTest::newRow("4-bit")
            << Wmf::pixels(60, 60).stretchDib(dest, dib(kFourIndexed, 4, kFourTable), whole).bytes() << four;
        QTest::newRow("1-bit")
            << Wmf::pixels(60, 60)
                   .stretchDib(dest, dib({{0, 1}, {1, 0}}, 1, {qRgb(255, 0, 0), qRgb(0, 0, 255)}), whole)
                   .bytes()
            << QList<Probe>{all(15, 15, kRed), all(35, 15, kBlue), all(15, 35, kBlue), all(35, 35, kRed)};
        QTest::newRow("index past the colour table is black")
            << Wmf::pixels(60, 60)
                   .stretchDib(dest, dib({{0, 200}}, 8, {qRgb(255, 0, 0)}), QRect(0, 0, 2, 1))
                   .bytes()
            << QList<Probe>{all(15, 30, kRed), all(35, 30, kBlack)};
        QTest::newRow("negative width mirrors")
            << Wmf::pixels(60, 60).stretchDib(QRect(50, 10, -40, 40), dib(kFour, 24), whole).bytes()
            << QList<Probe>{all(15, 15, kGreen), all(35, 15, kRed), all(15, 35, kWhite), all(35, 35, kBlue)};
        QTest::newRow("source rows of a bottom-up bitmap count from the bottom")
            << Wmf::pixels(60, 60).stretchDib(dest, dib(kFour, 24), QRect(1, 0, 1, 1)).bytes()
            << QList<Probe>{all(QRect(10, 10, 40, 40), kWhite)};
        QTest::newRow("source rows of a top-down bitmap count from the top")
            << Wmf::pixels(60, 60).stretchDib(dest, dib(kFour, 24, {}, true), QRect(1, 0, 1, 1)).bytes()
            << QList<Probe>{all(QRect(10, 10, 40, 40), kGreen)};
        QTest::newRow("DIBBITBLT copies at one to one")
            << Wmf::pixels(20, 20)
                   .raw(kDibBitBlt, Wmf::dword(kSrcCopy) + Wmf::word(0) + Wmf::word(0) + Wmf::word(2) +
                                        Wmf::word(2) + Wmf::word(5) + Wmf::word(5) + dib(kFour, 24))
                   .bytes()
            << QList<Probe>{all(5, 5, kRed), all(6, 5, kGreen), all(5, 6, kBlue), all(6, 6, kWhite),
                            all(7, 7, kClear)};
        QTest::newRow("DIBSTRETCHBLT stretches")
            << Wmf::pixels(60, 60)
                   .raw(kDibStretchBlt, Wmf::dword(kSrcCopy) + Wmf::word(2) + Wmf::word(2) + Wmf::word(0) +
                                            Wmf::word(0) + Wmf::word(40) + Wmf::word(40) + Wmf::word(10) +
                                            Wmf::word(10) + dib(kFour, 24))
                   .bytes()
            << four;
        QTest::newRow("DIBBITBLT without a bitmap fills with the brush")
            << Wmf::pixels(60, 60)
                   .fillWith(kRed)
                   .raw(kDibBitBlt, Wmf::dword(kPatCopy) + Wmf::word(0) + Wmf::word(0) + Wmf::word(0) +
                                        Wmf::word(20) + Wmf::word(30) + Wmf::word(10) + Wmf::word(10))
                   .bytes()
            << QList<Probe>{all(QRect(10, 10, 30, 20), kRed), all(40, 15, kClear), all(15, 30, kClear)};
        QTest::newRow("BLACKNESS") << Wmf::pixels(60, 60)
                                          .raw(kDibStretchBlt, Wmf::dword(kBlackness) + Wmf::word(0) +
                                                                   Wmf::word(0) + Wmf::word(0) +
                                                                   Wmf::word(0) + Wmf::word(0) +
                                                                   Wmf::word(20) + Wmf::word(30) +
                                                                   Wmf::word(10) + Wmf::word(10))
                                          .bytes()
                                   << QList<Probe>{all(QRect(10, 10, 30, 20), kBlack), all(40, 15, kClear)};
        QTest::newRow("PATBLT fills with the brush")
            << Wmf::pixels(60, 60)
                   .fillWith(kBlue)
                   .raw(kPatBlt,
                        Wmf::dword(kPatCopy) + Wmf::word(20) + Wmf::word(30) + Wmf::word(10) + Wmf::word(10))
                   .bytes()
            << QList<Probe>{all(QRect(10, 10, 30, 20), kBlue), all(40, 15, kClear)};
        QTest::newRow("run-length compressed bitmap is skipped")
            << Wmf::pixels(60, 60)
                   .stretchDib(dest, dib(kFourIndexed, 8, kFourTable, false, 1), whole)
                   .rect(0, 0, 5, 5)
                   .bytes()
            << QList<Probe>{all(QRect(10, 10, 40, 40), kClear), all(2, 2, kWhite)};
        QTest::newRow("stretching blocks pixels unless halftone is asked for")
            << Wmf::pixels(60, 60)
                   .stretchDib(dest, dib({{qRgb(255, 0, 0), qRgb(0, 0, 255)}}, 24), QRect(0, 0, 2, 1))
                   .bytes()
            << QList<Probe>{none(QRect(10, 10, 40, 40), QColor(128, 0, 128), 64)};
        QTest::newRow("halftone stretching blends")
            << Wmf::pixels(60, 60)
                   .record(kSetStretchBltMode, {4})
                   .stretchDib(dest, dib({{qRgb(255, 0, 0), qRgb(0, 0, 255)}}, 24), QRect(0, 0, 2, 1))
                   .bytes()
            << QList<Probe>{some(QRect(10, 10, 40, 40), QColor(128, 0, 128), 64)};
        QTest::newRow("pattern brush tiles its bitmap")
            << Wmf::pixels(60, 60)
                   .noPen()
                   .raw(kDibCreatePatternBrush,
                        Wmf::word(5) + Wmf::word(0) +
                            dib({{qRgb(255, 0, 0), qRgb(0, 0, 255)}, {qRgb(0, 0, 255), qRgb(255, 0, 0)}}, 24))
                   .select(1)
                   .rect(10, 10, 50, 50)
                   .bytes()
            << QList<Probe>{some(QRect(20, 20, 20, 20), kRed, 0), some(QRect(20, 20, 20, 20), kBlue, 0),
                            none(QRect(20, 20, 20, 20), kClear, 0), all(5, 5, kClear)};
    }
    void bitmaps() { checkProbes(); }

    void mapping_data() {
        addProbeColumns();
        // Each row fills the logical box it names with red in a 100 x 100 picture.
        const auto red = [](Wmf w, QRect box) {
            return w.noPen()
                .fillWith(kRed)
                .rect(box.left(), box.top(), box.right() + 1, box.bottom() + 1)
                .bytes();
        };
        const auto covers = [](QRect area) {
            return QList<Probe>{all(area.adjusted(1, 1, -1, -1), kRed),
                                all(area.left() - 2, area.center().y(), kClear),
                                all(area.right() + 2, area.center().y(), kClear),
                                all(area.center().x(), area.top() - 2, kClear),
                                all(area.center().x(), area.bottom() + 2, kClear)};
        };
        QTest::newRow("placeable box maps onto the picture")
            << red(Wmf().placeable(0, 0, 1000, 1000, 960), QRect(200, 400, 500, 300))
            << covers(QRect(20, 40, 50, 30));
        QTest::newRow("placeable box with an origin")
            << red(Wmf().placeable(-500, 1000, 500, 2000, 960), QRect(-300, 1200, 500, 300))
            << covers(QRect(20, 20, 50, 30));
        QTest::newRow("window set by the file")
            << red(Wmf::pixels(100, 100).mapMode(kMmAnisotropic).windowOrg(100, 100).windowExt(200, 400),
                   QRect(120, 140, 100, 200))
            << covers(QRect(10, 10, 50, 50));
        QTest::newRow("negative window extent turns the picture over")
            << red(Wmf::pixels(100, 100).windowOrg(0, 100).windowExt(100, -100), QRect(10, 10, 30, 20))
            << covers(QRect(10, 70, 30, 20));
        QTest::newRow("viewport set by the file is in pixels")
            << red(Wmf::pixels(100, 100).windowExt(1000, 1000).viewportOrg(10, 20).viewportExt(50, 50),
                   QRect(0, 0, 1000, 1000))
            << covers(QRect(10, 20, 50, 50));
        QTest::newRow("zero extents are ignored")
            << red(Wmf::pixels(100, 100).windowExt(200, 200).windowExt(0, 0).viewportExt(0, 50),
                   QRect(20, 20, 100, 100))
            << covers(QRect(10, 10, 50, 50));
        QTest::newRow("isotropic keeps the units square")
            << red(Wmf::pixels(100, 100).mapMode(kMmIsotropic).windowExt(100, 50), QRect(0, 0, 100, 50))
            << covers(QRect(0, 0, 100, 50)).mid(0, 1) + QList<Probe>{all(50, 75, kClear)};
        QTest::newRow("anisotropic stretches each way")
            << red(Wmf::pixels(100, 100).mapMode(kMmAnisotropic).windowExt(100, 50), QRect(0, 0, 50, 25))
            << covers(QRect(0, 0, 50, 50)).mid(0, 1) + QList<Probe>{all(75, 50, kClear), all(25, 75, kClear)};
        QTest::newRow("MM_TEXT counts pixels from the window origin")
            << red(Wmf().placeable(0, 0, 1000, 1000, 960).mapMode(kMmText).windowOrg(-10, -10),
                   QRect(0, 0, 40, 30))
            << covers(QRect(10, 10, 40, 30));
        QTest::newRow("offset window origin")
            << red(Wmf::pixels(100, 100).record(kOffsetWindowOrg, {-20, -10}), QRect(0, 0, 40, 30))
            << covers(QRect(10, 20, 40, 30));
        QTest::newRow("offset viewport origin")
            << red(Wmf::pixels(100, 100).record(kOffsetViewportOrg, {20, 10}), QRect(0, 0, 40, 30))
            << covers(QRect(10, 20, 40, 30));
        QTest::newRow("scale window extent")
            << red(Wmf::pixels(100, 100).record(kScaleWindowExt, {1, 2, 1, 2}), QRect(20, 20, 20, 20))
            << covers(QRect(10, 10, 10, 10));
        QTest::newRow("scale viewport extent")
            << red(Wmf::pixels(100, 100).record(kScaleViewportExt, {2, 1, 2, 1}), QRect(20, 20, 20, 20))
            << covers(QRect(10, 10, 10, 10));
        QTest::newRow("scaling by zero is ignored") << red(Wmf::pixels(100, 100)
                                                               .record(kScaleWindowExt, {0, 2, 1, 2})
                                                               .record(kScaleViewportExt, {1, 0, 1, 0}),
                                                           QRect(20, 20, 20, 20))
                                                    << covers(QRect(20, 20, 20, 20));
        // The fixed modes: half an inch (48 pixels) square, y running up from the viewport origin.
        const auto fixed = [&](int mode, int halfInch) {
            return red(Wmf::pixels(100, 100).mapMode(mode).viewportOrg(10, 90),
                       QRect(0, 0, halfInch, halfInch));
        };
        QTest::newRow("MM_LOMETRIC") << fixed(kMmLoMetric, 127) << covers(QRect(10, 42, 48, 48));
        QTest::newRow("MM_HIMETRIC") << fixed(kMmHiMetric, 1270) << covers(QRect(10, 42, 48, 48));
        QTest::newRow("MM_LOENGLISH") << fixed(kMmLoEnglish, 50) << covers(QRect(10, 42, 48, 48));
        QTest::newRow("MM_HIENGLISH") << fixed(kMmHiEnglish, 500) << covers(QRect(10, 42, 48, 48));
        QTest::newRow("MM_TWIPS") << fixed(kMmTwips, 720) << covers(QRect(10, 42, 48, 48));
        QTest::newRow("fixed modes ignore window extents")
            << red(Wmf::pixels(100, 100).mapMode(kMmTwips).windowExt(10, 10).viewportOrg(10, 90),
                   QRect(0, 0, 720, 720))
            << covers(QRect(10, 42, 48, 48));
    }
    void mapping() { checkProbes(); }

    void stateAndObjects_data() {
        addProbeColumns();
        const QList<Probe> redBox{all(QRect(10, 10, 20, 20), kRed)};
        const QList<Probe> blueBox{all(QRect(10, 10, 20, 20), kBlue)};
        const auto base = [] { return Wmf::pixels(40, 40).noPen(); };
        QTest::newRow("RESTOREDC brings the brush back") << base()
                                                                .fillWith(kRed)
                                                                .record(kSaveDc, {})
                                                                .fillWith(kBlue)
                                                                .record(kRestoreDc, {-1})
                                                                .rect(10, 10, 30, 30)
                                                                .bytes()
                                                         << redBox;
        QTest::newRow("RESTOREDC to a numbered level") << base()
                                                              .fillWith(kRed)
                                                              .record(kSaveDc, {})
                                                              .fillWith(kBlue)
                                                              .record(kSaveDc, {})
                                                              .fillWith(kGreen)
                                                              .record(kSaveDc, {})
                                                              .record(kRestoreDc, {1})
                                                              .rect(10, 10, 30, 30)
                                                              .bytes()
                                                       << redBox;
        QTest::newRow("RESTOREDC past what was saved is ignored") << base()
                                                                         .fillWith(kRed)
                                                                         .record(kSaveDc, {})
                                                                         .fillWith(kBlue)
                                                                         .record(kRestoreDc, {-2})
                                                                         .rect(10, 10, 30, 30)
                                                                         .bytes()
                                                                  << blueBox;
        QTest::newRow("each RESTOREDC pops a level") << base()
                                                            .fillWith(kRed)
                                                            .record(kSaveDc, {})
                                                            .record(kRestoreDc, {-1})
                                                            .fillWith(kBlue)
                                                            .record(kRestoreDc, {-1})
                                                            .rect(10, 10, 30, 30)
                                                            .bytes()
                                                     << blueBox;
        QTest::newRow("RESTOREDC brings the mapping back") << base()
                                                                  .fillWith(kRed)
                                                                  .record(kSaveDc, {})
                                                                  .windowExt(400, 400)
                                                                  .record(kRestoreDc, {-1})
                                                                  .rect(10, 10, 30, 30)
                                                                  .bytes()
                                                           << redBox;
        QTest::newRow("RESTOREDC brings the clip back") << base()
                                                               .fillWith(kRed)
                                                               .record(kSaveDc, {})
                                                               .box(kIntersectClipRect, 0, 0, 5, 5)
                                                               .rect(0, 0, 1, 1)
                                                               .record(kRestoreDc, {-1})
                                                               .rect(10, 10, 30, 30)
                                                               .bytes()
                                                        << redBox;
        QTest::newRow("deleted slot is the next one filled") << base()
                                                                    .brush(kBsSolid, kRed)
                                                                    .brush(kBsSolid, kGreen)
                                                                    .remove(1)
                                                                    .brush(kBsSolid, kBlue)
                                                                    .select(1)
                                                                    .rect(10, 10, 30, 30)
                                                                    .bytes()
                                                             << blueBox;
        QTest::newRow("selecting past the table is ignored")
            << base().fillWith(kRed).select(500).rect(10, 10, 30, 30).bytes() << redBox;
        QTest::newRow("selecting a deleted object is ignored")
            << base().fillWith(kRed).brush(kBsSolid, kBlue).remove(2).select(2).rect(10, 10, 30, 30).bytes()
            << redBox;
        QTest::newRow("deleting the selected brush leaves it in use")
            << base().fillWith(kRed).remove(1).rect(10, 10, 30, 30).bytes() << redBox;
        QTest::newRow("a full table makes no more objects")
            << base().objects(2).fillWith(kRed).brush(kBsSolid, kBlue).select(2).rect(10, 10, 30, 30).bytes()
            << redBox;
        QTest::newRow("pen and brush are selected apart")
            << Wmf::pixels(40, 40)
                   .pen(kPsSolid, 0, kBlue)
                   .brush(kBsSolid, kRed)
                   .select(1)
                   .select(0)
                   .rect(10, 10, 30, 30)
                   .bytes()
            << QList<Probe>{all(10, 20, kBlue), all(20, 20, kRed)};
        QTest::newRow("a font is not a brush")
            << base().fillWith(kRed).font(-20).select(2).rect(10, 10, 30, 30).bytes() << redBox;
        QTest::newRow("default brush is white")
            << base().rect(10, 10, 30, 30).bytes() << QList<Probe>{all(QRect(10, 10, 20, 20), kWhite)};
        QTest::newRow("default pen is one black pixel")
            << Wmf::pixels(40, 40).brush(kBsNull, kRed).select(0).rect(10, 10, 30, 30).bytes()
            << QList<Probe>{all(QRect(10, 10, 20, 1), kBlack), all(20, 20, kClear), all(20, 11, kClear)};
    }
    void stateAndObjects() { checkProbes(); }

    void clipping_data() {
        addProbeColumns();
        const auto full = [](Wmf w) { return w.rect(-10, -10, 300, 300).bytes(); };
        const auto base = [] { return Wmf::pixels(100, 100).noPen().fillWith(kRed); };
        QTest::newRow("intersect") << full(base().box(kIntersectClipRect, 10, 20, 50, 60))
                                   << QList<Probe>{all(QRect(10, 20, 40, 40), kRed), all(9, 30, kClear),
                                                   all(50, 30, kClear), all(30, 19, kClear),
                                                   all(30, 60, kClear)};
        QTest::newRow("intersections narrow each other")
            << full(base().box(kIntersectClipRect, 10, 10, 50, 50).box(kIntersectClipRect, 30, 30, 90, 90))
            << QList<Probe>{all(QRect(30, 30, 20, 20), kRed), all(20, 20, kClear), all(60, 60, kClear)};
        QTest::newRow("exclude") << full(base().box(kExcludeClipRect, 10, 20, 50, 60))
                                 << QList<Probe>{all(QRect(10, 20, 40, 40), kClear), all(9, 30, kRed),
                                                 all(50, 30, kRed), all(90, 90, kRed)};
        QTest::newRow("clip follows the mapping")
            << full(base().windowExt(200, 200).box(kIntersectClipRect, 20, 40, 100, 120))
            << QList<Probe>{all(QRect(10, 20, 40, 40), kRed), all(9, 30, kClear), all(50, 30, kClear)};
        QTest::newRow("offset clip region")
            << full(base().box(kIntersectClipRect, 10, 10, 30, 30).record(kOffsetClipRgn, {20, 40}))
            << QList<Probe>{all(QRect(50, 30, 20, 20), kRed), all(20, 20, kClear)};
        QTest::newRow("clip of nothing hides everything")
            << full(base().box(kIntersectClipRect, 50, 50, 50, 50))
            << QList<Probe>{none(QRect(0, 0, 100, 100), kRed)};
    }
    void clipping() { checkProbes(); }

    void text_data() {
        addProbeColumns();
        // "HHH" 30 pixels high at (100, 50) of a 200 x 100 picture.
        const auto hhh = [](int align, int height = -30) {
            return Wmf::pixels(200, 100)
                .record(kSetBkMode, {kTransparent})
                .font(height)
                .select(0)
                .record(kSetTextAlign, {align});
        };
        const QRect left(0, 0, 100, 100), right(101, 0, 99, 100), above(0, 0, 200, 50), below(0, 51, 200, 49);
        QTest::newRow("TA_LEFT, TA_TOP")
            << hhh(kTaTop).text(100, 50, "HHH").bytes()
            << QList<Probe>{some(right, kBlack), none(left, kBlack), none(above, kBlack),
                            none(QRect(0, 50, 200, 4), kBlack)};
        QTest::newRow("TA_RIGHT") << hhh(kTaRight).text(100, 50, "HHH").bytes()
                                  << QList<Probe>{some(left, kBlack), none(right, kBlack)};
        QTest::newRow("TA_CENTER") << hhh(kTaCenter).text(100, 50, "HHH").bytes()
                                   << QList<Probe>{some(QRect(70, 0, 28, 100), kBlack),
                                                   some(QRect(102, 0, 28, 100), kBlack)};
        QTest::newRow("TA_BOTTOM: the descent above the point")
            << hhh(kTaBottom).text(100, 50, "HHH").bytes()
            << QList<Probe>{some(above, kBlack), none(QRect(0, 46, 200, 54), kBlack)};
        QTest::newRow("TA_BASELINE: the letters stand on the point")
            << hhh(kTaBaseline).text(100, 50, "HHH").bytes()
            << QList<Probe>{some(QRect(0, 46, 200, 4), kBlack), none(below, kBlack)};
        QTest::newRow("TA_UPDATECP: text goes on from the current position")
            << hhh(kTaUpdateCp).record(kMoveTo, {50, 10}).text(0, 0, "HHH").text(0, 0, "HHH").bytes()
            << QList<Probe>{some(QRect(10, 50, 60, 50), kBlack), some(QRect(80, 50, 60, 50), kBlack),
                            none(QRect(0, 0, 200, 45), kBlack)};
        QTest::newRow("without TA_UPDATECP text stays at its own point")
            << hhh(kTaTop).record(kMoveTo, {50, 10}).text(10, 50, "HHH").text(10, 50, "HHH").bytes()
            << QList<Probe>{some(QRect(10, 50, 60, 50), kBlack), none(QRect(80, 0, 120, 100), kBlack)};
        QTest::newRow("text colour") << hhh(kTaTop).colour(kSetTextColor, kRed).text(100, 50, "HHH").bytes()
                                     << QList<Probe>{some(right, kRed, 0), none(right, kBlack)};
        QTest::newRow("opaque background behind the letters")
            << hhh(kTaTop)
                   .record(kSetBkMode, {kOpaque})
                   .colour(kSetBkColor, kYellow)
                   .text(100, 50, "HHH")
                   .bytes()
            << QList<Probe>{all(101, 51, kYellow), some(right, kBlack), none(left, kYellow)};
        QTest::newRow("transparent background")
            << hhh(kTaTop).colour(kSetBkColor, kYellow).text(100, 50, "HHH").bytes()
            << QList<Probe>{none(right, kYellow)};
        QTest::newRow("ETO_OPAQUE fills its box whatever the background mode")
            << hhh(kTaTop)
                   .colour(kSetBkColor, kYellow)
                   .extText(100, 50, "H", kEtoOpaque, QRect(10, 10, 20, 20))
                   .bytes()
            << QList<Probe>{all(QRect(10, 10, 20, 20), kYellow), some(right, kBlack)};
        QTest::newRow("ETO_CLIPPED keeps the text inside its box")
            << hhh(kTaTop).extText(100, 50, "HHHHH", kEtoClipped, QRect(100, 0, 20, 100)).bytes()
            << QList<Probe>{some(QRect(100, 50, 20, 50), kBlack), none(QRect(121, 0, 79, 100), kBlack)};
        QTest::newRow("character widths place each letter")
            << hhh(kTaTop).extText(10, 50, "HH", 0, {}, {100, 30}).bytes()
            << QList<Probe>{some(QRect(10, 50, 30, 50), kBlack), none(QRect(40, 0, 68, 100), kBlack),
                            some(QRect(110, 50, 30, 50), kBlack)};
        QTest::newRow("character extra spacing")
            << hhh(kTaTop).record(kSetTextCharExtra, {30}).text(10, 50, "HHH").bytes()
            << QList<Probe>{some(QRect(130, 50, 70, 50), kBlack)};
        QTest::newRow("no extra spacing")
            << hhh(kTaTop).text(10, 50, "HHH").bytes() << QList<Probe>{none(QRect(130, 0, 70, 100), kBlack)};
        QTest::newRow("underline draws under blanks") << Wmf::pixels(200, 100)
                                                             .record(kSetBkMode, {kTransparent})
                                                             .font(-30, 400, 0, false, true)
                                                             .select(0)
                                                             .text(10, 10, "      ")
                                                             .bytes()
                                                      << QList<Probe>{some(QRect(0, 0, 200, 100), kBlack)};
        QTest::newRow("strike-out draws through blanks") << Wmf::pixels(200, 100)
                                                                .record(kSetBkMode, {kTransparent})
                                                                .font(-30, 400, 0, false, false, true)
                                                                .select(0)
                                                                .text(10, 10, "      ")
                                                                .bytes()
                                                         << QList<Probe>{some(QRect(0, 0, 200, 100), kBlack)};
        QTest::newRow("blanks alone draw nothing") << hhh(kTaTop).text(10, 10, "      ").bytes()
                                                   << QList<Probe>{none(QRect(0, 0, 200, 100), kBlack)};
    }
    void text() { checkProbes(); }

    // The height of a capital H's ink for a font height and mapping.
    void fontHeight_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("windowExtent");  // over 200 pixels
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        // Liberation Sans: capitals are 0.72 of the character height; the cell is 1.15 of it.
        QTest::newRow("character height") << -40 << 200 << 27 << 30;
        QTest::newRow("cell height") << 40 << 200 << 23 << 26;
        QTest::newRow("follows the mapping") << -80 << 400 << 27 << 30;
        QTest::newRow("default height") << 0 << 200 << 10 << 13;
    }
    void fontHeight() {
        QFETCH(int, height);
        QFETCH(int, windowExtent);
        QFETCH(int, low);
        QFETCH(int, high);
        const QImage image = render(Wmf::pixels(200, 200)
                                        .windowExt(windowExtent, windowExtent)
                                        .record(kSetBkMode, {kTransparent})
                                        .font(height)
                                        .select(0)
                                        .text(windowExtent / 10, windowExtent / 10, "H")
                                        .bytes());
        const QRect ink = inkBox(image, kBlack);
        QVERIFY2(ink.height() >= low && ink.height() <= high, qPrintable(QString::number(ink.height())));
    }

    void fontLooks() {
        const auto ink = [](Wmf w, QPoint at = QPoint(20, 20)) {
            return inkBox(render(w.text(at.x(), at.y(), "HHHH").bytes()), kBlack);
        };
        const auto base = [] { return Wmf::pixels(200, 200).record(kSetBkMode, {kTransparent}); };
        const QRect flat = ink(base().font(-30).select(0));
        const QRect turned = ink(base().font(-30, 400, 900).select(0), QPoint(20, 180));
        QVERIFY(flat.width() > 2 * flat.height());
        QVERIFY2(turned.height() > 2 * turned.width(), "escapement 900 reads upwards");
        QVERIFY(turned.bottom() <= 180 + 2);  // from the reference point up
        QVERIFY(turned.left() >= 20 - 2);     // the tops of the letters point left: the ink is right of it

        const auto count = [](const QByteArray& file) {
            const QImage image = render(file);
            return countNear(image, image.rect(), kBlack, 100);
        };
        const int normal = count(base().font(-30, 400).select(0).text(10, 10, "HHHH").bytes());
        const int bold = count(base().font(-30, 700).select(0).text(10, 10, "HHHH").bytes());
        QVERIFY2(bold > normal * 5 / 4, qPrintable(QStringLiteral("%1 %2").arg(bold).arg(normal)));
        const QRect wide = ink(base().font(-30, 400, 0, false, false, false, 0, 30).select(0));
        QVERIFY2(wide.width() > flat.width() * 5 / 4, "average character width widens the letters");
    }

    // The same bytes read in different character sets are different letters; ANSI and DEFAULT agree.
    void characterSets() {
        const auto letter = [](int charset) {
            return render(Wmf::pixels(60, 60)
                              .record(kSetBkMode, {kTransparent})
                              .font(-40, 400, 0, false, false, false, charset)
                              .select(0)
                              .text(10, 5, "\xC6")
                              .bytes());
        };
        const QImage ansi = letter(0), fallback = letter(1), russian = letter(204), central = letter(238);
        QVERIFY(countNear(ansi, ansi.rect(), kBlack, 100) > 50);
        QCOMPARE(fallback, ansi);
        QVERIFY(russian != ansi);
        QVERIFY(central != ansi);
        QVERIFY(central != russian);
        QVERIFY(countNear(russian, russian.rect(), kBlack, 100) > 50);
    }

    void size_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("size");
        const auto drawn = [](Wmf w) { return w.rect(10, 20, 110, 70).bytes(); };
        QTest::newRow("placeable, 1000 to the inch")
            << drawn(Wmf().placeable(0, 0, 1000, 500, 1000)) << QSize(96, 48);
        QTest::newRow("placeable, hundredths of a millimetre")
            << drawn(Wmf().placeable(0, 0, 8000, 6000, 2540)) << QSize(302, 227);
        QTest::newRow("placeable box given backwards")
            << drawn(Wmf().placeable(1000, 500, 0, 0, 1000)) << QSize(96, 48);
        QTest::newRow("smaller than a pixel") << drawn(Wmf().placeable(0, 0, 1, 1, 1440)) << QSize(1, 1);
        QTest::newRow("window in twips")
            << drawn(Wmf().windowOrg(100, 100).windowExt(2880, 1440)) << QSize(192, 96);
        QTest::newRow("box around the drawing") << drawn(Wmf()) << QSize(100, 50);
        QTest::newRow("window set after drawing does not count")
            << Wmf().rect(10, 20, 110, 70).windowExt(2880, 1440).bytes() << QSize(100, 50);
        QTest::newRow("fixed mode's units")
            << Wmf().mapMode(kMmLoMetric).rect(0, 0, 254, -127).bytes() << QSize(96, 48);
    }
    void size() {
        QFETCH(QByteArray, file);
        QFETCH(QSize, size);
        QString error;
        const std::optional<Metafile> m = Metafile::parse(file, &error);
        QVERIFY2(m, qPrintable(error));
        QVERIFY(error.isEmpty());
        QCOMPARE(m->size(), size);
        QCOMPARE(m->toImage().size(), size);
    }

    void framedWithoutPlaceableHeader_data() {
        addProbeColumns();
        QTest::newRow("window in twips")
            << Wmf()
                   .windowOrg(100, 100)
                   .windowExt(1500, 1500)
                   .noPen()
                   .fillWith(kRed)
                   .rect(850, 850, 1600, 1600)
                   .bytes()
            << QList<Probe>{all(QRect(50, 50, 50, 50), kRed), all(49, 49, kClear)};
        QTest::newRow("box around the drawing") << Wmf().noPen().fillWith(kRed).rect(10, 20, 110, 70).bytes()
                                                << QList<Probe>{all(QRect(0, 0, 100, 50), kRed)};
        QTest::newRow("y running up")
            << Wmf()
                   .mapMode(kMmLoMetric)
                   .noPen()
                   .fillWith(kRed)
                   .rect(0, 0, 254, -254)
                   .fillWith(kBlue)
                   .rect(0, -127, 127, -254)
                   .bytes()
            << QList<Probe>{all(QRect(50, 2, 44, 44), kRed), all(QRect(2, 50, 44, 44), kBlue)};
    }
    void framedWithoutPlaceableHeader() { checkProbes(); }

    void drawsWhereAsked() {
        const Metafile m =
            *Metafile::parse(Wmf::pixels(20, 20).noPen().fillWith(kRed).rect(0, 0, 40, 40).bytes());
        QImage image(60, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(kBlue);
        m.draw(painter, QPointF(30, 10));
        painter.drawPoint(0, 0);  // the painter's own state survives
        painter.scale(2, 2);
        m.draw(painter, QPointF(0, 15));
        painter.end();
        QCOMPARE(image.pixelColor(0, 0), kBlue);
        const QString wrong = check(image, all(QRect(30, 10, 20, 20), kRed)) +
                              check(image, all(29, 15, kClear)) + check(image, all(50, 15, kClear)) +
                              check(image, all(QRect(0, 30, 40, 30), kRed)) +
                              check(image, all(41, 45, kClear));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));  // at its own size, clipped to it, and scaled
    }

    void otherProgramsFiles_data() {
        addProbeColumns();
        QTest::addColumn<QSize>("size");
        // Made by LibreOffice Draw from the .fodg drawings beside them (soffice --convert-to wmf); their
        // positions are in centimetres, 37.8 pixels each.
        QTest::newRow("shapes") << readFile(dataFile("shapes.wmf"))
                                << QList<Probe>{all(QRect(22, 22, 70, 70), kRed),
                                                all(246, 57, kBlue),
                                                all(12, 12, kClear),
                                                all(QRect(22, 172, 260, 34), QColor(0, 160, 0)),
                                                some(QRect(94, 94, 114, 68), kBlack),
                                                none(QRect(0, 0, 302, 90), kBlack),
                                                all(5, 220, kClear),
                                                all(215, 20, kClear)}
                                << QSize(302, 227);
        QTest::newRow("page") << readFile(dataFile("page.wmf"))
                              << QList<Probe>{some(QRect(19, 11, 120, 40), QColor(0, 0, 128)),
                                              none(QRect(150, 0, 190, 55), QColor(0, 0, 128)),
                                              some(QRect(19, 60, 150, 30), QColor(224, 0, 0)),
                                              all(QRect(25, 105, 290, 2), kBlack),
                                              all(25, 112, kClear),
                                              some(QRect(19, 120, 190, 40), QColor(255, 128, 0)),
                                              some(QRect(19, 120, 190, 40), kClear),
                                              all(QRect(250, 135, 68, 30), kYellow),
                                              all(QRect(250, 175, 28, 30), QColor(255, 0, 255)),
                                              all(QRect(290, 175, 28, 30), QColor(0, 255, 255))}
                              << QSize(340, 227);
        QTest::newRow("signs") << readFile(dataFile("signs.wmf"))
                               << QList<Probe>{some(QRect(10, 60, 45, 70), kBlack),
                                               all(150, 94, QColor(128, 255, 128)),
                                               all(94, 94, QColor(0, 64, 0)),
                                               all(240, 94, kYellow),
                                               some(QRect(224, 30, 10, 120), kBlack),
                                               all(5, 5, kClear),
                                               none(QRect(60, 0, 30, 189), kBlack)}
                               << QSize(302, 189);
    }
    void otherProgramsFiles() {
        QFETCH(QSize, size);
        QFETCH(QByteArray, file);
        QVERIFY(!file.isEmpty());
        QString error;
        const std::optional<Metafile> m = Metafile::parse(file, &error);
        QVERIFY2(m, qPrintable(error));
        QCOMPARE(m->size(), size);
        checkProbes();
    }

    void turnedTextReadsUpwards() {
        const QImage image = Metafile::load(dataFile("signs.wmf"))->toImage();
        const QRect ink = inkBox(image.copy(0, 0, 70, 189), kBlack);
        QVERIFY2(ink.height() > 3 * ink.width() / 2, "\"UP\" stands on its side");
    }

    void load() {
        QString error;
        QVERIFY(Metafile::load(dataFile("page.wmf"), &error));
        QVERIFY(error.isEmpty());
        QVERIFY(!Metafile::load(dataFile("missing.wmf"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!Metafile::load(QStringLiteral(BRAMBLETON_TEST_DATA), &error));
        QVERIFY(!Metafile::load(dataFile("page.fodg"), &error));
        QVERIFY(!error.isEmpty());
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray good = Wmf::pixels(10, 10).rect(1, 1, 5, 5).bytes();
        const auto patched = [&](int at, const QByteArray& bytes) {
            QByteArray b = good;
            b.replace(at, bytes.size(), bytes);
            return b;
        };
        const int header = 22, records = header + 18;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Plants need water and light to grow.");
        QTest::newRow("a PNG") << QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
        QTest::newRow("placeable header alone") << good.left(header);
        QTest::newRow("placeable key alone") << good.left(4);
        QTest::newRow("wrong checksum") << patched(20, Wmf::word(0x1234));
        QTest::newRow("no units per inch") << Wmf().placeable(0, 0, 10, 10, 0).rect(1, 1, 5, 5).bytes();
        QTest::newRow("empty bounding box") << Wmf().placeable(0, 0, 0, 10, 96).rect(1, 1, 5, 5).bytes();
        QTest::newRow("header of another type") << patched(header, Wmf::word(3));
        QTest::newRow("header of ten words") << patched(header + 2, Wmf::word(10));
        QTest::newRow("unknown version") << patched(header + 4, Wmf::word(0x0200));
        QTest::newRow("file size below the header") << patched(header + 6, Wmf::dword(4));
        QTest::newRow("file size past the end") << patched(header + 6, Wmf::dword(1000));
        QTest::newRow("record of no words") << patched(records, Wmf::dword(0));
        QTest::newRow("record of two words") << patched(records, Wmf::dword(2));
        QTest::newRow("record past the end") << patched(records, Wmf::dword(100));
        QTest::newRow("record of four billion words") << patched(records, Wmf::dword(0xFFFFFFFF));
        QTest::newRow("rectangle without its corners")
            << Wmf::pixels(10, 10).record(kRectangle, {1, 2}).bytes();
        QTest::newRow("polygon of more points than it holds")
            << Wmf::pixels(10, 10).record(kPolygon, {32767, 1, 1, 5, 5}).bytes();
        QTest::newRow("polygon of fewer than no points")
            << Wmf::pixels(10, 10).record(kPolygon, {-3, 1, 1}).bytes();
        QTest::newRow("polypolygon of more polygons than it holds")
            << Wmf::pixels(10, 10).record(kPolyPolygon, {65535, 3}).bytes();
        QTest::newRow("polypolygon of more points than it holds")
            << Wmf::pixels(10, 10).record(kPolyPolygon, {2, 3, 65535, 1, 1, 5, 5, 1, 5}).bytes();
        QTest::newRow("text longer than its record")
            << Wmf::pixels(10, 10).record(kTextOut, {4000, 0x4141, 1, 1}).bytes();
        QTest::newRow("text without its position")
            << Wmf::pixels(10, 10).record(kTextOut, {2, 0x4141}).bytes();
        QTest::newRow("extended text longer than its record")
            << Wmf::pixels(10, 10).record(kExtTextOut, {1, 1, 300, 0, 0x4141}).bytes();
        QTest::newRow("extended text without its box")
            << Wmf::pixels(10, 10).record(kExtTextOut, {1, 1, 0, kEtoOpaque}).bytes();
        QTest::newRow("font without its face")
            << Wmf::pixels(10, 10).record(kCreateFontIndirect, {-10, 0, 0}).bytes();
        QTest::newRow("picture over 16 megapixels")
            << Wmf().placeable(0, 0, 30000, 30000, 96).rect(1, 1, 5, 5).bytes();
        QTest::newRow("picture too wide") << Wmf().placeable(0, 0, 32000, 1, 48).rect(1, 1, 5, 5).bytes();
        QTest::newRow("no frame and nothing drawn") << Wmf().fillWith(kRed).bytes();
        QTest::newRow("no frame and a line") << Wmf().record(kMoveTo, {1, 1}).record(kLineTo, {1, 9}).bytes();
    }
    void refused() {
        QFETCH(QByteArray, file);
        QString error;
        QVERIFY(!Metafile::parse(file, &error));
        QVERIFY(!error.isEmpty());
    }

    // Files that lie about what they hold, within records that are themselves sound: what cannot be
    // drawn is left out, and the rest of the picture is drawn.
    void drawnAsFarAsSound_data() {
        addProbeColumns();
        const auto then = [](Wmf w) { return w.noPen().fillWith(kRed).rect(0, 0, 10, 10).bytes(); };
        const QList<Probe> red{all(5, 5, kRed)};
        const auto bitmap = [&](int width, int height, int bits, quint32 compression = 0,
                                quint32 colours = 0) {
            QByteArray d = Wmf::dword(40) + Wmf::dword(quint32(width)) + Wmf::dword(quint32(height)) +
                           Wmf::word(1) + Wmf::word(bits) + Wmf::dword(compression) + Wmf::dword(0) +
                           Wmf::dword(0) + Wmf::dword(0) + Wmf::dword(colours) + Wmf::dword(0) +
                           QByteArray(64, '\x55');
            return then(Wmf::pixels(20, 20).stretchDib(QRect(0, 0, 20, 20), d, QRect(0, 0, width, height)));
        };
        QTest::newRow("bitmap of 100000 x 100000 pixels") << bitmap(100000, 100000, 24) << red;
        QTest::newRow("bitmap of 5000 x 5000 pixels") << bitmap(5000, 5000, 1) << red;
        // 4100 x 4100 white pixels, all there: over 16 megapixels.
        const QByteArray white = Wmf::dword(40) + Wmf::dword(4100) + Wmf::dword(4100) + Wmf::word(1) +
                                 Wmf::word(1) + Wmf::dword(0) + Wmf::dword(0) + Wmf::dword(0) +
                                 Wmf::dword(0) + Wmf::dword(2) + Wmf::dword(0) + Wmf::dword(0xFFFFFF) +
                                 Wmf::dword(0xFFFFFF) + QByteArray(516 * 4100, '\xFF');
        QTest::newRow("bitmap over 16 megapixels is left out")
            << Wmf::pixels(20, 20)
                   .noPen()
                   .fillWith(kRed)
                   .rect(0, 0, 10, 10)
                   .stretchDib(QRect(0, 0, 20, 20), white, QRect(0, 0, 4100, 4100))
                   .bytes()
            << red;
        QTest::newRow("bitmap shorter than its size") << bitmap(64, 64, 8) << red;
        QTest::newRow("bitmap of negative width") << bitmap(-4, 4, 24) << red;
        QTest::newRow("bitmap of 7 bits a pixel") << bitmap(2, 2, 7) << red;
        QTest::newRow("bitmap with a billion colours") << bitmap(2, 2, 8, 0, 1000000000) << red;
        QTest::newRow("bitmap with bit fields") << bitmap(2, 2, 32, 3) << red;
        QTest::newRow("bitmap header cut short")
            << then(Wmf::pixels(20, 20).stretchDib(QRect(0, 0, 20, 20), Wmf::dword(40) + Wmf::dword(2),
                                                   QRect(0, 0, 2, 2)))
            << red;
        QTest::newRow("palette-indexed bitmap")
            << then(Wmf::pixels(20, 20).raw(kStretchDib, Wmf::dword(kSrcCopy) + Wmf::word(1) +
                                                             QByteArray(16, '\0') +
                                                             dib(kFourIndexed, 8, kFourTable)))
            << red;
        QTest::newRow("object indexes out of range")
            << then(Wmf::pixels(20, 20).select(9999).remove(9999).select(-1).remove(-1)) << red;
        QTest::newRow("unknown records")
            << then(Wmf::pixels(20, 20).record(0x0999, {1, 2, 3}).record(0x0626, {15, 4, 0, 0})) << red;
        QTest::newRow("zero extents")
            << then(Wmf::pixels(20, 20).mapMode(kMmAnisotropic).windowExt(0, 0).viewportExt(0, 0)) << red;
        QTest::newRow("unknown mapping mode") << then(Wmf::pixels(20, 20).mapMode(99)) << red;
        Wmf holes = Wmf::pixels(200, 200).noPen().fillWith(kRed);
        for (int y = 0; y < 200; ++y)
            for (int x = y % 2; x < 200; x += 2) holes.box(kExcludeClipRect, x, y, x + 1, y + 1);
        QTest::newRow("clip stops being cut at 1024 pieces")
            << holes.rect(0, 0, 200, 200).bytes()
            << QList<Probe>{all(0, 0, kClear), all(1, 0, kRed), all(0, 1, kRed), all(1, 199, kRed)};
        Wmf deep = Wmf::pixels(20, 20);
        for (int i = 0; i < 3000; ++i) deep.record(kSaveDc, {});
        deep.fillWith(kBlue);
        for (int i = 0; i < 3000; ++i) deep.record(kRestoreDc, {-1});
        QTest::newRow("saved 3000 levels deep") << then(deep) << red;
    }
    void drawnAsFarAsSound() { checkProbes(); }

    // Coordinates, pens, fonts and scales at their extremes: drawn (or not) without hanging or failing.
    void extremes_data() {
        QTest::addColumn<QByteArray>("file");
        const auto huge = [] {
            return Wmf::pixels(50, 50).mapMode(kMmAnisotropic).windowExt(1, 1).viewportExt(32767, 32767);
        };
        QTest::newRow("huge dashed ellipse")
            << huge().pen(kPsDash, 0, kRed).select(0).box(kEllipse, -32768, -32768, 32767, 32767).bytes();
        QTest::newRow("huge dashed polygon")
            << huge()
                   .pen(kPsDot, 0, kRed)
                   .select(0)
                   .points(kPolygon, {{-32768, -32768}, {32767, 1}, {5, 32767}})
                   .bytes();
        QTest::newRow("huge pen") << huge()
                                         .pen(kPsSolid, 32767, kRed)
                                         .select(0)
                                         .record(kMoveTo, {0, 0})
                                         .record(kLineTo, {1, 1})
                                         .bytes();
        QTest::newRow("huge arc")
            << huge().record(kArc, {-32768, 5, -5, 32767, 32767, 32767, -32768, -32768}).bytes();
        QTest::newRow("huge text") << huge().font(-32767).select(0).text(0, 0, QByteArray(2000, 'W')).bytes();
        QTest::newRow("huge clip offset") << huge()
                                                 .box(kIntersectClipRect, 0, 0, 1, 1)
                                                 .record(kOffsetClipRgn, {32767, 32767})
                                                 .record(kOffsetClipRgn, {32767, 32767})
                                                 .rect(0, 0, 1, 1)
                                                 .bytes();
        Wmf scaled = Wmf::pixels(50, 50).mapMode(kMmAnisotropic);
        for (int i = 0; i < 200; ++i) scaled.record(kScaleViewportExt, {1, 32767, 1, 32767});
        for (int i = 0; i < 200; ++i) scaled.record(kScaleWindowExt, {32767, 1, 32767, 1});
        for (int i = 0; i < 200; ++i) scaled.record(kOffsetWindowOrg, {32767, 32767});
        QTest::newRow("scaled and offset without end") << scaled.rect(0, 0, 10, 10).text(0, 0, "H").bytes();
        QTest::newRow("tiny scale") << Wmf::pixels(50, 50)
                                           .mapMode(kMmAnisotropic)
                                           .windowExt(32767, 32767)
                                           .viewportExt(1, 1)
                                           .font(-30)
                                           .select(0)
                                           .text(0, 0, "HHH")
                                           .rect(0, 0, 100, 100)
                                           .bytes();
        QTest::newRow("huge bitmap stretch")
            << huge()
                   .stretchDib(QRect(-32768, -32768, 32767, 32767), dib(kFour, 24), QRect(0, 0, 2, 2))
                   .bytes();
        Wmf holes = Wmf::pixels(200, 200);
        for (int y = 0; y < 200; ++y)
            for (int x = y % 2; x < 200; x += 2)
                holes.box(kExcludeClipRect, x, y, x + 1, y + 1).rect(0, 0, 1, 1);
        QTest::newRow("clip cut into 20000 pieces") << holes.bytes();
        Wmf many = Wmf::pixels(50, 50).objects(65535);
        for (int i = 0; i < 4000; ++i) many.brush(kBsSolid, kRed).remove(0);
        QTest::newRow("objects made and deleted many times") << many.rect(0, 0, 5, 5).bytes();
    }
    void extremes() {
        QFETCH(QByteArray, file);
        const std::optional<Metafile> m = Metafile::parse(file);
        QVERIFY(m);
        QVERIFY(!m->toImage().isNull());
    }

    // Every real file cut short at every length: refused, since the header tells the length.
    void truncated() {
        for (const char* name : {"shapes.wmf", "page.wmf", "signs.wmf"}) {
            const QByteArray file = readFile(dataFile(name));
            QVERIFY(Metafile::parse(file));
            for (qsizetype n = 0; n < file.size(); ++n) {
                QString error;
                QVERIFY2(!Metafile::parse(file.left(n), &error), name);
                QVERIFY(!error.isEmpty());
            }
        }
    }

    // The same, with the header's length made to agree: the record walk meets a record cut short. Those
    // that are taken (cut between records) draw.
    void truncatedWithAgreeingHeader() {
        for (const char* name : {"shapes.wmf", "page.wmf", "signs.wmf"}) {
            const QByteArray file = readFile(dataFile(name));
            int taken = 0, refused = 0;
            for (qsizetype n = 40; n < file.size(); ++n) {
                QByteArray cut = file.left(n);
                qToLittleEndian<quint32>(quint32((n - 22) / 2), cut.data() + 22 + 6);
                QString error;
                const std::optional<Metafile> m = Metafile::parse(cut, &error);
                if (m) {
                    ++taken;
                    QVERIFY(error.isEmpty());
                    QImage small(40, 40, QImage::Format_ARGB32_Premultiplied);
                    QPainter painter(&small);
                    painter.scale(0.1, 0.1);
                    m->draw(painter);
                } else {
                    ++refused;
                    QVERIFY(!error.isEmpty());
                }
            }
            QVERIFY(taken > 20);
            QVERIFY(refused > taken);
        }
    }

    // Every byte of a real file set to values that lie: loads or is refused, and what loads draws.
    void corrupted() {
        const QByteArray file = readFile(dataFile("page.wmf"));
        QImage small(40, 40, QImage::Format_ARGB32_Premultiplied);
        for (qsizetype i = 0; i < file.size(); ++i) {
            for (char value : {char(0x00), char(0xFF), char(0x80)}) {
                QByteArray bad = file;
                bad[i] = value;
                QString error;
                const std::optional<Metafile> m = Metafile::parse(bad, &error);
                QCOMPARE(error.isEmpty(), m.has_value());
                if (m) {
                    QPainter painter(&small);
                    painter.scale(0.1, 0.1);
                    m->draw(painter);
                }
            }
        }
    }
};

QTEST_MAIN(TestMetafile)
#include "tst_metafile.moc"
