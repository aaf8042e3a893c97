#!/usr/bin/env python3
"""Write Brambleton's poppy pictures as SVG files.

    poppies2.svg    480 x 330  red field poppies (page picture for
                               "Parts of a Plant")
    poppies2sm.svg   57 x 41   one big poppy head, for the quiz screen's
                               tiny picture box

Run this, then: sh tools/images/make_images.sh poppies2.svg poppies2sm.svg
Standard library only; the output is the same on every run.
"""

import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))

# One poppy seen from the front, radius about 50, centred on 0,0.
# Four crinkled petals (the back pair darker), black blotches at their
# bases, a ring of black stamens and the grey-green seed head in the middle.
DEFS = """
<radialGradient id="petal-front" cx="0" cy="0" r="62" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#a4120c"/>
  <stop offset="0.35" stop-color="#e5281a"/>
  <stop offset="0.85" stop-color="#f2472c"/>
  <stop offset="1" stop-color="#f76a45"/>
</radialGradient>
<radialGradient id="petal-back" cx="0" cy="0" r="62" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#7e0c08"/>
  <stop offset="0.4" stop-color="#c21a12"/>
  <stop offset="1" stop-color="#dc3420"/>
</radialGradient>
<path id="petal" d="M0,2 C-22,-4 -46,-22 -44,-42 C-42,-56 -24,-62 -10,-58
    C-4,-62 4,-62 10,-58 C24,-62 42,-56 44,-42 C46,-22 22,-4 0,2 Z"/>
<g id="poppy">
  <use href="#petal" fill="url(#petal-back)" transform="rotate(45)"/>
  <use href="#petal" fill="url(#petal-back)" transform="rotate(-45)"/>
  <use href="#petal" fill="url(#petal-back)" transform="rotate(135)"/>
  <use href="#petal" fill="url(#petal-front)" stroke="#b01a10" stroke-width="0.9" transform="rotate(-135) scale(1.05)"/>
  <use href="#petal" fill="url(#petal-front)" stroke="#b01a10" stroke-width="0.9" transform="rotate(0) scale(1.08)"/>
  <use href="#petal" fill="url(#petal-front)" stroke="#b01a10" stroke-width="0.9" transform="rotate(180) scale(1.06)"/>
  <g stroke="#8a0f0a" stroke-width="0.8" fill="none" opacity="0.45" stroke-linecap="round">
    <path d="M-18,-30 q4,-10 2,-20 M8,-34 q6,-8 4,-18 M-30,12 q-10,6 -18,4 M28,20 q8,6 18,6 M4,34 q-2,10 2,18"/>
  </g>
  <g fill="#141010">
    <ellipse cx="0" cy="-12" rx="7" ry="9"/>
    <ellipse cx="0" cy="12" rx="7" ry="9"/>
    <ellipse cx="-12" cy="0" rx="9" ry="7"/>
    <ellipse cx="12" cy="0" rx="9" ry="7"/>
    <circle r="13"/>
  </g>
  <g fill="#2a2030">
    <circle cx="0" cy="-15" r="2.2"/><circle cx="10.6" cy="-10.6" r="2.2"/>
    <circle cx="15" cy="0" r="2.2"/><circle cx="10.6" cy="10.6" r="2.2"/>
    <circle cx="0" cy="15" r="2.2"/><circle cx="-10.6" cy="10.6" r="2.2"/>
    <circle cx="-15" cy="0" r="2.2"/><circle cx="-10.6" cy="-10.6" r="2.2"/>
  </g>
  <circle r="7.5" fill="#8c9a66" stroke="#3a3a2a" stroke-width="0.8"/>
  <g stroke="#3b2a4a" stroke-width="1.1" stroke-linecap="round">
    <path d="M0,-6 L0,6 M-6,0 L6,0 M-4.2,-4.2 L4.2,4.2 M-4.2,4.2 L4.2,-4.2"/>
  </g>
</g>
<!-- a poppy seen from the side: a cup of petals on its stalk -->
<g id="cup">
  <path d="M0,0 C-30,-4 -40,-30 -34,-50 C-24,-56 -12,-50 -4,-44 C0,-50 6,-52 10,-46
           C18,-56 34,-54 36,-44 C40,-24 26,-2 0,0 Z" fill="url(#petal-back)"/>
  <path d="M0,2 C-22,0 -30,-18 -26,-34 C-16,-40 -6,-32 0,-26 C8,-36 22,-40 28,-30
           C30,-12 18,2 0,2 Z" fill="url(#petal-front)"/>
  <path d="M-12,-20 q2,-8 0,-14 M12,-16 q4,-8 4,-16" stroke="#8a0f0a" stroke-width="0.8"
        fill="none" opacity="0.5"/>
  <ellipse cx="0" cy="-30" rx="9" ry="3" fill="#141010"/>
</g>
<!-- a nodding hairy bud -->
<g id="bud">
  <ellipse cx="0" cy="0" rx="7" ry="11" fill="#4e8236" stroke="#2b4d1c" stroke-width="0.9"/>
  <path d="M0,-10 Q3,0 0,10" stroke="#2b4d1c" stroke-width="0.8" fill="none"/>
  <path d="M-1,-10 Q-2,-6 0,-4" stroke="#d8382a" stroke-width="1.2" fill="none"/>
  <g stroke="#c9dab0" stroke-width="0.6" stroke-linecap="round">
    <path d="M-7,-2 l-3,-1 M-6,5 l-3,1 M7,-3 l3,-1 M6,4 l3,1 M-4,-9 l-2,-2 M4,-9 l2,-2"/>
  </g>
</g>
"""


