#!/usr/bin/env python3
"""Write Brambleton's plant-part pictures as SVG files, 160 x 120 each.

These are the cards pupils label ("Roots", "Stem", "Leaf", "Bud",
"Flower", "Shoot", "Fruit") and put in order (roots, stem, leaf, flowers,
seeds), so each shows one part, big, and as little else as possible:

    fruitsm    an apple on its twig          leafsm     one leaf
    shoot2sm   a young shoot out of the soil stem3sm    a stem, close up
    fuschiasm  a fuchsia flower              rootssm    roots in the soil
    budsm      a closed rose bud             flowerssm  open flowers
    seeds2sm   sunflower seeds

Run this, then make_images.sh with the names it prints.
Standard library only; the output is the same on every run.
"""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
W, H = 160, 120


def page(name, title, defs, body):
    svg = (f'<?xml version="1.0" encoding="UTF-8"?>\n'
           f'<!-- Brambleton: {title}. Made by plantparts.py; edit that, '
           f'not this. -->\n'
           f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
           f'viewBox="0 0 {W} {H}">\n<defs>\n{defs}\n</defs>\n{body}\n</svg>\n')
    with open(os.path.join(HERE, name + ".svg"), "w") as f:
        f.write(svg)
    return name + ".svg"


def vgrad(gid, top, bottom):
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/>'
            f'<stop offset="1" stop-color="{bottom}"/></linearGradient>')


def hgrad(gid, stops):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="1" y2="0">{s}'
            f'</linearGradient>')


BLUR = ('<filter id="soft" x="-20%" y="-20%" width="140%" height="140%">'
        '<feGaussianBlur stdDeviation="2.2"/></filter>')


def soft_leaves(seed, n, cols, area=(0, 0, W, H), opacity=0.7):
    """Out-of-focus leaves for a background."""
    rnd = random.Random(seed)
    x0, y0, x1, y1 = area
    out = [f'<g filter="url(#soft)" opacity="{opacity}">']
    for i in range(n):
        x, y = rnd.uniform(x0, x1), rnd.uniform(y0, y1)
        l = rnd.uniform(22, 40)
        a = rnd.uniform(0, 360)
        out.append(f'<path transform="translate({x:.0f},{y:.0f}) rotate({a:.0f})" '
                   f'd="M0,0 C{l*0.3:.0f},-{l*0.3:.0f} {l*0.75:.0f},-{l*0.3:.0f} '
                   f'{l:.0f},0 C{l*0.75:.0f},{l*0.3:.0f} {l*0.3:.0f},{l*0.3:.0f} 0,0 Z" '
                   f'fill="{rnd.choice(cols)}"/>')
    out.append('</g>')
    return "\n".join(out)


def leaf_shape(length, width, serrate=0):
    """Path of a pointed oval leaf from 0,0 (stalk end) to length,0."""
    l, w = length, width
    if not serrate:
        return (f"M0,0 C{l*0.15:.1f},{-w*0.9:.1f} {l*0.6:.1f},{-w*1.05:.1f} {l},0 "
                f"C{l*0.6:.1f},{w*1.05:.1f} {l*0.15:.1f},{w*0.9:.1f} 0,0 Z")
    # a toothed edge: sample the smooth outline and notch it
    def edge(sign):
        pts = []
        n = serrate
        for i in range(1, n):
            t = i / n
            # smooth half-width at t
            hw = w * 1.12 * math.sin(math.pi * t ** 0.8) * (1 - 0.15 * t)
            pts.append((l * t, sign * hw))
        return pts
    top, bot = edge(-1), edge(1)
    d = "M0,0 "
    for x, y in top:
        d += f"L{x - 2:.1f},{y * 0.94:.1f} L{x:.1f},{y:.1f} "
    d += f"L{l},0 "
    for x, y in reversed(bot):
        d += f"L{x:.1f},{y:.1f} L{x - 2:.1f},{y * 0.94:.1f} "
    return d + "Z"


