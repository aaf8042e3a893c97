#!/usr/bin/env python3
"""Draw the Corvane Publishing Ltd mark as SVG.

The mark is a black raven flying across a golden disc inside a navy ring,
with the name underneath. The lettering is drawn here as strokes (see
GLYPHS), so no font is needed and the pictures come out the same on every
machine.

Usage:
  corvane.py still OUT.svg          the 120 x 89 logo: mark and full name
  corvane.py frame N OUT.svg        frame N (0-19) of the 120 x 120
                                    animation: the raven beats its wings
                                    once over the twenty frames
Standard library only.
"""
import math
import sys

FRAMES = 20

NAVY = "#1f3558"
INK = "#16161c"

# Capital letters as stroke paths on a grid 10 units high (y down).
# Each entry: (advance width, path data).
GLYPHS = {
    "A": (8.4, "M0,10 L4.2,0 L8.4,10 M1.6,6.4 H6.8"),
    "B": (7.6, "M0,0 V10 H4.8 C6.6,10 7.6,9 7.6,7.4 C7.6,5.8 6.6,4.8 4.8,4.8 H0 "
               "M0,0 H4.3 C6,0 7,1 7,2.4 C7,3.8 6,4.8 4.3,4.8"),
    "C": (8.0, "M8,1.5 C6.8,0.4 5.7,0 4.6,0 C1.8,0 0,2.2 0,5 C0,7.8 1.8,10 4.6,10 "
               "C5.7,10 6.8,9.6 8,8.5"),
    "D": (8.0, "M0,0 V10 H3.5 C6.3,10 8,8 8,5 C8,2 6.3,0 3.5,0 Z"),
    "E": (6.5, "M6.5,0 H0 V10 H6.5 M0,5 H5.5"),
    "G": (8.2, "M8,1.5 C6.8,0.4 5.8,0 4.6,0 C1.8,0 0,2.2 0,5 C0,7.8 1.8,10 4.6,10 "
               "C6,10 7.2,9.5 8.2,8.6 V5.4 H5"),
    "H": (7.0, "M0,0 V10 M7,0 V10 M0,5 H7"),
    "I": (0.0, "M0,0 V10"),
    "L": (6.0, "M0,0 V10 H6"),
    "N": (7.0, "M0,10 V0 L7,10 V0"),
    "O": (9.0, "M4.5,0 A4.5,5 0 1 1 4.5,10 A4.5,5 0 1 1 4.5,0 Z"),
    "P": (7.5, "M0,10 V0 H4.5 C6.5,0 7.5,1.3 7.5,3 C7.5,4.7 6.5,6 4.5,6 H0"),
    "R": (7.8, "M0,10 V0 H4.5 C6.5,0 7.5,1.2 7.5,2.8 C7.5,4.4 6.5,5.6 4.5,5.6 H0 "
               "M4.5,5.6 L7.8,10"),
    "S": (7.2, "M7,1.5 C6,0.4 5,0 3.6,0 C1.6,0 0.4,1.1 0.4,2.6 C0.4,4.3 2,4.8 3.8,5.2 "
               "C5.8,5.6 7.2,6.3 7.2,7.8 C7.2,9.2 5.8,10 3.8,10 C2.2,10 1,9.5 0,8.4"),
    "T": (7.0, "M0,0 H7 M3.5,0 V10"),
    "U": (7.2, "M0,0 V6.5 C0,8.8 1.5,10 3.6,10 C5.7,10 7.2,8.8 7.2,6.5 V0"),
    "V": (8.0, "M0,0 L4,10 L8,0"),
    " ": (2.6, ""),
}
GAP = 2.6  # space between letters, in grid units


def text_width(text, gap=GAP):
    return sum(GLYPHS[c][0] for c in text) + gap * (len(text) - 1)


def lettering(text, cx, top, cap, weight, colour, gap=GAP):
    """SVG for text centred on cx with its capitals from top to top+cap px."""
    s = cap / 10.0
    x = -text_width(text, gap) / 2.0
    parts = []
    for c in text:
        w, d = GLYPHS[c]
        if d:
            parts.append('<path transform="translate(%.3f,0)" d="%s"/>' % (x, d))
        x += w + gap
    return ('<g transform="translate(%.3f,%.3f) scale(%.4f)" fill="none" stroke="%s" '
            'stroke-width="%.3f" stroke-linecap="round" stroke-linejoin="round">%s</g>'
            % (cx, top, s, colour, weight / s, "".join(parts)))


# One wing seen from the side, raised: its root lies along y=0 from x=-18
# (back) to x=16 (front) and the long fingered feathers reach up to y=-67.
WING = ("M16,0 C24,-20 20,-44 6,-60 L0,-67 L-3,-57 L-9,-63 L-11,-52 L-17,-56 "
        "L-18,-45 L-24,-47 L-22,-36 C-25,-24 -25,-10 -20,0 Z")
