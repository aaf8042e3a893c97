#!/usr/bin/env python3
"""Make Brambleton's teacher pages as Windows metafiles.

Each page is written in tools/pages/<name>.txt in the small markup that
tools/pages/README.md describes.  For every page this script lays the
text out twice and writes two placeable Windows metafiles:

  content/wmf/<name>.wmf    the screen version: yellow and white text for
                            the teacher screen and the guide, drawn over
                            the program's dark blue background;
  content/wmf2/<name>.wmf   the print version: black text on white, for
                            an A4 page.

Logical units are twips (1440 to the inch) and the placeable header says
1440 units to the inch, so each picture's own size is its bounding box in
twips (15 twips = 1 screen pixel).

Only plain 16-bit records are written: SETWINDOWORG, SETWINDOWEXT,
SETMAPMODE, SETBKMODE, SETTEXTALIGN, SETTEXTCOLOR, CREATEFONTINDIRECT,
CREATEPENINDIRECT, CREATEBRUSHINDIRECT, SELECTOBJECT, DELETEOBJECT,
ROUNDRECT, ELLIPSE, POLYGON, MOVETO, LINETO, EXTTEXTOUT (with a width for
every character) and EOF; RECTANGLE only in preview files.  Text is
Windows-1252 and is placed by the top of its character cell (TA_TOP, the
default alignment).

Line breaking needs text widths.  They come from font_metrics.txt beside
this script: the advance width of every Windows-1252 character in each
font used, in font units.  `make_pages.py --measure` remakes that table
from TrueType files installed on this machine (Debian packages
fonts-wine and fonts-liberation2); the pages themselves are always laid
out from the table, so the output is the same on every machine.

Usage:
  make_pages.py                 write all pages into content/wmf, content/wmf2
  make_pages.py NAME ...        only the named pages (e.g. "key parts")
  make_pages.py --preview DIR   also write copies with the screen colour
                                filled in behind the screen pages, for
                                checking by eye (DIR/wmf, DIR/wmf2)
  make_pages.py --measure       remake font_metrics.txt from the font files
  make_pages.py --fit           print how full each column is
  make_pages.py --lenient       lay out a page that does not fit instead of
                                stopping, and say so; writes nothing into
                                content/ (for drafting, with --preview)

Only the Python standard library is used.
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
METRICS_FILE = os.path.join(HERE, "font_metrics.txt")

PAGES = [
    "introduction",
    "acknowledgments",
    "key parts",
    "key locality",
    "parts",
    "locality",
    "guide1",
    "guide2",
    "guide3",
]

# Font files measured by --measure.  Times New Roman and Arial are measured
# from Liberation Serif and Liberation Sans, which have the same widths.
FONT_FILES = {
    ("Tahoma", False): "/usr/share/wine/fonts/tahoma.ttf",
    ("Tahoma", True): "/usr/share/wine/fonts/tahomabd.ttf",
    ("Times New Roman", False):
        "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
    ("Times New Roman", True):
        "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf",
    ("Arial", False):
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    ("Arial", True):
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
}


def rgb(r, g, b):
    return (r, g, b)


# ------------------------------------------------------------------ looks
#
# A look holds everything that differs between the screen and the print
# version: page size, fonts, colours and spacing.  Sizes are in points,
# distances in twips.

class Font:
    def __init__(self, face, size, bold, colour):
        self.face = face
        self.size = size          # points
        self.bold = bold
        self.colour = colour

    @property
    def em(self):
        """Height of the em square in twips."""
        return int(round(self.size * 20))

    def key(self):
        return (self.face, self.em, self.bold)


SCREEN_BLUE = rgb(0, 78, 152)        # the program's screen background
PANEL_BLUE = rgb(49, 135, 214)       # the program's panel colour
YELLOW = rgb(255, 255, 0)
WHITE = rgb(255, 255, 255)
PALE_YELLOW = rgb(255, 255, 170)
BLACK = rgb(0, 0, 0)
GREY = rgb(96, 96, 96)

SCREEN = {
    "name": "screen",
    "width": 10440,               # 696 px: fits between the window's edges
    "height": 7800,               # 520 px: ends above the row of buttons
    "margin_left": 0,
    "margin_right": 0,
    "top": 0,
    "column_gap": 300,
    "fill": 0.95,                 # use at most this share of a line's width
    "title": Font("Tahoma", 20, True, YELLOW),
    "title_rule": (YELLOW, 30),    # colour, pen width in twips
    "title_reserve": 1300,         # keep the title off the top right corner
    "title_after": 140,            # rule to first block
    "heading": Font("Tahoma", 13, True, YELLOW),
    "heading_bar": PANEL_BLUE,     # rounded bar behind headings (or None)
    "body": Font("Tahoma", 12, False, WHITE),
    "strong": Font("Tahoma", 12, True, PALE_YELLOW),
    "bullet": PALE_YELLOW,
    "panel_fill": PANEL_BLUE,      # fill of @panel boxes
    "panel_line": None,
    "line_spacing": 1.17,          # times the em, for body lines
    "para_after": 110,
    "item_after": 40,
    "heading_before": 100,
    "heading_after": 60,
    "indent": 300,                 # hanging indent of list items
    "footer": None,
}

PRINT = {
    "name": "print",
    "width": 9500,                # drawn at 1000, 1000 on an A4 page
    "height": 14000,
    "margin_left": 0,
    "margin_right": 0,
    "top": 0,
    "column_gap": 400,
    "fill": 0.96,
    "title": Font("Arial", 20, True, BLACK),
    "title_rule": (BLACK, 20),
    "title_reserve": 0,
    "title_after": 200,
    "heading": Font("Arial", 13, True, BLACK),
    "heading_bar": None,
    "body": Font("Times New Roman", 12, False, BLACK),
    "strong": Font("Times New Roman", 12, True, BLACK),
    "bullet": BLACK,
    "panel_fill": None,
    "panel_line": BLACK,
    "line_spacing": 1.2,
    "para_after": 130,
    "item_after": 50,
    "heading_before": 220,
    "heading_after": 80,
    "indent": 320,
    "footer": Font("Arial", 9, False, GREY),
}

FOOTER_LEFT = "Brambleton"
FOOTER_RIGHT = "Corvane Publishing Ltd"


# ------------------------------------------------------------ font widths

def _u16(b, o):
    return struct.unpack_from(">H", b, o)[0]


def _s16(b, o):
    return struct.unpack_from(">h", b, o)[0]


def _u32(b, o):
    return struct.unpack_from(">I", b, o)[0]


def read_truetype(path):
    """Return (units_per_em, win_ascent, win_descent, {codepoint: advance})."""
    with open(path, "rb") as f:
        data = f.read()
    tables = {}
    for i in range(_u16(data, 4)):
        rec = 12 + 16 * i
        tag = data[rec:rec + 4].decode("latin-1")
        tables[tag] = (_u32(data, rec + 8), _u32(data, rec + 12))
    head = tables["head"][0]
    units = _u16(data, head + 18)
    hhea = tables["hhea"][0]
    nmetrics = _u16(data, hhea + 34)
    hmtx = tables["hmtx"][0]
    os2 = tables["OS/2"][0]
    ascent = _u16(data, os2 + 74)
    descent = _u16(data, os2 + 76)

    def advance(glyph):
        if glyph >= nmetrics:
            glyph = nmetrics - 1
        return _u16(data, hmtx + 4 * glyph)

    # cmap: the Windows Unicode BMP subtable, format 4.
    cmap = tables["cmap"][0]
    sub = None
    for i in range(_u16(data, cmap + 2)):
        rec = cmap + 4 + 8 * i
        if (_u16(data, rec), _u16(data, rec + 2)) == (3, 1):
            sub = cmap + _u32(data, rec + 4)
    if sub is None or _u16(data, sub) != 4:
        raise SystemExit("%s: no format 4 Unicode cmap" % path)
    segs = _u16(data, sub + 6) // 2
    ends = sub + 14
    starts = ends + 2 * segs + 2
    deltas = starts + 2 * segs
    offsets = deltas + 2 * segs

    def glyph_of(cp):
        for s in range(segs):
            end = _u16(data, ends + 2 * s)
            if cp > end:
                continue
            start = _u16(data, starts + 2 * s)
            if cp < start:
                return 0
            delta = _s16(data, deltas + 2 * s)
            ro = _u16(data, offsets + 2 * s)
            if ro == 0:
                return (cp + delta) & 0xFFFF
            addr = offsets + 2 * s + ro + 2 * (cp - start)
            g = _u16(data, addr)
            return (g + delta) & 0xFFFF if g else 0
        return 0

    widths = {}
    for code in range(32, 256):
        try:
            ch = bytes([code]).decode("cp1252")
        except UnicodeDecodeError:
            continue
        g = glyph_of(ord(ch))
        if g:
            widths[code] = advance(g)
    return units, ascent, descent, widths


def measure():
    """Write font_metrics.txt from the installed font files."""
    out = ["# Advance widths of the Windows-1252 characters 32 to 255, in font",
           "# units, for the fonts the teacher pages use.  Made by",
           "# `make_pages.py --measure`; do not edit by hand.",
           "# A width of 0 means the font has no glyph for that character.",
           "# Times New Roman and Arial are measured from Liberation Serif",
           "# and Liberation Sans, which have the same widths."]
    for (face, bold), path in sorted(FONT_FILES.items()):
        if not os.path.exists(path):
            raise SystemExit("missing font file %s (install fonts-wine and "
                             "fonts-liberation2)" % path)
        units, asc, desc, widths = read_truetype(path)
        out.append("font %s|%s|%d|%d|%d" % (face, "bold" if bold else "regular",
                                            units, asc, desc))
        row = [widths.get(c, 0) for c in range(32, 256)]
        for i in range(0, len(row), 16):
            out.append(" ".join(str(w) for w in row[i:i + 16]))
    with open(METRICS_FILE, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(out) + "\n")
    print("wrote", os.path.relpath(METRICS_FILE, ROOT))


class Metrics:
    def __init__(self, units, ascent, descent, widths):
        self.units = units
        self.ascent = ascent
        self.descent = descent
        self.widths = widths     # list for codes 32..255


def load_metrics():
    fonts = {}
    current = None
    with open(METRICS_FILE, encoding="ascii") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("font "):
                face, weight, units, asc, desc = line[5:].split("|")
                current = Metrics(int(units), int(asc), int(desc), [])
                fonts[(face, weight == "bold")] = current
            else:
                current.widths.extend(int(w) for w in line.split())
    return fonts


METRICS = None
LENIENT = False     # --lenient: report overflows instead of stopping


def metrics_of(font):
    return METRICS[(font.face, font.bold)]


def char_width(font, code):
    """Width of one Windows-1252 character in twips (unrounded)."""
    m = metrics_of(font)
    w = m.widths[code - 32] if 32 <= code <= 255 else 0
    if w == 0:
        raise SystemExit("font %s has no glyph for character %d" % (font.face, code))
    return w * font.em / m.units


def encode(text):
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError as e:
        raise SystemExit("cannot write %r in Windows-1252" % text[e.start:e.end])


def text_width(font, text):
    return sum(char_width(font, c) for c in encode(text))


def cell_height(font):
    """Height of the character cell (ascent + descent) in twips."""
    m = metrics_of(font)
    return (m.ascent + m.descent) * font.em / m.units


def ascent_of(font):
    m = metrics_of(font)
    return m.ascent * font.em / m.units


# ----------------------------------------------------------------- markup

class Block:
    def __init__(self, kind, runs=None, arg=None):
        self.kind = kind      # title, heading, para, item, number, column,
        self.runs = runs      # space, panel, endpanel
        self.arg = arg


def curly_quotes(text):
    """Turn typewriter quotes into printer's quotes (all in Windows-1252)."""
    out = []
    for i, c in enumerate(text):
        before = text[i - 1] if i else " "
        opening = before in " (*-\u2013"
        if c == "'":
            out.append("\u2018" if opening else "\u2019")
        elif c == '"':
            out.append("\u201c" if opening else "\u201d")
        else:
            out.append(c)
    return "".join(out)


