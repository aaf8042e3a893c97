#!/usr/bin/env python3
"""Write Brambleton's garden snail pictures as SVG files.

    snail.svg     480 x 330  a garden snail on a leaf (page picture for
                             "Animals in your Locality")
    snailsm.svg    57 x 41   the same snail drawn big and bold for the
                             quiz screen's tiny picture box

Run this, then: sh tools/images/make_images.sh snail.svg snailsm.svg
Standard library only; the output is the same on every run.
"""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))


def spiral_points(cx, cy, r0, r1, turns, start, n=240):
    """Points of a spiral from radius r0 (the tip) out to r1."""
    b = math.log(r1 / r0) / (turns * 2 * math.pi)
    pts = []
    for i in range(n + 1):
        t = turns * 2 * math.pi * i / n
        r = r0 * math.exp(b * t)
        a = start + t
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def coil(cx, cy, r0, r1, turns, start, n=240):
    """Points of an even (Archimedean) coil from radius r0 out to r1."""
    pts = []
    for i in range(n + 1):
        f = i / n
        r = r0 + (r1 - r0) * f
        a = start + turns * 2 * math.pi * f
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def poly(pts):
    return "M" + " L".join(f"{x:.1f},{y:.1f}" for x, y in pts)


def snail(detail=True):
    """A garden snail facing left; shell centre at 0,0, radius 80.
    The foot rests on y = 80."""
    out = []
    line = 1.6 if detail else 5     # outline width
    tw = 1.0 if detail else 1.7     # tentacle thickness factor
    er = 5.2 if detail else 8.5     # eye size
    # the foot and the tail end poking out behind the shell
    out.append('<path d="M-150,62 C-160,30 -150,-6 -128,-8 C-112,-10 -104,8 -96,30 '
               'C-80,52 -40,60 20,60 C60,60 96,62 124,70 C140,74 146,80 130,82 '
               'L-130,82 C-146,82 -150,74 -150,62 Z" fill="url(#skin)" '
               f'stroke="#5b4a3a" stroke-width="{line}" stroke-linejoin="round"/>')
    # the edge of the foot, a little paler
    out.append('<path d="M-140,78 C-80,74 40,72 132,78" stroke="#c8b8a2" '
               'stroke-width="3" fill="none" stroke-linecap="round" opacity="0.8"/>')
    if detail:
        # wrinkly skin
        rnd = random.Random(4)
        out.append('<g stroke="#6d5b48" stroke-width="1" fill="none" '
                   'stroke-linecap="round" opacity="0.55">')
        for i in range(26):
            x = rnd.uniform(-142, 120)
            y = rnd.uniform(50, 72) if x > -100 else rnd.uniform(0, 70)
            out.append(f'<path d="M{x:.1f},{y:.1f} q3,-2 6,0"/>')
        out.append('</g>')
    # tentacles: two long ones with eyes, two short ones below
    out.append('<g stroke="#7d6a56" stroke-linecap="round" fill="none">'
               f'<path d="M-128,-4 C-136,-30 -146,-50 -160,-66" stroke-width="{6*tw}"/>'
               f'<path d="M-120,-6 C-120,-34 -116,-54 -108,-72" stroke-width="{6*tw}"/>'
               f'<path d="M-148,36 C-152,35 -156,35 -161,36" stroke-width="{5*tw}"/>'
               f'<path d="M-148,47 C-152,47 -155,48 -159,50" stroke-width="{4.5*tw}"/>'
               '</g>')
    out.append(f'<circle cx="-161" cy="-67" r="{er}" fill="#3a2c22"/>'
               f'<circle cx="-107" cy="-73" r="{er}" fill="#3a2c22"/>')
    if detail:
        out.append('<circle cx="-162.5" cy="-68.5" r="1.5" fill="#ffffff" opacity="0.8"/>'
                   '<circle cx="-108.5" cy="-74.5" r="1.5" fill="#ffffff" opacity="0.8"/>')
    # the shell
    out.append('<ellipse cx="0" cy="0" rx="84" ry="78" fill="url(#shell)" '
               f'stroke="#4a2e16" stroke-width="{line + 0.2}"/>')
    # an even coil from the tip of the shell out to its edge
    pts = coil(10, -6, 3, 74, 2.5, math.radians(-60))
    out.append('<g clip-path="url(#shellclip)">')
    if detail:
        # a dark band between the coils, broken into flecks
        band = coil(10, -6, 17, 88, 2.5, math.radians(-60))
        out.append(f'<path d="{poly(band[25:205])}" stroke="#6a3c16" '
                   f'stroke-width="9" fill="none" opacity="0.55" '
                   f'stroke-dasharray="14 3 8 4" stroke-linecap="round"/>')
        band = coil(10, -6, 10, 81, 2.5, math.radians(-60))
        out.append(f'<path d="{poly(band[20:215])}" stroke="#f4d39a" '
                   f'stroke-width="3" fill="none" opacity="0.6" '
                   f'stroke-linecap="round"/>')
    # the groove between the coils
    out.append(f'<path d="{poly(pts[4:])}" stroke="#3f2612" '
               f'stroke-width="{2.4 if detail else 7}" '
               f'fill="none" stroke-linecap="round"/>')
    out.append('</g>')
    # the lip of the shell, where the snail comes out
    out.append('<path d="M-70,40 C-60,62 -30,74 0,76" stroke="#f2dcae" '
               'stroke-width="5" fill="none" stroke-linecap="round"/>')
    # shine
    out.append('<path d="M-40,-56 C-20,-70 20,-72 44,-58" stroke="#ffffff" '
               'stroke-width="6" fill="none" stroke-linecap="round" opacity="0.35"/>')
    return "\n".join(out)