def veins(length, width, pairs, colour, w1=1.4, w2=0.8, opacity=0.8):
    l = length
    out = [f'<g stroke="{colour}" fill="none" stroke-linecap="round" '
           f'opacity="{opacity}">',
           f'<path d="M0,0 L{l*0.96:.1f},0" stroke-width="{w1}"/>']
    for i in range(pairs):
        t = 0.12 + 0.76 * i / max(1, pairs - 1)
        x = l * t
        reach = width * 0.85 * math.sin(math.pi * min(0.95, t + 0.1))
        dx = l * 0.16
        for s in (-1, 1):
            out.append(f'<path d="M{x:.1f},0 Q{x + dx*0.5:.1f},{s*reach*0.5:.1f} '
                       f'{x + dx:.1f},{s*reach:.1f}" stroke-width="{w2}"/>')
    out.append('</g>')
    return "\n".join(out)


# ---------------------------------------------------------------------------

def fruit():
    defs = "\n".join([
        vgrad("bg", "#bfe3f6", "#eaf6e0"), BLUR,
        '<radialGradient id="apple" cx="0.38" cy="0.35" r="0.75">'
        '<stop offset="0" stop-color="#ff6a4a"/>'
        '<stop offset="0.5" stop-color="#dc2a1c"/>'
        '<stop offset="1" stop-color="#8e1410"/></radialGradient>',
        '<radialGradient id="blush" cx="0.5" cy="0.5" r="0.5">'
        '<stop offset="0" stop-color="#f2d24a" stop-opacity="0.9"/>'
        '<stop offset="1" stop-color="#f2d24a" stop-opacity="0"/></radialGradient>',
        vgrad("leaf", "#6fb64a", "#3f8a2c")])
    body = "\n".join([
        f'<rect width="{W}" height="{H}" fill="url(#bg)"/>',
        soft_leaves(1, 16, ["#9ccc7c", "#86bd66", "#b2d99a"]),
        # twig
        '<path d="M-4,12 C40,8 100,6 164,2" stroke="#6b4a2a" stroke-width="6" '
        'fill="none" stroke-linecap="round"/>',
        '<path d="M-4,10 C40,6 100,4 164,0" stroke="#9a7450" stroke-width="1.5" '
        'fill="none" stroke-linecap="round" opacity="0.7"/>',
        # stalk
        '<path d="M84,8 C84,16 82,24 80,38" stroke="#5a3a1e" stroke-width="3" '
        'fill="none" stroke-linecap="round"/>',
        # the apple
        '<g transform="translate(80,70) scale(0.92)">'
        '<path d="M0,-36 C12,-48 46,-46 50,-14 C54,16 36,46 14,46 '
        'C7,46 4,43 0,43 C-4,43 -7,46 -14,46 C-36,46 -54,16 -50,-14 '
        'C-46,-46 -12,-48 0,-36 Z" fill="url(#apple)" stroke="#6a0e0a" '
        'stroke-width="1.2"/>'
        '<ellipse cx="26" cy="10" rx="14" ry="20" fill="url(#blush)" opacity="0.6"/>'
        '<path d="M-6,-38 C-2,-34 2,-34 6,-38" stroke="#6a0e0a" stroke-width="1.4" '
        'fill="none"/>'
        '<ellipse cx="-26" cy="-18" rx="8" ry="13" fill="#ffffff" opacity="0.45" '
        'transform="rotate(25 -26 -18)"/>'
        '<circle cx="-30" cy="-28" r="2.5" fill="#ffffff" opacity="0.8"/>'
        '<g fill="#f7d65a" opacity="0.6">'
        '<circle cx="-12" cy="10" r="0.9"/><circle cx="10" cy="-12" r="0.9"/>'
        '<circle cx="-30" cy="14" r="0.9"/><circle cx="30" cy="24" r="0.9"/>'
        '<circle cx="2" cy="30" r="0.9"/><circle cx="-20" cy="-6" r="0.9"/></g>'
        '</g>',
        # one small leaf by the stalk
        '<g transform="translate(84,12) rotate(24)">'
        f'<path d="{leaf_shape(30, 9)}" fill="url(#leaf)" stroke="#2f6a22" '
        'stroke-width="0.8"/>' + veins(30, 9, 3, "#c7e6a8", 0.8, 0.5) + '</g>',
    ])
    return page("fruitsm", "a fruit: a red apple on its twig", defs, body)


