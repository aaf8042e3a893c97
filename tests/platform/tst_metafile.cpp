#include <QFile>
#include <QPainter>
#include <QTest>
#include <QtEndian>

#include "metafile.h"

using namespace bt;

namespace {

// Record functions, as the files store them, and the values their words take.
constexpr quint16 kSaveDc = 0x001E, kRestoreDc = 0x0127, kSetTextAlign = 0x012E, kSetBkColor = 0x0201,
                  kSetTextColor = 0x0209, kOffsetClipRgn = 0x0220, kPolygon = 0x0324, kPolyline = 0x0325,
                  kScaleWindowExt = 0x0410, kScaleViewportExt = 0x0412, kExcludeClipRect = 0x0415,
                  kIntersectClipRect = 0x0416, kEllipse = 0x0418, kRectangle = 0x041B, kTextOut = 0x0521,
                  kPolyPolygon = 0x0538, kRoundRect = 0x061C, kArc = 0x0817, kExtTextOut = 0x0A32;
constexpr int kMmAnisotropic = 8, kPsSolid = 0, kPsDash = 1, kPsNull = 5, kBsSolid = 0, kBsNull = 1,
              kTransparent = 1, kOpaque = 2, kTaBaseline = 24;
using enum Qt::GlobalColor;  // red is 255, 0, 0 and so on; transparent is clear black

const auto word = [](int v) { return QByteArray(1, char(v)) + char(v >> 8); };
const auto dword = [](quint32 v) { return word(int(v)) + word(int(v >> 16)); };
QByteArray words(const QList<int>& list) {
    QByteArray out;
    for (int v : list) out += word(v);
    return out;
}

// Writes metafiles record by record. record() takes the words in the order the file stores them; the
// other helpers take points as x before y and boxes as left, top, right, bottom. The placeable header's
// box is left, top, right, bottom and units per inch; without one the file has no placeable header.
class Wmf {
  public:
    explicit Wmf(const QList<int>& placeable = {}, int objects = 16) : box_(placeable), objects_(objects) {}
    Wmf& raw(quint16 function, QByteArray p) {
        p += QByteArray(p.size() % 2, '\0');
        records_ += dword(quint32(3 + p.size() / 2)) + word(function) + p;
        // Objects take the slots in order while nothing is deleted: fill() and line() select them so.
        if (function == 0x02FA || function == 0x02FB || function == 0x02FC) last_ = made_++;
        return *this;
    }
    Wmf& record(quint16 function, const QList<int>& w) { return raw(function, words(w)); }
    Wmf& mapMode(int mode) { return record(0x0103, {mode}); }
    Wmf& windowOrg(int x, int y) { return record(0x020B, {y, x}); }
    Wmf& windowExt(int x, int y) { return record(0x020C, {y, x}); }
    Wmf& viewportOrg(int x, int y) { return record(0x020D, {y, x}); }
    Wmf& viewportExt(int x, int y) { return record(0x020E, {y, x}); }
    Wmf& offsetWindowOrg(int x, int y) { return record(0x020F, {y, x}); }
    Wmf& moveTo(int x, int y) { return record(0x0214, {y, x}); }
    Wmf& lineTo(int x, int y) { return record(0x0213, {y, x}); }
    Wmf& pen(int style, int w, QColor c) { return record(0x02FA, {style, w, 0, rg(c), c.blue()}); }
    Wmf& brush(int style, QColor c) { return record(0x02FC, {style, rg(c), c.blue(), 0}); }
    Wmf& font(int height, bool underline = false) {
        const QByteArray face = QByteArray("Liberation Sans").leftJustified(32, '\0');
        return raw(0x02FB, words({height, 0, 0, 0, 400, underline << 8, 0, 0, 0}) + face);
    }
    Wmf& select(int index) { return record(0x012D, {index}); }
    Wmf& remove(int index) { return record(0x01F0, {index}); }
    Wmf& fill(QColor c) { return brush(kBsSolid, c).select(last_); }  // made and selected
    Wmf& hollow() { return brush(kBsNull, black).select(last_); }
    Wmf& line(int style, int width, QColor c) { return pen(style, width, c).select(last_); }
    Wmf& noPen() { return line(kPsNull, 0, black); }
    Wmf& bk(int mode) { return record(0x0102, {mode}); }
    Wmf& colour(quint16 function, QColor c) { return record(function, {rg(c), c.blue()}); }
    Wmf& box(quint16 function, int l, int t, int r, int b) { return record(function, {b, r, t, l}); }
    Wmf& rect(int l, int t, int r, int b) { return box(kRectangle, l, t, r, b); }
    Wmf& text(int x, int y, const QByteArray& s) {
        return raw(kTextOut, word(int(s.size())) + s + QByteArray(s.size() % 2, '\0') + words({y, x}));
    }
    // STRETCHDIB (SRCCOPY) of the source box of a packed bitmap into the destination box.
    Wmf& stretchDib(QRect to, const QByteArray& dib, QRect from, int usage = 0) {
        return raw(0x0F43, dword(0x00CC0020) +
                               words({usage, from.height(), from.width(), from.y(), from.x()}) +
                               words({to.height(), to.width(), to.y(), to.x()}) + dib);
    }
    operator QByteArray() const {
        QByteArray out = box_.isEmpty() ? QByteArray() : dword(0x9AC6CDD7) + word(0) + words(box_) + dword(0);
        quint16 sum = 0;
        for (int i = 0; i < out.size() / 2; ++i) sum ^= qFromLittleEndian<quint16>(out.constData() + 2 * i);
        if (!box_.isEmpty()) out += word(sum);
        const QByteArray body = records_ + dword(3) + word(0);
        return out + words({1, 9, 0x0300}) + dword(quint32(9 + body.size() / 2)) +
               words({objects_, 0, 0, 0}) + body;
    }
    static int rg(QColor c) { return c.red() | c.green() << 8; }