SWEEP = 14.0      # degrees the wing tips trail behind their roots

# Body, head, heavy beak and wedge-shaped tail, facing right.
BODY = ("M-24,-6 C-12,-12 6,-13 16,-11 C20,-17 28,-19 34,-16 C38,-14 40,-11 41,-9 "
        "L55,-5 C49,-2 43,-1 38,-1 C35,4 28,8 16,8 C4,10 -12,9 -24,6 "
        "L-38,11 L-53,1 L-38,-9 Z")

ELEVATION = 0.3   # how far we look down on the bird: shows the far wing


def raven(angle):
    """The raven with both wings raised angle degrees above level.

    We look at it from the side and a little above, so the far wing shows
    above the body and the near wing hangs lower than it would side-on.
    """
    t = math.radians(angle)
    near = math.sin(t) - ELEVATION * math.cos(t)
    far = math.sin(t) + ELEVATION * math.cos(t)
    bob = -3.0 * math.sin(t)   # the body rises a little as the wings go down

    def wing(scale_y, dx, dy, fill, extra=""):
        if abs(scale_y) < 0.05:
            scale_y = 0.05 if scale_y >= 0 else -0.05
        return ('<path d="%s" fill="%s"%s transform="translate(%.2f,%.2f) '
                'scale(1,%.3f) skewX(%.1f)"/>'
                % (WING, fill, extra, dx, bob + dy, scale_y, SWEEP))

    return (wing(far, -5, -7, "#34343f")
            + '<path d="%s" fill="%s" transform="translate(0,%.2f)"/>' % (BODY, INK, bob)
            + '<path d="M41,-9 L55,-5 C49,-2 43,-1 38,-1" fill="none" stroke="#4a4a58" '
              'stroke-width="1" transform="translate(0,%.2f)"/>' % bob
            + '<circle cx="31" cy="%.2f" r="2.4" fill="#f2c23a"/>'
              '<circle cx="31.4" cy="%.2f" r="1.1" fill="%s"/>' % (bob - 12, bob - 12, INK)
            + wing(near, 2, -2, INK, ' stroke="#50505e" stroke-width="1"'))


def mark(cx, cy, r, angle):
    """The round badge centred on cx, cy with outer radius r."""
    k = r / 46.0
    return (
        '<g transform="translate(%.3f,%.3f) scale(%.4f)">'
        '<circle r="46" fill="%s"/>'
        '<circle r="40" fill="url(#disc)"/>'
        '<circle r="40" fill="none" stroke="#fff3c4" stroke-width="1.2" opacity="0.8"/>'
        '<g transform="translate(-2,%.2f) scale(0.64)">%s</g>'
        '</g>' % (cx, cy, k, NAVY, BIRD_DROP, raven(angle)))


BIRD_DROP = 8.0   # the raven sits a little low in the disc: room for its wings

DEFS = ('<defs><radialGradient id="disc" cx="0.42" cy="0.38" r="0.65">'
        '<stop offset="0" stop-color="#ffe590"/>'
        '<stop offset="0.6" stop-color="#ffc844"/>'
        '<stop offset="1" stop-color="#f0a02a"/>'
        '</radialGradient></defs>')


def svg(width, height, body):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d">%s<rect width="%d" height="%d" fill="#ffffff"/>%s</svg>\n'
            % (width, height, width, height, DEFS, width, height, body))


def still():
    """120 x 89: the badge over the name."""
    return svg(120, 89,
               mark(60, 29, 28, 50)
               + lettering("CORVANE", 60, 61, 12, 2.1, NAVY)
               + lettering("PUBLISHING LTD", 60, 78, 7, 1.25, NAVY, gap=2.4))


def frame(n):
    """120 x 120: frame n of the wing beat, the name underneath."""
    # One full beat over the loop: up at frame 0, down at frame 10, back
    # up; frame 19 leads smoothly into frame 0.
    angle = 8.0 + 44.0 * math.cos(2.0 * math.pi * n / FRAMES)
    return svg(120, 120,
               mark(60, 51, 47, angle)
               + lettering("CORVANE", 60, 103, 12, 2.1, NAVY))


def main(argv):
    if len(argv) == 3 and argv[1] == "still":
        text, out = still(), argv[2]
    elif len(argv) == 4 and argv[1] == "frame" and argv[2].isdigit() \
            and 0 <= int(argv[2]) < FRAMES:
        text, out = frame(int(argv[2])), argv[3]
    else:
        sys.stderr.write(__doc__)
        return 2
    with open(out, "w") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