def parse_runs(text, where):
    """Split **bold** markers: return [(text, bold), ...]."""
    parts = curly_quotes(text).split("**")
    if len(parts) % 2 == 0:
        raise SystemExit("%s: unmatched ** in %r" % (where, text))
    return [(p, i % 2 == 1) for i, p in enumerate(parts) if p]


def parse(path, version):
    """Read a page source and return (settings, blocks) for one version."""
    name = os.path.basename(path)
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    settings = {"columns": 1, "flow": False, "avoid": [], "size": None,
                "bar": None}
    blocks = []
    current = None          # block whose text lines are still being joined
    only = None             # None, "screen" or "print"

    def finish():
        nonlocal current
        if current is not None:
            current.runs = parse_runs(" ".join(current.runs), name)
            blocks.append(current)
            current = None

    for number, raw in enumerate(lines, 1):
        where = "%s:%d" % (name, number)
        line = raw.rstrip()
        stripped = line.strip()
        if stripped.startswith("%"):
            continue
        if stripped.startswith("@"):
            finish()
            words = stripped[1:].split()
            cmd, args = words[0], words[1:]
            if cmd in ("screen", "print"):
                only = cmd
                continue
            if cmd == "both":
                only = None
                continue
            if only is not None and only != version:
                continue
            if cmd == "columns":
                settings["columns"] = int(args[0])
            elif cmd == "bar":
                settings["bar"] = tuple(int(a) for a in args)
            elif cmd == "size":
                settings["size"] = float(args[0])
            elif cmd == "flow":
                settings["flow"] = True
            elif cmd == "column":
                blocks.append(Block("column"))
            elif cmd == "space":
                blocks.append(Block("space", arg=int(args[0])))
            elif cmd == "avoid":
                settings["avoid"].append(tuple(int(a) for a in args))
            elif cmd == "panel":
                blocks.append(Block("panel"))
            elif cmd == "endpanel":
                blocks.append(Block("endpanel"))
            else:
                raise SystemExit("%s: unknown directive @%s" % (where, cmd))
            continue
        if only is not None and only != version:
            continue
        if not stripped:
            finish()
            continue
        if stripped.startswith("## "):
            finish()
            blocks.append(Block("heading", parse_runs(stripped[3:], where)))
        elif stripped.startswith("# "):
            finish()
            blocks.append(Block("title", parse_runs(stripped[2:], where)))
        elif stripped.startswith("- "):
            finish()
            current = Block("item", [stripped[2:]])
        elif stripped[0].isdigit() and ". " in stripped[:4] and \
                stripped.split(". ", 1)[0].isdigit():
            finish()
            num, rest = stripped.split(". ", 1)
            current = Block("number", [rest], arg=num + ".")
        elif current is not None and (raw.startswith(" ") or current.kind == "para"):
            current.runs.append(stripped)
        else:
            finish()
            current = Block("para", [stripped])
    finish()
    return settings, blocks