  private:
    QList<int> box_;
    int objects_;
    QByteArray records_;
    int made_ = 0, last_ = -1;
};

const auto px = [](int w = 100, int h = 0) { return Wmf({0, 0, w, h ? h : w, 96}); };  // units are pixels

// A bitmap's header: width, height (below 0 for the top row first), bits a pixel, compression, colours.
QByteArray header(int width, int height, int bits, int compression = 0, quint32 colours = 0) {
    return dword(40) + dword(width) + dword(height) + words({1, bits, compression, 0, 0, 0, 0, 0, 0, 0}) +
           dword(colours) + dword(0);
}
// A bitmap of rows (top first) of 32-bit colours or, with a table, indexes; stored top row first if down.
QByteArray dib(const QList<QList<QRgb>>& rows, int bits, const QList<QRgb>& table = {}, bool down = false) {
    const int w = int(rows[0].size()), h = int(rows.size()), stride = (w * bits + 31) / 32 * 4;
    QByteArray out = header(w, down ? -h : h, bits, 0, quint32(table.size()));
    for (QRgb c : table) out += dword(c & 0xFFFFFF);
    for (int k = 0; k < h; ++k) {
        QByteArray line(stride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb c = rows[down ? k : h - 1 - k][x];
            quint32 v = bits == 16 ? qRed(c) >> 3 << 10 | qGreen(c) >> 3 << 5 | qBlue(c) >> 3 : c & 0xFFFFFF;
            if (bits < 8) line[x * bits / 8] = char(line[x * bits / 8] | v << (8 - bits - x * bits % 8));
            for (int i = 0; i < bits / 8; ++i) line[x * bits / 8 + i] = char(v >> 8 * i);
        }
        out += line;
    }
    return out;
}

// What an area of the picture must show: every pixel, some pixel or no pixel near a colour.
struct Probe {
    enum Kind { All, Some, None } kind;
    QRect area;
    QColor colour;
};
const auto all = [](QRect area, QColor c) { return Probe{Probe::All, area, c}; };
const auto at = [](int x, int y, QColor c) { return Probe{Probe::All, {x, y, 1, 1}, c}; };
const auto clear = [](int x, int y) { return at(x, y, transparent); };
const auto some = [](QRect area, QColor c) { return Probe{Probe::Some, area, c}; };
const auto none = [](QRect area, QColor c) { return Probe{Probe::None, area, c}; };
bool holds(const QImage& image, const Probe& p) {
    const QRect area = p.area & image.rect();
    int n = 0, tolerance = p.kind == Probe::All ? 16 : 40;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor a = image.pixelColor(x, y), c = p.colour;
            n += std::max({std::abs(a.red() - c.red()), std::abs(a.green() - c.green()),
                           std::abs(a.blue() - c.blue()), std::abs(a.alpha() - c.alpha())}) <= tolerance;
        }
    }
    if (p.kind == Probe::All) return n == area.width() * area.height() && n > 0;
    return (n > 0) == (p.kind == Probe::Some);
}