def leaf():
    defs = "\n".join([
        vgrad("bg", "#f3f8e6", "#dfeecb"),
        '<linearGradient id="leaf" x1="0" y1="0" x2="1" y2="1">'
        '<stop offset="0" stop-color="#7ccb4c"/>'
        '<stop offset="1" stop-color="#2f7f2a"/></linearGradient>'])
    l, w = 136, 40
    body = "\n".join([
        f'<rect width="{W}" height="{H}" fill="url(#bg)"/>',
        f'<g transform="translate(20,102) rotate(-31)">',
        # the stalk
        '<path d="M-10,0 L4,0" stroke="#3f8a2c" stroke-width="3.5" '
        'stroke-linecap="round"/>',
        f'<path d="{leaf_shape(l, w, serrate=22)}" fill="url(#leaf)" '
        'stroke="#1f5a1a" stroke-width="1.1" stroke-linejoin="round"/>',
        veins(l, w, 7, "#d6f0b4", 2.0, 1.1, 0.85),
        '</g>'])
    return page("leafsm", "a leaf", defs, body)


def shoot():
    defs = "\n".join([
        vgrad("bg", "#a8d8f4", "#e4f4fc"),
        vgrad("soil", "#7a5232", "#4a2e18"),
        vgrad("leaf", "#8ad45a", "#3f9a2e")])
    rnd = random.Random(5)
    crumbs = "".join(
        f'<ellipse cx="{rnd.uniform(0, W):.1f}" cy="{rnd.uniform(84, H):.1f}" '
        f'rx="{rnd.uniform(1, 3):.1f}" ry="{rnd.uniform(0.8, 2):.1f}" '
        f'fill="{rnd.choice(["#8e6440", "#5a3a20", "#a07650"])}"/>'
        for _ in range(70))
    body = "\n".join([
        f'<rect width="{W}" height="{H}" fill="url(#bg)"/>',
        # soil, with a little mound where the shoot has pushed through
        '<path d="M0,84 C40,80 64,80 72,78 C78,74 88,74 94,78 C110,80 130,82 160,82 '
        'L160,120 L0,120 Z" fill="url(#soil)"/>',
        crumbs,
        # the young stem
        '<path d="M82,80 C79,62 77,46 80,28" stroke="#4f9a34" stroke-width="6" '
        'fill="none" stroke-linecap="round"/>',
        '<path d="M81,78 C78,62 77,46 79.5,30" stroke="#a6dd7c" stroke-width="1.6" '
        'fill="none" stroke-linecap="round"/>',
        # two seed leaves
        '<g transform="translate(80,28) rotate(-162)">'
        f'<path d="{leaf_shape(50, 19)}" fill="url(#leaf)" stroke="#2f6a22" '
        'stroke-width="1"/>' + veins(50, 19, 0, "#d6f0b4", 1.1, 0.6) + '</g>',
        '<g transform="translate(80,28) rotate(-18)">'
        f'<path d="{leaf_shape(50, 19)}" fill="url(#leaf)" stroke="#2f6a22" '
        'stroke-width="1"/>' + veins(50, 19, 0, "#d6f0b4", 1.1, 0.6) + '</g>',
        # the first true leaves just opening in the middle
        '<g transform="translate(80,28) rotate(-112)">'
        f'<path d="{leaf_shape(22, 7)}" fill="#5fb83c" stroke="#2f6a22" '
        'stroke-width="0.8"/></g>',
        '<g transform="translate(80,28) rotate(-68)">'
        f'<path d="{leaf_shape(22, 7)}" fill="#5fb83c" stroke="#2f6a22" '
        'stroke-width="0.8"/></g>',
    ])
    return page("shoot2sm", "a young shoot coming up out of the soil", defs, body)