# ----------------------------------------------------------------- layout
#
# Layout turns blocks into a display list of shapes and text runs in page
# twips.  Text items are (x, y_top, font, text, [advances]).

class Overflow(Exception):
    pass


class Page:
    def __init__(self, look):
        self.look = look
        self.items = []

    def text(self, x, y, font, text):
        data = encode(text)
        # Place every character at its rounded running position so that
        # rounding never adds up along a line.
        pos = 0.0
        start = int(round(x))
        prev = start
        dx = []
        for c in data:
            pos += char_width(font, c)
            nxt = int(round(x + pos))
            dx.append(nxt - prev)
            prev = nxt
        self.items.append(("text", start, int(round(y)), font, data, dx))

    def add(self, *item):
        self.items.append(item)


ARROW = "->"        # a word on its own: drawn as an arrow, for food chains


def tokens_of(runs):
    """Break runs into words; each word is a list of (text, bold) pieces.

    Returns a list of words; spaces between words are implied.
    """
    words = [[]]
    for text, bold in runs:
        parts = text.split(" ")
        for i, part in enumerate(parts):
            if i > 0 and words[-1]:
                words.append([])
            if part:
                words[-1].append((part, bold))
    return [w for w in words if w]


def is_arrow(word):
    return len(word) == 1 and word[0][0] == ARROW