// A row of a table of pictures: taken, at the size given if any, and showing what the probes ask.
void row(const char* name, const QByteArray& file, const QList<Probe>& probes, QSize size = {}) {
    QTest::newRow(name) << file << probes << size;
}
QByteArray readFile(const char* name) {
    QFile f(QStringLiteral(BRAMBLETON_TEST_DATA "/wmf/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// 1: taken, and the picture draws (small); 0: refused, with a reason; -1: neither.
int takes(const QByteArray& bytes) {
    QString error;
    const std::optional<Metafile> m = Metafile::parse(bytes, &error);
    QImage small(40, 40, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&small);
    painter.scale(0.1, 0.1);
    if (m) m->draw(painter);
    return error.isEmpty() == m.has_value() ? int(m.has_value()) : -1;
}

}  // namespace
Q_DECLARE_METATYPE(Probe)

class TestMetafile : public QObject {
    Q_OBJECT

    static void columns() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<Probe>>("probes");
        QTest::addColumn<QSize>("size");
    }
    static void checkPicture() {
        QFETCH(QByteArray, file);
        QFETCH(QList<Probe>, probes);
        QFETCH(QSize, size);
        QString error;
        const std::optional<Metafile> m = Metafile::parse(file, &error);
        QVERIFY2(m, qPrintable(error));
        if (size.isValid()) QCOMPARE(m->size(), size);
        const QImage image = m->toImage();
        for (int i = 0; i < probes.size(); ++i) QVERIFY2(holds(image, probes[i]), QByteArray::number(i));
    }

  private Q_SLOTS:
    void drawing_data() {
        columns();
        row("rectangle: left and top edges in", px().noPen().fill(red).rect(10, 10, 50, 40),
            {all({10, 10, 40, 30}, red), clear(50, 20), clear(20, 40), clear(9, 20), clear(20, 9)});
        row("default pen: a pixel inside the box; default brush: white", px().rect(10, 10, 50, 40),
            {all({10, 10, 40, 1}, black), all({49, 10, 1, 30}, black), all({11, 11, 38, 28}, white)});
        row("wide pen on the edge; hollow brush", px().line(kPsSolid, 10, red).hollow().rect(20, 20, 80, 80),
            {at(16, 50, red), at(24, 50, red), clear(12, 50), clear(50, 50)});
        row("ellipse", px().noPen().fill(blue).box(kEllipse, 10, 10, 90, 60),
            {all({30, 25, 40, 20}, blue), clear(12, 12), clear(87, 57), at(11, 35, blue), at(88, 35, blue)});
        row("rounded rectangle", px().noPen().fill(green).record(kRoundRect, {30, 30, 90, 90, 10, 10}),
            {clear(11, 11), at(50, 11, green), at(11, 50, green), clear(88, 88)});
        const QList<int> quad{4, 10, 10, 50, 10, 50, 50, 10, 90};
        row("polygon", px().line(kPsSolid, 0, black).fill(red).record(kPolygon, quad),
            {all({10, 10, 41, 1}, black), all({50, 10, 1, 41}, black), at(30, 30, red), clear(40, 70)});
        // The squares run the same way round: the inner one is a hole by the default, alternate, fill only.
        const QList<int> squares{2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70};
        row("polypolygon with a hole", px().noPen().fill(blue).record(kPolyPolygon, squares),
            {at(20, 20, blue), at(80, 50, blue), clear(50, 50)});
        const Wmf lines = px().line(kPsSolid, 3, red).fill(blue).moveTo(10, 50).lineTo(90, 50);
        row("lines and polylines: through their points, not closed or filled",
            Wmf(lines).lineTo(90, 90).record(kPolyline, {3, 10, 10, 40, 10, 40, 40}),
            {all({20, 50, 60, 1}, red), at(90, 70, red), at(25, 10, red), at(40, 25, red), clear(50, 45),
             clear(5, 50), clear(20, 70), clear(25, 25), none({0, 0, 100, 100}, blue)});
        const Wmf clip = px().windowExt(200, 200).box(kIntersectClipRect, 20, 40, 120, 140);
        row("clip rectangles intersect, in logical units",
            Wmf(clip).box(kIntersectClipRect, 0, 0, 100, 120).noPen().fill(red).rect(-10, -10, 300, 300),
            {all({10, 20, 40, 40}, red), clear(9, 30), clear(50, 30), clear(30, 19), clear(30, 60)});
        // Each row from here ends with a rectangle in the brush named; most start with red chosen and saved.
        const auto filled = [](const char* name, Wmf w, QColor c) {
            row(name, w.rect(10, 10, 30, 30), {all({10, 10, 20, 20}, c)});
        };
        const auto saved = [] { return px(40).noPen().fill(red).record(kSaveDc, {}); };
        const Wmf changed = saved().fill(blue).windowExt(400, 400).box(kIntersectClipRect, 0, 0, 5, 5);
        filled("RESTOREDC brings back the brush, the mapping and the clip",
               Wmf(changed).rect(0, 0, 1, 1).record(kRestoreDc, {-1}), red);
        filled("RESTOREDC past what was saved is ignored", saved().fill(blue).record(kRestoreDc, {-2}), blue);
        filled("deleted slot refilled", saved().fill(green).remove(2).brush(kBsSolid, blue).select(2), blue);
        filled("selecting or deleting what is not there is ignored",
               saved().brush(kBsSolid, blue).remove(2).select(2).select(500).select(-1).remove(500), red);
        filled("full object table", Wmf({0, 0, 40, 40, 96}, 2).noPen().fill(red).fill(blue), red);
        // A 2 x 2 bitmap over (10, 10, 40, 40) in a 60 x 60 picture: each quadrant its pixel's colour.
        const QList<QRgb> four{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
        const QList<QList<QRgb>> pic{{four[0], four[1]}, {four[2], four[3]}};
        const QRect dest(10, 10, 40, 40);
        for (int bits : {1, 4, 8, 16, 24, 32}) {  // two colours in a chequer at 1 bit; 32 bits top row first
            const QList<QRgb> table = bits == 1 ? QList<QRgb>{four[0], four[2]} : four;
            const QList<QList<QRgb>> indexes{{0, 1}, {bits == 1 ? 1u : 2u, bits == 1 ? 0u : 3u}};
            QList<Probe> quads{clear(9, 9), clear(50, 50)};
            for (int i = 0; i < 4; ++i)
                quads << all({10 + i % 2 * 20, 10 + i / 2 * 20, 20, 20}, table[int(indexes[i / 2][i % 2])]);
            const QByteArray bitmap = bits <= 8 ? dib(indexes, bits, table) : dib(pic, bits, {}, bits == 32);
            row(QByteArray::number(bits) + "-bit", px(60).stretchDib(dest, bitmap, {0, 0, 2, 2}), quads);
        }
        row("index past the table", px(60).stretchDib(dest, dib({{0, 200}}, 8, {four[0]}), {0, 0, 2, 1}),
            {at(15, 30, red), at(35, 30, black)});
        row("source rows of a bottom-up bitmap count from the bottom",
            px(60).stretchDib(dest, dib(pic, 24), {1, 0, 1, 1}), {all(dest, white)});
    }
    void drawing() { checkPicture(); }

    // Each row fills a logical box with red, which must cover an area of the 100 x 100 picture and no more.
    void mapping_data() {
        columns();
        const auto covers = [](const char* name, Wmf w, QRect box, QRect a) {
            const int x = a.center().x(), y = a.center().y();
            row(name, w.noPen().fill(red).rect(box.left(), box.top(), box.right() + 1, box.bottom() + 1),
                {all(a.adjusted(1, 1, -1, -1), red), clear(a.left() - 2, y), clear(a.right() + 2, y),
                 clear(x, a.top() - 2), clear(x, a.bottom() + 2)});
        };
        covers("placeable box", Wmf({-500, 1000, 500, 2000, 960}), {-300, 1200, 500, 300}, {20, 20, 50, 30});
        covers("window", px().mapMode(kMmAnisotropic).windowOrg(100, 100).windowExt(200, 400),
               {120, 140, 100, 200}, {10, 10, 50, 50});
        covers("negative window extent", px().windowOrg(0, 100).windowExt(100, -100), {10, 10, 30, 20},
               {10, 70, 30, 20});
        covers("viewport, in pixels", px().windowExt(1000, 1000).viewportOrg(10, 20).viewportExt(50, 50),
               {0, 0, 1000, 1000}, {10, 20, 50, 50});
        covers("zero extents are ignored", px().windowExt(200, 200).windowExt(0, 0).viewportExt(0, 50),
               {20, 20, 100, 100}, {10, 10, 50, 50});
        // The fixed modes, 2 to 6: half an inch (48 pixels) square, y running up from the viewport origin.
        const char* modes[] = {"MM_LOMETRIC", "MM_HIMETRIC", "MM_LOENGLISH", "MM_HIENGLISH", "MM_TWIPS"};
        const int h[] = {127, 1270, 50, 500, 720};
        for (int i = 0; i < 5; ++i)
            covers(modes[i], px().mapMode(2 + i).viewportOrg(10, 90), {0, 0, h[i], h[i]}, {10, 42, 48, 48});
        // A picture's own size, and what it shows there.
        row("placeable, 1000 to the inch", Wmf({0, 0, 1000, 500, 1000}).rect(10, 20, 110, 70), {}, {96, 48});
        const Wmf twips = Wmf().windowOrg(100, 100).windowExt(1500, 1500).noPen().fill(red);
        row("window in twips", Wmf(twips).rect(850, 850, 1600, 1600),
            {all({50, 50, 50, 50}, red), clear(49, 49)}, {100, 100});
        row("window set after drawing", Wmf().rect(10, 20, 110, 70).windowExt(2880, 1440), {}, {100, 50});
        const Wmf up = Wmf().mapMode(2).noPen().fill(red).rect(0, 0, 254, -254).fill(blue);  // MM_LOMETRIC
        row("box around the drawing in a fixed mode, y running up", Wmf(up).rect(0, -127, 127, -254),
            {all({50, 2, 44, 44}, red), all({2, 50, 44, 44}, blue)}, {96, 96});
        // Made by LibreOffice Draw from the .fodg drawings beside them (see the README there); their
        // positions are in centimetres, 37.8 pixels each. The "UP" of signs.wmf is turned by its font.
        const auto made = [](const char* name, QSize size, const QList<Probe>& probes) {
            row(name, readFile(name), probes, size);
        };
        made("shapes.wmf", {302, 227},
             {all({22, 22, 70, 70}, red), at(246, 57, blue), all({22, 172, 260, 34}, QColor(0, 160, 0)),
              some({94, 94, 114, 68}, black), none({0, 0, 302, 90}, black)});
        made("page.wmf", {340, 227},
             {some({19, 11, 120, 40}, QColor(0, 0, 128)), none({150, 0, 190, 55}, QColor(0, 0, 128)),
              some({19, 60, 150, 30}, QColor(224, 0, 0)), all({25, 105, 290, 2}, black), clear(25, 112),
              all({250, 135, 68, 30}, yellow)});
        made("signs.wmf", {302, 189},
             {some({10, 60, 45, 70}, black), at(150, 94, QColor(128, 255, 128)), at(240, 94, yellow),
              some({224, 30, 10, 120}, black), none({60, 0, 30, 189}, black)});
    }
    void mapping() { checkPicture(); }

    // "HHH" 30 pixels high at (100, 50) of a 200 x 100 picture.
    void text_data() {
        columns();
        const auto hhh = [](Wmf w) { return w.text(100, 50, "HHH"); };
        const auto base = [](int align = 0) {
            return px(200, 100).bk(kTransparent).font(-30).select(0).record(kSetTextAlign, {align});
        };
        const QRect left(0, 0, 100, 100), right(101, 0, 99, 100);
        row("TA_LEFT, TA_TOP; transparent background", hhh(base().colour(kSetBkColor, yellow)),
            {some(right, black), none(left, black), none({0, 0, 200, 54}, black), none(right, yellow)});
        row("TA_BASELINE", hhh(base(kTaBaseline)),
            {some({0, 46, 200, 4}, black), none({0, 51, 200, 49}, black)});
        row("text colour", hhh(base().colour(kSetTextColor, red)), {some(right, red), none(right, black)});
        row("opaque background", hhh(base().bk(kOpaque).colour(kSetBkColor, yellow)),
            {at(101, 51, yellow), some(right, black), none(left, yellow)});
        row("character widths", base().record(kExtTextOut, {50, 10, 2, 0, 0x4848, 100, 30}),
            {some({10, 50, 30, 50}, black), none({40, 0, 68, 100}, black), some({110, 50, 30, 50}, black)});
        row("underline draws under blanks, plain blanks draw nothing",
            base().font(-30, true).select(1).text(10, 10, "   ").select(0).text(110, 10, "   "),
            {some(left, black), none(right, black)});
        // A capital H on the baseline at y 60 of a 100 x 100 picture: its top tells its height. Liberation
        // Sans' capitals are 0.72 of the character height, and the cell is 1.15 of that.
        const auto h = [](const char* name, int height, int extent, int top) {
            const Wmf w = px().windowExt(extent, extent).bk(kTransparent).font(height).select(0);
            row(name, Wmf(w).record(kSetTextAlign, {kTaBaseline}).text(extent / 5, extent * 3 / 5, "H"),
                {none({0, 0, 100, top}, black), some({0, top, 100, 4}, black)});
        };
        h("character height", -40, 100, 30);
        h("cell height", 40, 100, 34);
        h("height follows the mapping", -80, 200, 30);
    }
    void text() { checkPicture(); }
    // At its own size from the point given, clipped to it, scaled with the painter, whose state survives.
    void drawsWhereAsked() {
        QImage image(60, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(blue);
        painter.scale(2, 2);
        Metafile::parse(px(20).noPen().fill(red).rect(0, 0, 40, 40))->draw(painter, QPointF(5, 5));
        painter.drawPoint(1, 1);
        painter.end();
        for (Probe p : {all({10, 10, 40, 40}, red), clear(9, 30), clear(50, 30), at(2, 2, blue)})
            QVERIFY(holds(image, p));
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray good = px(10).rect(1, 1, 5, 5);
        const auto patched = [&](int at, QByteArray b) { return QByteArray(good).replace(at, b.size(), b); };
        const auto with = [](quint16 f, const QList<int>& w) { return QByteArray(px(10).record(f, w)); };
        const auto framed = [](const QList<int>& box) { return QByteArray(Wmf(box).rect(1, 1, 5, 5)); };
        const int header = 22, records = header + 18;
        QTest::newRow("wrong checksum") << patched(20, word(0x1234));
        QTest::newRow("no units per inch") << framed({0, 0, 10, 10, 0});
        QTest::newRow("empty bounding box") << framed({0, 0, 0, 10, 96});
        QTest::newRow("unknown version") << patched(header + 4, word(0x0200));
        QTest::newRow("file size below the header") << patched(header + 6, dword(4));
        QTest::newRow("record shorter than its own header") << patched(records, dword(2));
        QTest::newRow("record of four billion words") << patched(records, dword(0xFFFFFFFF));
        QTest::newRow("rectangle without its corners") << with(kRectangle, {1, 2});
        QTest::newRow("polygon of more points than it holds") << with(kPolygon, {32767, 1, 1, 5, 5});
        QTest::newRow("polypolygon of more polygons than it holds") << with(kPolyPolygon, {65535, 3});
        QTest::newRow("text longer than its record") << with(kTextOut, {4000, 0x4141, 1, 1});
        QTest::newRow("extended text longer than its record") << with(kExtTextOut, {1, 1, 300, 0, 0x4141});
        QTest::newRow("picture over 16 megapixels") << framed({0, 0, 30000, 30000, 96});
        QTest::newRow("no frame and nothing drawn") << QByteArray(Wmf().fill(red));
    }
    void refused() {
        QFETCH(QByteArray, file);
        QCOMPARE(takes(file), 0);
    }

    // Sound records that lie or go to extremes: taken and drawn without hanging, what cannot be drawn left
    // out. A red square is drawn after what is left out, or before a bitmap left out (it would cover it).
    void survived_data() {
        columns();
        const Wmf square = px(20).noPen().fill(red).rect(0, 0, 10, 10);
        const auto bitmap = [&](const char* name, const QByteArray& bits, int usage = 0) {
            row(name, Wmf(square).stretchDib({0, 0, 20, 20}, bits + "UUUUUUUU", {0, 0, 2, 2}, usage),
                {at(5, 5, red)});
        };
        bitmap("bitmap of 100000 x 100000 pixels", header(100000, 100000, 24));
        bitmap("over 16 megapixels, all there", header(4100, 4100, 1, 0, 2) + QByteArray(516 * 4100, 'U'));
        bitmap("bitmap shorter than its size", header(64, 64, 24));
        bitmap("bitmap of negative width", header(-4, 4, 24));
        bitmap("bitmap of 7 bits a pixel", header(2, 2, 7));
        bitmap("bitmap with a billion colours", header(2, 2, 8, 0, 1000000000));
        bitmap("compressed bitmap", header(2, 2, 8, 1));
        bitmap("palette-indexed bitmap", dib({{0, 1}, {2, 3}}, 8, {1, 2, 3, 4}), 1);
        const Wmf unknown = px(20).record(0x0999, {1, 2, 3}).record(0x0626, {15, 4, 0, 0});
        row("unknown records", Wmf(unknown).noPen().fill(red).rect(0, 0, 10, 10), {at(5, 5, red)});
        Wmf deep = px(20), holes = px(200).noPen().fill(red), cut = px(200);
        for (int i = 0; i < 3000; ++i) deep.record(kSaveDc, {});
        deep.fill(blue);
        for (int i = 0; i < 3000; ++i) deep.record(kRestoreDc, {-1});
        row("saved 3000 levels deep", deep.noPen().fill(red).rect(0, 0, 10, 10), {at(5, 5, red)});
        for (int y = 0; y < 200; ++y)
            for (int x = y & 1; x < 200; x += 2) holes.box(kExcludeClipRect, x, y, x + 1, y + 1);
        for (int y = 0; y < 200; ++y)
            for (int x = y & 1; x < 200; x += 2)
                cut.box(kExcludeClipRect, x, y, x + 1, y + 1).rect(0, 0, 1, 1);
        row("clip stops being cut at 1024 pieces", holes.rect(0, 0, 200, 200),
            {clear(0, 0), at(1, 0, red), at(0, 1, red), at(1, 199, red)});
        row("clip cut into 20000 pieces, drawing all along", cut, {});
        // Everything mapped 32767 times over; then everything scaled down and moved without end.
        const int m = -32768, n = 32767;
        Wmf huge = px(50).mapMode(kMmAnisotropic).viewportExt(n, n).windowExt(1, 1).line(kPsDash, 0, red);
        huge.box(kEllipse, m, m, n, n).line(kPsSolid, n, red).moveTo(0, 0).lineTo(1, 1);
        huge.record(kArc, {m, 5, -5, n, n, n, m, m}).font(-n).select(2).text(0, 0, QByteArray(2000, 'W'));
        huge.stretchDib({m, m, n, n}, dib({{1, 2}}, 24), {0, 0, 2, 1}).box(kIntersectClipRect, 0, 0, 1, 1);
        huge.record(kOffsetClipRgn, {n, n}).record(kOffsetClipRgn, {n, n}).rect(0, 0, 1, 1);
        row("coordinates, pens, text and bitmaps at 32767 times over", huge, {});
        Wmf tiny = px(50).mapMode(kMmAnisotropic).windowExt(n, n).viewportExt(1, 1).font(-30).select(0);
        for (int i = 0; i < 200; ++i) tiny.record(kScaleViewportExt, {1, n, 1, n});
        for (int i = 0; i < 200; ++i) tiny.record(kScaleWindowExt, {n, 1, n, 1}).offsetWindowOrg(n, n);
        row("scaled down and moved without end", tiny.text(0, 0, "H").rect(0, 0, 10, 10), {});
    }
    void survived() { checkPicture(); }
    // Each real file loads; cut at any length it is refused, as its header tells the length. With the header
    // made to agree, or with a byte of page.wmf set to a value that lies, it is refused or taken and drawn.
    void damaged() {
        for (const char* name : {"shapes.wmf", "page.wmf", "signs.wmf"}) {
            const QByteArray file = readFile(name);
            QVERIFY(Metafile::load(QStringLiteral(BRAMBLETON_TEST_DATA "/wmf/") + QLatin1String(name)));
            int taken = 0, t;
            for (qsizetype n = 0; n < file.size(); ++n) {
                QByteArray cut = file.left(n);
                QVERIFY2(takes(cut) == 0, name);
                if (n < 40) continue;
                qToLittleEndian<quint32>(quint32((n - 22) / 2), cut.data() + 22 + 6);
                QVERIFY((t = takes(cut)) >= 0);
                taken += t;
            }
            QVERIFY2(taken > 20 && 2 * taken < file.size() - 40, qPrintable(QString::number(taken)));
        }
        const QByteArray file = readFile("page.wmf");
        for (qsizetype i = 0; i < file.size(); ++i)
            for (char v : {'\0', '\x80', '\xFF'}) QVERIFY(takes(QByteArray(file).replace(i, 1, &v, 1)) >= 0);
    }
};

QTEST_MAIN(TestMetafile)
#include "tst_metafile.moc"