def stem():
    defs = "\n".join([
        vgrad("bg", "#eef6fb", "#dcebd0"), BLUR,
        hgrad("stem", [(0, "#2f6e26"), (0.35, "#6cbc4a"), (0.55, "#8ed266"),
                       (1, "#2f6e26")]),
        hgrad("stalk", [(0, "#3f8a2c"), (0.5, "#7cc658"), (1, "#3f8a2c")])])
    body = "\n".join([
        f'<rect width="{W}" height="{H}" fill="url(#bg)"/>',
        soft_leaves(3, 10, ["#c6e2b0", "#b4d89c"], opacity=0.5),
        # leaf stalks leaving the stem at its joints (leaves out of the picture)
        '<path d="M84,34 C100,26 120,18 166,8" stroke="#3f8a2c" stroke-width="7" '
        'fill="none" stroke-linecap="round"/>',
        '<path d="M84,34 C100,26 120,18 166,8" stroke="#8ed266" stroke-width="2" '
        'fill="none" stroke-linecap="round" opacity="0.6"/>',
        '<path d="M76,88 C60,80 40,74 -6,70" stroke="#3f8a2c" stroke-width="7" '
        'fill="none" stroke-linecap="round"/>',
        '<path d="M76,88 C60,80 40,74 -6,70" stroke="#8ed266" stroke-width="2" '
        'fill="none" stroke-linecap="round" opacity="0.6"/>',
        # the stem itself, filling the picture from bottom to top
        '<path d="M66,124 C68,90 72,50 74,-4 L96,-4 C94,50 90,90 90,124 Z" '
        'fill="url(#stem)" stroke="#1f5218" stroke-width="1.2"/>',
        # swollen joints (nodes) where the stalks join
        '<path d="M71,36 C78,30 88,30 95,36 C95,40 89,42 83,42 C77,42 71,40 71,36 Z" '
        'fill="#3f8a2c" stroke="#1f5218" stroke-width="1"/>',
        '<path d="M67,90 C74,84 84,84 91,90 C91,94 85,96 79,96 C73,96 67,94 67,90 Z" '
        'fill="#3f8a2c" stroke="#1f5218" stroke-width="1"/>',
        # fine ridges and hairs along the stem
        '<g stroke="#2f6e26" stroke-width="0.7" fill="none" opacity="0.6">'
        '<path d="M74,120 C76,90 80,50 81,0 M84,120 C85,90 87,50 89,0"/></g>',
        '<g stroke="#e6f6d6" stroke-width="0.6" stroke-linecap="round" opacity="0.8">'
        + "".join(f'<path d="M{67 + (y < 60) * 5 - y * 0.05:.1f},{y} l-3,-2"/>'
                  f'<path d="M{91 + (y < 60) * 3 - y * 0.02:.1f},{y + 4} l3,-2"/>'
                  for y in range(6, 118, 9)) + '</g>',
    ])
    return page("stem3sm", "a plant's stem, close up", defs, body)