def arrow_width(font):
    return font.em * 1.05


def word_width(look, word, font=None):
    if is_arrow(word):
        return arrow_width(font or look["body"])
    if font is not None:
        return sum(text_width(font, t) for t, _ in word)
    return sum(text_width(look["strong"] if b else look["body"], t)
               for t, b in word)


def break_lines(look, runs, width_at, base_font):
    """Greedy line breaking.  width_at(line_index) gives the room on that
    line.  Returns lines, each a list of words."""
    words = tokens_of(runs)
    space = text_width(base_font, " ")
    lines = [[]]
    used = 0.0
    for word in words:
        w = word_width(look, word,
                       None if base_font is look["body"] else base_font)
        room = width_at(len(lines) - 1) * look["fill"]
        if lines[-1] and used + space + w > room:
            lines.append([])
            used = 0.0
            room = width_at(len(lines) - 1) * look["fill"]
        if not lines[-1]:
            if w > room:
                raise Overflow("word too long for its line: %r" % word)
            used = w
        else:
            used += space + w
        lines[-1].append(word)
    return lines


def draw_line(page, look, x, y, words, base_font=None):
    """Draw one line of words; runs of one style go out as one text."""
    body = base_font or look["body"]
    space = text_width(body, " ")
    pieces = []            # (bold, text) waiting to be drawn

    def flush(x):
        for b, t in pieces:
            font = base_font or (look["strong"] if b else look["body"])
            page.text(x, y, font, t)
            x += text_width(font, t)
        del pieces[:]
        return x

    for i, word in enumerate(words):
        if is_arrow(word):
            x = flush(x)
            if i > 0:
                x += space
            draw_arrow(page, body, x, y)
            x += arrow_width(body)
            continue
        for j, (t, b) in enumerate(word):
            if i > 0 and j == 0:
                if is_arrow(words[i - 1]):
                    x += space
                else:
                    t = " " + t
            if pieces and pieces[-1][0] == b:
                pieces[-1] = (b, pieces[-1][1] + t)
            else:
                pieces.append((b, t))
    flush(x)