def stem(d, width=3.2):
    return (f'<path d="{d}" stroke="#2f5a22" stroke-width="{width+1.2:.1f}" '
            f'fill="none" stroke-linecap="round"/>'
            f'<path d="{d}" stroke="#4f8a36" stroke-width="{width}" '
            f'fill="none" stroke-linecap="round"/>'
            f'<path d="{d}" stroke="#8fbd6a" stroke-width="{width*0.3:.1f}" '
            f'fill="none" stroke-linecap="round" opacity="0.6"/>')


def poppy_leaf(x, y, length, angle, fill="#36692a"):
    """A deeply cut poppy leaf."""
    l = length
    lobes = []
    for i in range(4):
        t = 0.2 + 0.2 * i
        lx = l * t
        s = l * 0.16 * (1 - t * 0.6)
        lobes.append(f'<ellipse cx="{lx + s*0.6:.1f}" cy="{-s:.1f}" '
                     f'rx="{s*1.1:.1f}" ry="{s*0.5:.1f}" '
                     f'transform="rotate(-35 {lx + s*0.6:.1f} {-s:.1f})"/>')
        lobes.append(f'<ellipse cx="{lx + s*0.6:.1f}" cy="{s:.1f}" '
                     f'rx="{s*1.1:.1f}" ry="{s*0.5:.1f}" '
                     f'transform="rotate(35 {lx + s*0.6:.1f} {s:.1f})"/>')
    return (f'<g transform="translate({x},{y}) rotate({angle})" fill="{fill}">'
            f'<path d="M0,0 C{l*0.3:.1f},-3 {l*0.8:.1f},-2 {l},0 '
            f'C{l*0.8:.1f},2 {l*0.3:.1f},3 0,0 Z"/>' + "".join(lobes) +
            f'<path d="M0,0 L{l*0.95:.1f},0" stroke="#8fbd6a" stroke-width="0.9" opacity="0.7"/>'
            f'</g>')