def fuchsia():
    defs = "\n".join([
        vgrad("bg", "#eef5fb", "#d9ead0"), BLUR,
        '<linearGradient id="sepal" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#f25c9a"/>'
        '<stop offset="1" stop-color="#d81b6a"/></linearGradient>',
        '<linearGradient id="skirt" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#5b1f8a"/>'
        '<stop offset="1" stop-color="#9a3fc4"/></linearGradient>'])

    def flower(x, y, s, rot):
        return "\n".join([
            f'<g transform="translate({x},{y}) rotate({rot}) scale({s})">',
            # flower stalk and the little green seed box
            '<path d="M0,-40 C0,-30 0,-22 0,-16" stroke="#6a3a2a" stroke-width="1.6" '
            'fill="none"/>',
            '<ellipse cx="0" cy="-13" rx="3.4" ry="4.4" fill="#5f9a3a" '
            'stroke="#2f5a1e" stroke-width="0.6"/>',
            # stamens and the long style hanging below the skirt
            '<g stroke="#e8408a" stroke-width="1" fill="none" stroke-linecap="round">'
            '<path d="M-3,24 C-6,36 -10,46 -12,54 M-1,24 C-2,38 -4,48 -5,58 '
            'M1,24 C2,38 4,48 5,58 M3,24 C6,36 10,46 12,54 '
            'M-2,24 C-4,40 -8,50 -8,56 M2,24 C4,40 8,50 8,56"/></g>',
            '<g fill="#7a1a40">'
            '<ellipse cx="-12" cy="55.5" rx="1.4" ry="2"/><ellipse cx="-5" cy="59.5" rx="1.4" ry="2"/>'
            '<ellipse cx="5" cy="59.5" rx="1.4" ry="2"/><ellipse cx="12" cy="55.5" rx="1.4" ry="2"/>'
            '<ellipse cx="-8" cy="57.5" rx="1.4" ry="2"/><ellipse cx="8" cy="57.5" rx="1.4" ry="2"/></g>',
            '<path d="M0,24 C0,44 0,58 0,70" stroke="#f07aae" stroke-width="1.3" fill="none"/>',
            '<ellipse cx="0" cy="71" rx="2.4" ry="2" fill="#fff4e0" stroke="#e8408a" '
            'stroke-width="0.6"/>',
            # the purple skirt of petals
            '<path d="M-9,2 C-14,10 -16,20 -13,28 C-9,26 -6,30 -3,28 C0,31 3,31 5,28 '
            'C8,30 11,27 13,28 C16,20 14,10 9,2 Z" fill="url(#skirt)" '
            'stroke="#3a1060" stroke-width="0.8"/>',
            '<path d="M-4,6 C-6,14 -6,20 -5,26 M4,6 C6,14 6,20 5,26" stroke="#c27ae0" '
            'stroke-width="0.8" fill="none" opacity="0.7"/>',
            # the tube and four pink sepals flung back
            '<path d="M-3.5,-10 C-4,-4 -6,0 -8,3 L8,3 C6,0 4,-4 3.5,-10 Z" '
            'fill="url(#sepal)" stroke="#a0104c" stroke-width="0.6"/>',
            '<path d="M-6,1 C-16,0 -28,-6 -36,-18 C-26,-12 -14,-8 -4,-4 Z" '
            'fill="url(#sepal)" stroke="#a0104c" stroke-width="0.6"/>',
            '<path d="M6,1 C16,0 28,-6 36,-18 C26,-12 14,-8 4,-4 Z" '
            'fill="url(#sepal)" stroke="#a0104c" stroke-width="0.6"/>',
            '<path d="M-3,2 C-8,6 -14,8 -22,6 C-14,2 -8,-2 -2,-4 Z" '
            'fill="#e8357e" stroke="#a0104c" stroke-width="0.6"/>',
            '<path d="M3,2 C8,6 14,8 22,6 C14,2 8,-2 2,-4 Z" '
            'fill="#e8357e" stroke="#a0104c" stroke-width="0.6"/>',
            '</g>'])

    body = "\n".join([
        f'<rect width="{W}" height="{H}" fill="url(#bg)"/>',
        soft_leaves(7, 12, ["#b9dca0", "#a6d08a"], opacity=0.55),
        # the arching twig it hangs from
        '<path d="M-4,10 C40,2 110,4 164,14" stroke="#6a3a2a" stroke-width="2.6" '
        'fill="none" stroke-linecap="round"/>',
        flower(80, 44, 1.05, 0),
        # a hanging bud to one side
        '<path d="M132,11 C134,18 136,24 136,30" stroke="#6a3a2a" stroke-width="1.2" '
        'fill="none"/>',
        '<ellipse cx="136" cy="32" rx="2.2" ry="3" fill="#5f9a3a"/>',
        '<path d="M136,34 C131,40 132,52 136,56 C140,52 141,40 136,34 Z" '
        'fill="url(#sepal)" stroke="#a0104c" stroke-width="0.6"/>',
    ])
    return page("fuschiasm", "a fuchsia flower", defs, body)