def draw_arrow(page, font, x, y):
    """A right-pointing arrow in the font's colour, as wide as arrow_width."""
    em = font.em
    mid = y + ascent_of(font) - em * 0.32
    x0 = x + em * 0.08
    x1 = x + em * 0.97
    head = em * 0.36
    pen = max(15, int(round(em * 0.08)))
    page.add("line", int(round(x0)), int(round(mid)), int(round(x1 - head * 0.5)),
             int(round(mid)), font.colour, pen)
    page.add("poly", [(int(round(x1 - head)), int(round(mid - head * 0.5))),
                      (int(round(x1)), int(round(mid))),
                      (int(round(x1 - head)), int(round(mid + head * 0.5)))],
             font.colour)


def layout(look, settings, blocks, fit_report=None):
    """Lay a page out.  With @flow, find the shortest columns that still
    hold everything, so that the columns come out about even."""
    if settings["flow"] and settings["columns"] > 1:
        full = page_bottom(look)
        low, high = full // 2, full
        try:
            flow_layout(look, settings, blocks, None, high, strict=True)
        except Overflow:
            low = high          # does not fit at all: report it below
        while high - low > 20:
            mid = (low + high) // 2
            try:
                flow_layout(look, settings, blocks, None, mid, strict=True)
                high = mid
            except Overflow:
                low = mid
        return flow_layout(look, settings, blocks, fit_report, high)
    return flow_layout(look, settings, blocks, fit_report, page_bottom(look))


def page_bottom(look):
    bottom = look["height"]
    if look["footer"] is not None:
        bottom -= int(cell_height(look["footer"]) + 260)
    return bottom