def big_picture():
    w, h = 480, 330
    rnd = random.Random(11)
    out = [f'<?xml version="1.0" encoding="UTF-8"?>',
           f'<!-- Brambleton: red field poppies. Made by poppies.py; edit '
           f'that, not this. -->',
           f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
           f'viewBox="0 0 {w} {h}">',
           '<defs>', DEFS,
           '<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#76bdf0"/>'
           '<stop offset="1" stop-color="#dcf0fb"/></linearGradient>',
           '<linearGradient id="field" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#8cbf5a"/>'
           '<stop offset="1" stop-color="#4f8a36"/></linearGradient>',
           '<radialGradient id="sun" cx="0.5" cy="0.5" r="0.5">'
           '<stop offset="0" stop-color="#fff8d0"/>'
           '<stop offset="0.5" stop-color="#ffe58a"/>'
           '<stop offset="1" stop-color="#ffe58a" stop-opacity="0"/>'
           '</radialGradient>',
           '</defs>',
           f'<rect width="{w}" height="{h}" fill="url(#sky)"/>',
           '<circle cx="420" cy="46" r="34" fill="url(#sun)"/>',
           '<g fill="#ffffff" opacity="0.9">'
           '<ellipse cx="90" cy="44" rx="36" ry="12"/>'
           '<ellipse cx="116" cy="36" rx="24" ry="13"/>'
           '<ellipse cx="270" cy="30" rx="26" ry="8"/></g>',
           # far hedge and field
           '<path d="M0,124 C40,108 80,116 120,112 C160,102 200,110 240,108 '
           'C290,100 340,110 380,106 C420,102 450,110 480,108 L480,140 L0,140 Z" '
           'fill="#3f7c3a"/>',
           f'<rect y="128" width="{w}" height="{h-128}" fill="url(#field)"/>']
    # the field is full of poppies, smaller and closer together far away
    dots = []
    for i in range(380):
        y = 130 + (rnd.random() ** 1.4) * 95
        x = rnd.uniform(-5, w + 5)
        r = 1.1 + (y - 130) * 0.035
        dots.append((y, x, r))
    dots.sort()
    for y, x, r in dots:
        if r > 2.5:
            out.append(f'<path d="M{x:.1f},{y:.1f} l0,{r*3:.1f}" stroke="#4f8032" '
                       f'stroke-width="{r*0.35:.1f}"/>')
        col = rnd.choice(["#e02a1c", "#d02218", "#ee3b24", "#c81c14"])
        out.append(f'<ellipse cx="{x:.1f}" cy="{y:.1f}" rx="{r:.1f}" '
                   f'ry="{r*0.75:.1f}" fill="{col}"/>')
    # grass blades in front
    out.append('<g stroke="#3f7a2c" stroke-width="1.6" fill="none" '
               'stroke-linecap="round">')
    for i in range(60):
        x = rnd.uniform(0, w)
        hgt = rnd.uniform(20, 50)
        lean = rnd.uniform(-10, 10)
        out.append(f'<path d="M{x:.1f},{h+2} q{lean/2:.1f},{-hgt/2:.1f} '
                   f'{lean:.1f},{-hgt:.1f}"/>')
    out.append('</g>')
    # stems, leaves, buds and flowers in front
    out.append(stem("M150,335 C146,280 142,220 150,170", 4.6))
    out.append(stem("M330,335 C334,280 338,230 320,150", 4.6))
    out.append(stem("M246,335 C244,300 240,270 246,238", 3.8))
    out.append(stem("M66,335 C66,300 68,260 74,228", 3.6))
    out.append(stem("M424,335 C422,300 422,270 428,240", 3.6))
    out.append(stem("M196,335 C200,290 212,250 206,222 C204,212 198,208 194,212", 3.0))
    out.append(stem("M386,335 C382,300 378,262 386,240 C388,232 394,230 396,236", 3.0))
    for (x, y, l, a) in [(146, 290, 62, -150), (148, 306, 58, -30),
                         (334, 282, 66, -30), (334, 300, 60, -150),
                         (244, 306, 48, -25), (66, 300, 46, -150),
                         (424, 304, 46, -30), (198, 296, 40, -150)]:
        out.append(poppy_leaf(x, y, l, a))
    out.append('<use href="#bud" transform="translate(194,224) rotate(20) scale(1.6)"/>')
    out.append('<use href="#bud" transform="translate(398,250) rotate(-25) scale(1.5)"/>')
    out.append('<use href="#cup" transform="translate(246,238) rotate(4) scale(1.0)"/>')
    out.append('<use href="#cup" transform="translate(74,228) rotate(-6) scale(0.85)"/>')
    out.append('<use href="#cup" transform="translate(428,240) rotate(8) scale(0.8)"/>')
    out.append('<use href="#poppy" transform="translate(150,168) scale(1.05)"/>')
    out.append('<use href="#poppy" transform="translate(322,148) rotate(20) scale(1.2)"/>')
    out.append('</svg>')
    return "\n".join(out)


def small_picture():
    w, h = 57, 41
    return "\n".join([
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<!-- Brambleton: a poppy head, drawn big for the tiny quiz picture. '
        'Made by poppies.py; edit that, not this. -->',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
        f'viewBox="0 0 {w} {h}">',
        '<defs>', DEFS,
        '<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#a9dcf5"/>'
        '<stop offset="0.6" stop-color="#9fcf78"/>'
        '<stop offset="1" stop-color="#5f9a40"/></linearGradient>',
        '</defs>',
        f'<rect width="{w}" height="{h}" fill="url(#bg)"/>',
        '<path d="M46,41 C46,34 48,30 50,28" stroke="#4f8032" stroke-width="1.2" fill="none"/>',
        '<use href="#bud" transform="translate(50,26) rotate(-20) scale(0.45)"/>',
        '<use href="#poppy" transform="translate(26,21) rotate(8) scale(0.36)"/>',
        '</svg>'])


def main():
    with open(os.path.join(HERE, "poppies2.svg"), "w") as f:
        f.write(big_picture() + "\n")
    with open(os.path.join(HERE, "poppies2sm.svg"), "w") as f:
        f.write(small_picture() + "\n")
    print("poppies2.svg poppies2sm.svg")


if __name__ == "__main__":
    main()