def roots():
    defs = "\n".join([
        vgrad("bg", "#b8e0f6", "#e6f5fc"),
        vgrad("soil", "#6e4a2c", "#3e2614"),
        vgrad("leaf", "#7cc24e", "#3f8a2c")])
    rnd = random.Random(9)

    def root(x, y, angle, length, width, depth):
        """A root that wanders down and splits."""
        out = []
        pts = [(x, y)]
        a = angle
        seg = length / 5
        for i in range(5):
            a += rnd.uniform(-18, 18)
            x += seg * math.sin(math.radians(a))
            y += seg * math.cos(math.radians(a))
            pts.append((x, y))
        d = "M" + " L".join(f"{px:.1f},{py:.1f}" for px, py in pts)
        out.append((width, d))
        if depth > 0:
            for i in (1, 2, 3, 4):
                px, py = pts[i]
                side = rnd.choice((-1, 1))
                out += root(px, py, a + side * rnd.uniform(35, 70),
                            length * 0.55, width * 0.55, depth - 1)
        return out

    parts = []
    parts += root(80, 34, 0, 84, 4.4, 2)
    parts += root(78, 36, 55, 60, 2.8, 2)
    parts += root(82, 36, -55, 60, 2.8, 2)
    parts += root(79, 36, 28, 66, 3.0, 2)
    parts += root(81, 36, -28, 66, 3.0, 2)
    outline = "".join(
        f'<path d="{d}" stroke="#3a2410" stroke-width="{w + 1.4:.1f}" fill="none" '
        f'stroke-linecap="round" stroke-linejoin="round"/>' for w, d in parts)
    fill = "".join(
        f'<path d="{d}" stroke="#f0dcb4" stroke-width="{w:.1f}" fill="none" '
        f'stroke-linecap="round" stroke-linejoin="round"/>' for w, d in parts)
    stones = "".join(
        f'<ellipse cx="{rnd.uniform(0, W):.1f}" cy="{rnd.uniform(40, H):.1f}" '
        f'rx="{rnd.uniform(1, 3):.1f}" ry="{rnd.uniform(0.8, 2):.1f}" '
        f'fill="{rnd.choice(["#86603c", "#5a3a20", "#7a5a40"])}"/>'
        for _ in range(60))
    body = "\n".join([
        f'<rect width="{W}" height="{H}" fill="url(#bg)"/>',
        # the soil, cut away to show the roots
        f'<rect y="32" width="{W}" height="{H-32}" fill="url(#soil)"/>',
        '<path d="M0,32 C30,30 60,33 90,31 C120,30 140,33 160,32" stroke="#8a6440" '
        'stroke-width="2" fill="none"/>',
        stones,
        outline, fill,
        # just the bottom of the plant above the ground
        '<path d="M80,34 L80,6" stroke="#4f9a34" stroke-width="4.5" '
        'stroke-linecap="round"/>',
        '<g transform="translate(80,16) rotate(-150)">'
        f'<path d="{leaf_shape(26, 8)}" fill="url(#leaf)" stroke="#2f6a22" '
        'stroke-width="0.8"/></g>',
        '<g transform="translate(80,12) rotate(-35)">'
        f'<path d="{leaf_shape(26, 8)}" fill="url(#leaf)" stroke="#2f6a22" '
        'stroke-width="0.8"/></g>',
    ])
    return page("rootssm", "a plant's roots in the soil", defs, body)