def flow_layout(look, settings, blocks, fit_report, bottom, strict=False):
    page = Page(look)
    width = look["width"]
    left = look["margin_left"]
    right = width - look["margin_right"]
    y = look["top"]
    body = look["body"]
    line_h = int(round(body.em * look["line_spacing"]))

    # Title (must come first) spans the whole page, clear of the top
    # right corner where the screens keep their Print button.
    if not blocks or blocks[0].kind != "title":
        raise SystemExit("a page must start with a # title")
    title = look["title"]
    t_room = right - left - look["title_reserve"]
    t_lines = break_lines(look, blocks[0].runs, lambda i: t_room, title)
    for words in t_lines:
        draw_line(page, look, left, y, words, title)
        y += cell_height(title)
    colour, pen = look["title_rule"]
    y += 40
    page.add("line", left, int(round(y)), right, int(round(y)), colour, pen)
    y += look["title_after"]
    columns_top = y

    ncol = settings["columns"]
    flow = settings["flow"]
    col_w = (right - left - look["column_gap"] * (ncol - 1)) / ncol
    used_bottoms = []

    def col_x(c):
        return left + c * (col_w + look["column_gap"])

    def room(y_top, height, x0, x1):
        """Right edge available for a band from y_top, clear of avoid boxes."""
        edge = x1
        for ax0, ay0, ax1, ay1 in settings["avoid"]:
            if ay0 < y_top + height and ay1 > y_top and ax0 < x1 and ax1 > x0:
                edge = min(edge, ax0 - 150)
        return edge

    # Where the next block goes.
    st = {"y": y, "col": 0, "at_col_top": True, "after_list": False,
          "panel": None, "pad": 0, "strict": True}

    def check(y_end):
        if y_end > bottom:
            message = ("column %d runs %d twips past the bottom"
                       % (st["col"] + 1, int(y_end - bottom)))
            if st["strict"] or strict or not LENIENT:
                raise Overflow(message)
            if fit_report is not None:
                fit_report.append("%s: OVERFLOW %s" % (look["name"], message))

    def next_column():
        used_bottoms.append(st["y"])
        st["col"] += 1
        if st["col"] >= ncol:
            raise Overflow("more @column breaks than columns")
        st["y"] = columns_top
        st["at_col_top"] = True

    def place(block, following):
        y = st["y"]
        prev_list, st["after_list"] = st["after_list"], False
        pad = st["pad"]
        x0 = col_x(st["col"]) + pad
        x1 = col_x(st["col"]) + col_w - pad
        kind = block.kind
        if kind == "space":
            st["y"] = y + block.arg
            return
        if kind == "panel":
            if not st["at_col_top"]:
                y += 40
            st["pad"] = 150
            st["panel"] = (len(page.items), y, col_x(st["col"]),
                           col_x(st["col"]) + col_w)
            page.add("placeholder")
            st["y"] = y + 110
            st["at_col_top"] = True
            return
        if kind == "endpanel":
            index, top, px0, px1 = st["panel"]
            y += 40
            page.items[index] = ("panel", int(px0), int(round(top)), int(px1),
                                 int(round(y)))
            check(y)
            st["y"] = y + look["para_after"] + 30
            st["panel"] = None
            st["pad"] = 0
            st["at_col_top"] = False
            return
        if kind == "heading":
            font = look["heading"]
            if not st["at_col_top"]:
                y += look["heading_before"]
            h = cell_height(font)
            bar = look["heading_bar"]
            inset = 110 if bar else 0
            edge = room(y, h + 60, x0, x1)
            lines = break_lines(look, block.runs,
                                lambda i: edge - x0 - 2 * inset, font)
            total = h * len(lines) + (50 if bar else 0)
            check(y + total)
            if bar:
                page.add("bar", int(x0), int(round(y)), int(edge),
                         int(round(y + total)), bar)
                y += 25
            for words in lines:
                draw_line(page, look, x0 + inset, y, words, font)
                y += h
            if bar:
                y += 25
            else:
                y += 20
                page.add("line", int(x0), int(round(y)), int(edge),
                         int(round(y)), font.colour, 12)
            y += look["heading_after"]
            # Keep a heading with (up to) two lines of what follows.
            if following is not None and following.kind in ("para", "item",
                                                            "number"):
                indent = look["indent"] if following.kind != "para" else 0
                n = len(break_lines(look, following.runs,
                                    lambda i: x1 - x0 - indent, body))
                check(y + line_h * (min(n, 2) - 1) + cell_height(body))
            st["y"] = y
            st["at_col_top"] = False
            return
        if kind == "title":
            raise SystemExit("only one # title per page")
        # Paragraphs and list items.
        indent = look["indent"] if kind in ("item", "number") else 0
        tx = x0 + indent
        if kind == "para" and prev_list:
            y += look["para_after"] - look["item_after"]

        def width_at(i):
            return room(y + i * line_h, line_h, x0, x1) - tx

        lines = break_lines(look, block.runs, width_at, body)
        check(y + line_h * (len(lines) - 1) + cell_height(body))
        if kind == "item":
            d = int(round(body.em * 0.3))
            cy = y + ascent_of(body) - body.em * 0.33
            cx = x0 + indent * 0.4
            page.add("dot", int(round(cx - d / 2)), int(round(cy - d / 2)),
                     int(round(cx + d / 2)), int(round(cy + d / 2)),
                     look["bullet"])
        elif kind == "number":
            page.text(x0, y, look["strong"], block.arg)
        for words in lines:
            draw_line(page, look, tx, y, words)
            y += line_h
        y += look["item_after"] if kind in ("item", "number") else look["para_after"]
        st["y"] = y
        st["at_col_top"] = False
        st["after_list"] = kind in ("item", "number")

    body_blocks = blocks[1:]
    for i, block in enumerate(body_blocks):
        if block.kind == "column":
            if ncol > 1 and not flow:
                next_column()
            continue
        following = body_blocks[i + 1] if i + 1 < len(body_blocks) else None
        mark = (len(page.items), dict(st))
        try:
            place(block, following)
            continue
        except Overflow:
            del page.items[mark[0]:]
            st.update(mark[1])
        if flow and st["panel"] is None and st["col"] + 1 < ncol \
                and not st["at_col_top"]:
            next_column()
            mark = (len(page.items), dict(st))
            try:
                place(block, following)
                continue
            except Overflow:
                del page.items[mark[0]:]
                st.update(mark[1])
        st["strict"] = False        # lay it out anyway (or stop, see check)
        place(block, following)
        st["strict"] = True

    if st["panel"] is not None:
        raise SystemExit("@panel without @endpanel")
    used_bottoms.append(st["y"])
    if fit_report is not None:
        fit_report.append("%s: columns end at %s of %d" % (
            look["name"], ", ".join(str(int(b)) for b in used_bottoms),
            page_bottom(look)))
    return page


# ----------------------------------------------------------- metafile out