SNAIL_DEFS = """
<radialGradient id="shell" cx="0.4" cy="0.35" r="0.75">
  <stop offset="0" stop-color="#e9bd72"/>
  <stop offset="0.55" stop-color="#c98c3c"/>
  <stop offset="1" stop-color="#8a5520"/>
</radialGradient>
<clipPath id="shellclip"><ellipse cx="0" cy="0" rx="83" ry="77"/></clipPath>
<linearGradient id="skin" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#b3a08a"/>
  <stop offset="1" stop-color="#8c7862"/>
</linearGradient>
<linearGradient id="leafg" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#7cc24e"/>
  <stop offset="1" stop-color="#3f8a2c"/>
</linearGradient>
"""


def big_picture():
    w, h = 480, 330
    rnd = random.Random(21)
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!-- Brambleton: a garden snail on a leaf. Made by snail.py; edit '
           'that, not this. -->',
           f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
           f'viewBox="0 0 {w} {h}">',
           '<defs>', SNAIL_DEFS,
           '<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#cfe9c0"/>'
           '<stop offset="1" stop-color="#7fb862"/></linearGradient>',
           '<filter id="soft" x="-10%" y="-10%" width="120%" height="120%">'
           '<feGaussianBlur stdDeviation="3"/></filter>',
           '</defs>',
           f'<rect width="{w}" height="{h}" fill="url(#bg)"/>']
    # blurred garden behind: leaves, a few flowers
    out.append('<g filter="url(#soft)">')
    for i in range(40):
        x = rnd.uniform(-20, w + 20)
        y = rnd.uniform(-10, h)
        l = rnd.uniform(50, 90)
        a = rnd.uniform(0, 360)
        col = rnd.choice(["#8cc46a", "#6fae52", "#a6d486", "#5f9e45"])
        out.append(f'<g transform="translate({x:.0f},{y:.0f}) rotate({a:.0f})">'
                   f'<path d="M0,0 C{l*0.3:.0f},-{l*0.3:.0f} {l*0.75:.0f},-{l*0.3:.0f} '
                   f'{l:.0f},0 C{l*0.75:.0f},{l*0.3:.0f} {l*0.3:.0f},{l*0.3:.0f} 0,0 Z" '
                   f'fill="{col}" opacity="0.8"/></g>')
    for (x, y, c) in [(40, 40, "#f3c0d8"), (420, 30, "#fff3a8"),
                      (450, 90, "#f3c0d8"), (70, 110, "#ffffff")]:
        out.append(f'<circle cx="{x}" cy="{y}" r="16" fill="{c}" opacity="0.9"/>'
                   f'<circle cx="{x}" cy="{y}" r="5" fill="#f2c12e"/>')
    out.append('</g>')
    # the big leaf the snail sits on
    out.append('<path d="M-10,330 C40,250 160,222 300,226 C380,228 440,220 496,196 '
               'C470,270 400,320 300,336 Z" fill="url(#leafg)" stroke="#2f6a22" '
               'stroke-width="2"/>')
    out.append('<path d="M0,324 C120,270 300,250 490,202" stroke="#b6e08c" '
               'stroke-width="3" fill="none" stroke-linecap="round"/>')
    out.append('<g stroke="#9ccf74" stroke-width="1.8" fill="none" '
               'stroke-linecap="round">')
    for x0, y0, x1, y1 in [(90, 290, 130, 246), (170, 272, 210, 234),
                           (250, 258, 300, 228), (330, 246, 380, 226),
                           (410, 230, 450, 214), (120, 282, 170, 320),
                           (210, 264, 270, 320), (300, 250, 360, 314),
                           (390, 234, 440, 286)]:
        out.append(f'<path d="M{x0},{y0} Q{(x0+x1)/2:.0f},{(y0+y1)/2-6:.0f} '
                   f'{x1},{y1}"/>')
    out.append('</g>')
    # shiny slime trail behind the snail
    out.append('<path d="M360,262 C400,256 440,246 480,236" stroke="#e8f4ff" '
               'stroke-width="6" fill="none" stroke-linecap="round" '
               'opacity="0.6"/>')
    out.append('<g transform="translate(262,166) scale(0.98)">')
    out.append(snail(True))
    out.append('</g>')
    out.append('</svg>')
    return "\n".join(out)


def small_picture():
    w, h = 57, 41
    return "\n".join([
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<!-- Brambleton: a garden snail, drawn big and bold for the tiny '
        'quiz picture. Made by snail.py; edit that, not this. -->',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
        f'viewBox="0 0 {w} {h}">',
        '<defs>', SNAIL_DEFS,
        '<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#d6efc8"/>'
        '<stop offset="1" stop-color="#9acb7c"/></linearGradient>',
        '</defs>',
        f'<rect width="{w}" height="{h}" fill="url(#bg)"/>',
        '<path d="M-2,41 C8,34 30,33 59,30 L59,41 Z" fill="url(#leafg)"/>',
        '<g transform="translate(30.5,19.5) scale(0.165)">',
        snail(False),
        '</g>',
        '</svg>'])


def main():
    with open(os.path.join(HERE, "snail.svg"), "w") as f:
        f.write(big_picture() + "\n")
    with open(os.path.join(HERE, "snailsm.svg"), "w") as f:
        f.write(small_picture() + "\n")
    print("snail.svg snailsm.svg")


if __name__ == "__main__":
    main()