def bud():
    defs = "\n".join([
        vgrad("bg", "#cfe8f8", "#eef7fc"), BLUR,
        '<linearGradient id="petals" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#f0507a"/>'
        '<stop offset="1" stop-color="#b8143e"/></linearGradient>',
        hgrad("sepal", [(0, "#2f7a26"), (0.5, "#6cbc4a"), (1, "#2f7a26")]),
        hgrad("stem", [(0, "#3f8a2c"), (0.5, "#7cc658"), (1, "#3f8a2c")])])
    body = "\n".join([
        f'<rect width="{W}" height="{H}" fill="url(#bg)"/>',
        soft_leaves(11, 10, ["#cfe6bf", "#bcdcaa"], opacity=0.5),
        # stem
        '<path d="M78,124 C80,108 82,98 80,80" stroke="url(#stem)" stroke-width="6" '
        'fill="none" stroke-linecap="round"/>',
        '<g stroke="#2f6a22" stroke-width="0.8" stroke-linecap="round">'
        '<path d="M77,100 l-3,-2 M83,92 l3,-2 M77,112 l-3,-2"/></g>',
        '<g transform="translate(80,47) scale(1.25) translate(-80,-40)">',
        # the round base under the bud
        '<ellipse cx="80" cy="72" rx="8" ry="7" fill="#4f9a34" stroke="#1f5218" '
        'stroke-width="0.8"/>',
        # tightly closed petals, just showing at the tip
        '<path d="M80,10 C92,22 96,42 92,58 C88,66 72,66 68,58 C64,42 68,22 80,10 Z" '
        'fill="url(#petals)" stroke="#7a0e28" stroke-width="0.9"/>',
        '<path d="M80,12 C84,24 84,34 80,46" stroke="#7a0e28" stroke-width="0.8" '
        'fill="none" opacity="0.6"/>',
        # green sepals wrapped round it, with long pointed tips
        '<path d="M72,68 C62,56 62,38 70,22 C70,36 74,50 80,62 Z" '
        'fill="url(#sepal)" stroke="#1f5218" stroke-width="0.8"/>',
        '<path d="M88,68 C98,56 98,38 90,22 C90,36 86,50 80,62 Z" '
        'fill="url(#sepal)" stroke="#1f5218" stroke-width="0.8"/>',
        '<path d="M70,66 C70,50 76,36 80,20 C84,36 90,50 90,66 C84,70 76,70 70,66 Z" '
        'fill="url(#sepal)" stroke="#1f5218" stroke-width="0.8"/>',
        '<path d="M74,64 C74,52 78,42 80,30" stroke="#a6dd7c" stroke-width="0.9" '
        'fill="none" opacity="0.7"/>',
        '</g>',
    ])
    return page("budsm", "a closed flower bud", defs, body)


def flowers():
    defs = "\n".join([
        vgrad("bg", "#bfe3f6", "#b9dc9c"), BLUR,
        '<radialGradient id="centre" cx="0.4" cy="0.4" r="0.6">'
        '<stop offset="0" stop-color="#ffe066"/>'
        '<stop offset="1" stop-color="#e0a010"/></radialGradient>'])

    def bloom(x, y, r, colour, edge, n=8):
        out = [f'<g transform="translate({x},{y})">']
        for i in range(n):
            a = 360 * i / n
            out.append(f'<path d="M0,0 C{r*0.35:.1f},{-r*0.3:.1f} {r*0.8:.1f},{-r*0.42:.1f} '
                       f'{r:.1f},{-r*0.12:.1f} C{r*1.04:.1f},0 {r:.1f},{r*0.06:.1f} '
                       f'{r*0.96:.1f},{r*0.14:.1f} C{r*0.8:.1f},{r*0.42:.1f} '
                       f'{r*0.35:.1f},{r*0.3:.1f} 0,0 Z" fill="{colour}" '
                       f'stroke="{edge}" stroke-width="0.8" '
                       f'transform="rotate({a:.1f})"/>')
            out.append(f'<path d="M{r*0.3:.1f},0 L{r*0.8:.1f},0" stroke="{edge}" '
                       f'stroke-width="0.6" opacity="0.5" transform="rotate({a:.1f})"/>')
        out.append(f'<circle r="{r*0.28:.1f}" fill="url(#centre)" stroke="#b07808" '
                   f'stroke-width="0.8"/>')
        out.append('</g>')
        return "".join(out)

    body = "\n".join([
        f'<rect width="{W}" height="{H}" fill="url(#bg)"/>',
        soft_leaves(13, 22, ["#8cc46a", "#6fae52", "#a6d486"], (0, 50, W, H), 0.8),
        '<g stroke="#3f8a2c" stroke-width="3" fill="none" stroke-linecap="round">'
        '<path d="M34,56 C36,80 40,100 42,124 M82,70 C82,90 80,110 80,124 '
        'M128,62 C126,86 124,104 122,124"/></g>',
        bloom(34, 42, 30, "#f6d03a", "#c09010"),
        bloom(128, 50, 30, "#ff7aa8", "#c8406e"),
        bloom(80, 66, 38, "#e8336a", "#9a1040", 9),
    ])
    return page("flowerssm", "bright open flowers", defs, body)