class Metafile:
    """Collects 16-bit metafile records and keeps the object table."""

    def __init__(self):
        self.records = []
        self.slots = []          # True where an object index is in use
        self.max_objects = 0

    def record(self, function, *words, extra=b""):
        params = struct.pack("<%dh" % len(words), *words) + extra
        assert len(params) % 2 == 0
        size = 3 + len(params) // 2
        self.records.append(struct.pack("<IH", size, function) + params)

    def new_object(self):
        for i, used in enumerate(self.slots):
            if not used:
                self.slots[i] = True
                return i
        self.slots.append(True)
        self.max_objects = max(self.max_objects, len(self.slots))
        return len(self.slots) - 1

    def delete(self, index):
        self.record(0x01F0, index)                   # DELETEOBJECT
        self.slots[index] = False

    def select(self, index):
        self.record(0x012D, index)                   # SELECTOBJECT

    def font(self, font):
        face = font.face.encode("ascii")[:31]
        face = face + b"\0" * (32 - len(face))
        logfont = struct.pack("<5h8B", -font.em, 0, 0, 0,
                              700 if font.bold else 400,
                              0, 0, 0,    # italic, underline, strike-out
                              0,          # ANSI_CHARSET
                              0, 0,       # out and clip precision: default
                              2,          # PROOF_QUALITY
                              0x02 if font.face == "Times New Roman" else 0x22,
                              ) + face
        index = self.new_object()
        self.record(0x02FB, extra=logfont)           # CREATEFONTINDIRECT
        return index

    def pen(self, colour, width, style=0):
        index = self.new_object()
        self.record(0x02FA, style, width, 0,         # CREATEPENINDIRECT
                    extra=struct.pack("<BBBB", colour[0], colour[1], colour[2], 0))
        return index

    def brush(self, colour, style=0):
        index = self.new_object()
        self.record(0x02FC, style,                   # CREATEBRUSHINDIRECT
                    extra=struct.pack("<BBBBh", colour[0], colour[1],
                                      colour[2], 0, 0))
        return index

    def bytes(self, width, height):
        body = b"".join(self.records) + struct.pack("<IH", 3, 0)   # EOF
        words = (18 + len(body)) // 2
        largest = max(struct.unpack_from("<I", r)[0] for r in self.records)
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, words,
                             self.max_objects, max(largest, 3), 0)
        placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, width,
                                height, 1440, 0)
        checksum = 0
        for (w,) in struct.iter_unpack("<H", placeable):
            checksum ^= w
        return placeable + struct.pack("<H", checksum) + header + body


def write_page(page, look, path, preview_fill=None):
    width, height = look["width"], look["height"]
    mf = Metafile()
    mf.record(0x020B, 0, 0)                      # SETWINDOWORG y, x
    mf.record(0x020C, height, width)             # SETWINDOWEXT y, x
    mf.record(0x0103, 8)                         # SETMAPMODE MM_ANISOTROPIC
    mf.record(0x0102, 1)                         # SETBKMODE TRANSPARENT
    mf.record(0x012E, 0)                         # SETTEXTALIGN TA_TOP|TA_LEFT

    # Create every object the page needs once, then select as we go.
    fonts, pens, brushes = {}, {}, {}
    null_pen = mf.pen(BLACK, 0, style=5)         # PS_NULL
    hollow = mf.brush(BLACK, style=1)            # BS_NULL

    def font_index(font):
        k = font.key()
        if k not in fonts:
            fonts[k] = mf.font(font)
        return fonts[k]

    def pen_index(colour, w):
        k = (colour, w)
        if k not in pens:
            pens[k] = mf.pen(colour, w)
        return pens[k]

    def brush_index(colour):
        if colour not in brushes:
            brushes[colour] = mf.brush(colour)
        return brushes[colour]

    for item in page.items:
        if item[0] == "text":
            font_index(item[3])
        elif item[0] == "line":
            pen_index(item[5], item[6])
        elif item[0] in ("bar", "dot"):
            brush_index(item[5])
        elif item[0] == "poly":
            brush_index(item[2])
        elif item[0] == "panel":
            if look["panel_fill"]:
                brush_index(look["panel_fill"])
            if look["panel_line"]:
                pen_index(look["panel_line"], 15)
    if preview_fill:
        brush_index(preview_fill)

    state = {"font": None, "pen": None, "brush": None, "colour": None}

    def use(kind, index):
        if state[kind] != index:
            mf.select(index)
            state[kind] = index

    if preview_fill:
        use("pen", null_pen)
        use("brush", brush_index(preview_fill))
        mf.record(0x041B, height + 15, width + 15, 0, 0)   # RECTANGLE

    for item in page.items:
        kind = item[0]
        if kind == "text":
            _, x, y, font, data, dx = item
            use("font", font_index(font))
            if state["colour"] != font.colour:
                r, g, b = font.colour
                mf.record(0x0209, extra=struct.pack("<BBBB", r, g, b, 0))
                state["colour"] = font.colour
            padded = data + (b"\0" if len(data) % 2 else b"")
            mf.record(0x0A32, y, x, len(data), 0,          # EXTTEXTOUT
                      extra=padded + struct.pack("<%dh" % len(dx), *dx))
        elif kind == "line":
            _, x0, y0, x1, y1, colour, w = item
            use("pen", pen_index(colour, w))
            mf.record(0x0214, y0, x0)                       # MOVETO
            mf.record(0x0213, y1, x1)                       # LINETO
        elif kind == "bar":
            _, x0, y0, x1, y1, colour = item
            use("pen", null_pen)
            use("brush", brush_index(colour))
            r = 150
            mf.record(0x061C, r, r, y1, x1, y0, x0)         # ROUNDRECT
        elif kind == "panel":
            _, x0, y0, x1, y1 = item
            if look["panel_fill"]:
                use("pen", null_pen)
                use("brush", brush_index(look["panel_fill"]))
            else:
                use("pen", pen_index(look["panel_line"], 15))
                use("brush", hollow)
            r = 240
            mf.record(0x061C, r, r, y1, x1, y0, x0)         # ROUNDRECT
        elif kind == "dot":
            _, x0, y0, x1, y1, colour = item
            use("pen", null_pen)
            use("brush", brush_index(colour))
            mf.record(0x0418, y1, x1, y0, x0)               # ELLIPSE
        elif kind == "poly":
            _, points, colour = item
            use("pen", null_pen)
            use("brush", brush_index(colour))
            flat = [v for p in points for v in p]
            mf.record(0x0324, len(points), *flat)           # POLYGON
        else:
            raise SystemExit("internal: unknown item %r" % (kind,))

    for index in sorted(set(fonts.values()) | set(pens.values()) |
                        set(brushes.values()) | {null_pen, hollow}):
        mf.delete(index)

    data = mf.bytes(width, height)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def add_footer(page, look, title_runs):
    font = look["footer"]
    if font is None:
        return
    y = look["height"] - cell_height(font) - 20
    page.add("line", 0, int(round(y - 90)), look["width"], int(round(y - 90)),
             font.colour, 10)
    left = FOOTER_LEFT + " \u2013 " + "".join(t for t, _ in title_runs)
    page.text(0, y, font, left)
    page.text(look["width"] - text_width(font, FOOTER_RIGHT) - 15, y, font,
              FOOTER_RIGHT)