def seeds():
    defs = "\n".join([
        vgrad("bg", "#e9d2a8", "#c9a676"),
        '<clipPath id="seedclip"><path id="seedpath" '
        'd="M0,-15 C4,-13 7.5,-3 7,5 C6.5,11 4,15 0,15 C-4,15 -6.5,11 -7,5 '
        'C-7.5,-3 -4,-13 0,-15 Z"/></clipPath>',
        '<radialGradient id="seedshine" cx="0.35" cy="0.3" r="0.8">'
        '<stop offset="0" stop-color="#ffffff" stop-opacity="0.35"/>'
        '<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></radialGradient>',
        # one sunflower seed: black with grey-white stripes
        '<g id="seed">'
        '<use href="#seedpath" fill="#2e2e30"/>'
        '<g clip-path="url(#seedclip)" stroke="#c8c8c0" stroke-width="0.9" fill="none">'
        '<path d="M-4,-12 C-5.5,-2 -5,7 -4,15 M0,-15 L0,15 '
        'M4,-12 C5.5,-2 5,7 4,15"/></g>'
        '<g clip-path="url(#seedclip)" stroke="#8a8a86" stroke-width="0.6" fill="none">'
        '<path d="M-2,-14 C-2.6,-2 -2.4,7 -2,15 M2,-14 C2.6,-2 2.4,7 2,15"/></g>'
        '<use href="#seedpath" fill="url(#seedshine)" stroke="#111" stroke-width="0.7"/>'
        '</g>',
        '<radialGradient id="shadow" cx="0.5" cy="0.5" r="0.5">'
        '<stop offset="0" stop-color="#5a3a1a" stop-opacity="0.45"/>'
        '<stop offset="1" stop-color="#5a3a1a" stop-opacity="0"/></radialGradient>'])
    rnd = random.Random(17)
    # a small heap in the middle, a few seeds scattered round it
    placed = []
    for i in range(34):
        a = rnd.uniform(0, 2 * math.pi)
        d = rnd.random() ** 0.8
        x = 80 + math.cos(a) * d * 46
        y = 62 + math.sin(a) * d * 30
        placed.append((d, x, y, rnd.uniform(0, 360)))
    for (x, y) in [(18, 24), (140, 20), (22, 102), (138, 104), (80, 110),
                   (150, 62), (10, 64)]:
        placed.append((2, x, y, rnd.uniform(0, 360)))
    placed.sort(key=lambda p: -p[0])
    uses = "".join(f'<use href="#seed" transform="translate({x:.1f},{y:.1f}) '
                   f'rotate({r:.0f})"/>' for _, x, y, r in placed)
    # wood grain on the table
    grain = "".join(f'<path d="M0,{y} C50,{y + rnd.uniform(-3, 3):.1f} 110,'
                    f'{y + rnd.uniform(-3, 3):.1f} 160,{y}" stroke="#b08a5a" '
                    f'stroke-width="0.8" fill="none" opacity="0.6"/>'
                    for y in range(6, 120, 11))
    body = "\n".join([
        f'<rect width="{W}" height="{H}" fill="url(#bg)"/>',
        grain,
        '<ellipse cx="80" cy="66" rx="62" ry="42" fill="url(#shadow)"/>',
        uses,
    ])
    return page("seeds2sm", "seeds: a heap of sunflower seeds", defs, body)


def main():
    made = [fruit(), leaf(), shoot(), stem(), fuchsia(), roots(), bud(),
            flowers(), seeds()]
    print(" ".join(made))


if __name__ == "__main__":
    main()