def resize_body(look, size):
    """A copy of a look with the body text at another size (points)."""
    if size < 11 or (look["name"] == "screen" and size < 12):
        raise SystemExit("body text of %s pt is too small" % size)
    look = dict(look)
    for key in ("body", "strong"):
        f = look[key]
        look[key] = Font(f.face, size, f.bold, f.colour)
    return look


def make(name, out_root, preview=None, fit=False):
    source = os.path.join(HERE, name + ".txt")
    report = [] if fit else None
    for look, folder in ((SCREEN, "wmf"), (PRINT, "wmf2")):
        settings, blocks = parse(source, look["name"])
        if settings["size"]:
            look = resize_body(look, settings["size"])
        if settings["bar"]:
            look = dict(look, heading_bar=settings["bar"])
        try:
            page = layout(look, settings, blocks, report)
        except Overflow as e:
            raise SystemExit("%s (%s version): %s" % (name, look["name"], e))
        add_footer(page, look, blocks[0].runs)
        if not LENIENT:
            write_page(page, look, os.path.join(out_root, folder, name + ".wmf"))
        if preview:
            fill = SCREEN_BLUE if look["name"] == "screen" else rgb(255, 255, 255)
            if look["name"] == "screen" and name == "acknowledgments":
                fill = rgb(49, 130, 212)
            write_page(page, look, os.path.join(preview, folder, name + ".wmf"),
                       preview_fill=fill)
    if fit:
        for line in report:
            print("%-16s %s" % (name, line))


def main(argv):
    global METRICS, LENIENT
    args = list(argv)
    if "--lenient" in args:
        args.remove("--lenient")
        LENIENT = True
    if "--measure" in args:
        measure()
        return
    preview = None
    if "--preview" in args:
        i = args.index("--preview")
        preview = args[i + 1]
        del args[i:i + 2]
    fit = "--fit" in args
    if fit:
        args.remove("--fit")
    names = args or PAGES
    for n in names:
        if n not in PAGES:
            raise SystemExit("unknown page %r (pages: %s)" % (n, ", ".join(PAGES)))
    METRICS = load_metrics()
    out_root = os.path.join(ROOT, "content")
    for n in names:
        make(n, out_root, preview, fit)
    if not fit and not LENIENT:
        print("wrote %d pages (%d files)" % (len(names), 2 * len(names)))


if __name__ == "__main__":
    main(sys.argv[1:])
