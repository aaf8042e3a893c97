#!/usr/bin/env python3
"""Write Brambleton's butterfly pictures as SVG files.

Every butterfly is drawn from above with its wings open, from one wing
outline (or a ragged one for the comma, a rounder one for the whites and
browns) and a list of markings for each kind.  Markings are drawn in the
coordinates of the right-hand wings (body along x = 0, head towards -y)
and clipped to the wing, then the wings are mirrored for the left side.

Each picture is 320 x 240, the size of the results screen's picture box.
Run this, then make_images.sh with the names it prints:

    python3 tools/images/butterflies.py
    sh tools/images/make_images.sh comma.svg gatekeep.svg ...

Standard library only; the output is the same on every run.
"""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
W, H = 320, 240

# ---------------------------------------------------------------------------
# Wing outlines (right-hand side).  Each is a start point and cubic
# segments; the named ranges say which segments make the outer edge.
# ---------------------------------------------------------------------------

SHAPES = {
    # Red admiral, painted lady, peacock, tortoiseshell: pointed forewing
    # with a slightly hollow outer edge and a rounded hindwing.
    "nymph": {
        "fw": "M3,-10 C18,-42 58,-72 98,-72 C103,-71 103,-66 100,-62 "
              "C93,-50 89,-38 89,-26 C88,-14 82,-2 74,6 C52,10 26,8 6,2 Z",
        "fw_edge": "M98,-72 C103,-71 103,-66 100,-62 C93,-50 89,-38 89,-26 "
                   "C88,-14 82,-2 74,6",
        "hw": "M4,-2 C30,-8 62,-6 76,4 "
              "Q84,10 82,16 Q88,24 85,32 Q88,42 79,46 Q78,56 68,56 "
              "Q62,66 52,64 Q44,70 36,66 Q28,68 24,62 "
              "C14,58 6,44 3,22 Z",
        "hw_edge": "M76,4 Q84,10 82,16 Q88,24 85,32 Q88,42 79,46 "
                   "Q78,56 68,56 Q62,66 52,64 Q44,70 36,66 Q28,68 24,62",
    },
    # Whites and browns: rounder wings, smooth edges.
    "round": {
        "fw": "M3,-10 C18,-42 54,-68 90,-70 C100,-70 104,-62 102,-52 "
              "C99,-36 92,-14 76,6 C52,10 26,8 6,2 Z",
        "fw_edge": "M90,-70 C100,-70 104,-62 102,-52 C99,-36 92,-14 76,6",
        "hw": "M4,-2 C30,-8 62,-6 78,4 C90,14 90,38 78,52 "
              "C66,66 44,70 28,64 C14,58 6,44 3,22 Z",
        "hw_edge": "M78,4 C90,14 90,38 78,52 C66,66 44,70 28,64",
    },
    # Comma: ragged, scalloped edges, hooked forewing tip, short tail.
    "comma": {
        "fw": "M3,-10 C18,-42 58,-72 96,-74 L101,-70 "
              "Q96,-64 95,-58 Q90,-52 92,-46 Q86,-42 89,-36 Q87,-31 92,-26 "
              "L95,-22 Q88,-14 86,-8 Q80,-2 80,3 Q76,5 74,8 "
              "C52,10 26,8 6,2 Z",
        "fw_edge": "M96,-74 L101,-70 Q96,-64 95,-58 Q90,-52 92,-46 "
                   "Q86,-42 89,-36 Q87,-31 92,-26 L95,-22 Q88,-14 86,-8 "
                   "Q80,-2 80,3 Q76,5 74,8",
        "hw": "M4,-2 C30,-8 62,-6 76,2 L84,6 "
              "Q80,12 84,18 Q82,26 87,32 L90,40 Q82,42 78,48 "
              "Q70,50 68,58 Q60,58 54,64 Q46,62 40,68 Q34,64 28,68 "
              "L22,64 C12,58 6,44 3,22 Z",
        "hw_edge": "M76,2 L84,6 Q80,12 84,18 Q82,26 87,32 L90,40 "
                   "Q82,42 78,48 Q70,50 68,58 Q60,58 54,64 Q46,62 40,68 "
                   "Q34,64 28,68 L22,64",
    },
}

# Faint veins, fanning out from the wing root.
FW_VEINS = [(8, -6, 60, -68), (8, -4, 96, -66), (8, -4, 96, -50),
            (8, -2, 92, -34), (8, -2, 88, -18), (8, 0, 80, -2),
            (40, -30, 70, -46)]
HW_VEINS = [(6, 2, 84, 20), (6, 4, 86, 36), (6, 6, 76, 52),
            (6, 8, 60, 64), (6, 10, 42, 68), (6, 12, 26, 64)]


def veins(lines, colour, opacity):
    out = [f'<g stroke="{colour}" stroke-width="0.7" fill="none" '
           f'opacity="{opacity}" stroke-linecap="round">']
    for x1, y1, x2, y2 in lines:
        mx, my = (x1 + x2) / 2, (y1 + y2) / 2 - 4
        out.append(f'<path d="M{x1},{y1} Q{mx:.1f},{my:.1f} {x2},{y2}"/>')
    out.append('</g>')
    return "\n".join(out)


def circle(x, y, r, fill, extra=""):
    return f'<circle cx="{x}" cy="{y}" r="{r}" fill="{fill}" {extra}/>'


def ellipse(x, y, rx, ry, fill, rot=0, extra=""):
    t = f' transform="rotate({rot} {x} {y})"' if rot else ""
    return (f'<ellipse cx="{x}" cy="{y}" rx="{rx}" ry="{ry}" '
            f'fill="{fill}"{t} {extra}/>')


def path(d, fill, extra=""):
    return f'<path d="{d}" fill="{fill}" {extra}/>'


def edge_band(d, colour, width, extra=""):
    """A band along an edge: half the stroke falls outside and is clipped."""
    return (f'<path d="{d}" fill="none" stroke="{colour}" '
            f'stroke-width="{width}" stroke-linejoin="round" '
            f'stroke-linecap="round" {extra}/>')


# ---------------------------------------------------------------------------
# The kinds of butterfly.  fw / hw are markings drawn over the ground
# colour, bottom first.
# ---------------------------------------------------------------------------

def red_admiral():
    s = SHAPES["nymph"]
    black = "#1d1714"
    red = "#e5421b"
    fw = [
        # the red-orange band across the forewing
        path("M44,-64 L66,-76 C66,-52 72,-28 82,0 L84,12 L56,12 "
             "C56,2 54,-6 54,-14 C50,-20 52,-26 50,-32 C46,-38 48,-44 46,-50 "
             "C44,-54 46,-58 44,-64 Z", red),
        # white spots near the tip
        ellipse(78, -64, 8, 3.6, "#ffffff", -14),
        ellipse(89, -60, 3.2, 2.4, "#ffffff", -20),
        ellipse(93, -52, 2.6, 2.2, "#ffffff"),
        ellipse(85, -50, 2.4, 2.0, "#ffffff"),
        ellipse(90, -43, 2.0, 1.7, "#ffffff"),
        ellipse(80, -57, 2.0, 1.6, "#ffffff"),
        # a touch of blue near the costa
        ellipse(70, -54, 3.5, 1.2, "#6b86c9", -30, 'opacity="0.85"'),
    ]
    hw = [
        # red band along the outer edge, with a fine black rim
        edge_band(s["hw_edge"], red, 26),
        edge_band(s["hw_edge"], black, 4.5),
        # black dots in the band
        circle(80, 30, 2.2, black), circle(74, 44, 2.2, black),
        circle(62, 54, 2.2, black), circle(48, 58, 2.0, black),
        # blue spot at the inner corner
        ellipse(31, 57, 4, 2.6, "#4b79c8", 30),
        circle(31, 57, 1.2, black),
    ]
    return dict(shape="nymph", fw_ground=black, hw_ground=black,
                fw=fw, hw=hw, root="#3a2a22", outline="#120d0b",
                vein="#000000", vein_op=0.0, body="#1e1814",
                hair="#5b4a3e", club="#f0f0f0")


def peacock():
    red = "#b0281f"
    fw = [
        # dark costa with a cream bar
        path("M20,-44 C40,-62 62,-72 84,-74 L84,-64 C66,-62 44,-54 26,-40 Z",
             "#2b1b16"),
        path("M50,-62 C55,-65 60,-67 64,-68 L62,-56 C58,-55 54,-54 52,-52 Z",
             "#f1dd8c"),
        # the big eye at the tip
        ellipse(76, -50, 23, 19, "#f1dd8c", -20),       # cream surround
        ellipse(80, -52, 18.5, 15, "#7d8fc4", -20),     # lilac-blue ring
        ellipse(82, -53, 12.5, 10, "#2a1414", -20),     # dark centre
        ellipse(76, -50, 3.2, 2.4, "#a9c0f0", -20),
        ellipse(86, -57, 2.8, 2.0, "#a9c0f0", -20),
        ellipse(84, -46, 2.4, 1.8, "#a9c0f0", -20),
        # dark edge along the outer margin
        edge_band(SHAPES["nymph"]["fw_edge"], "#4f3a2e", 9),
    ]
    hw_edge = SHAPES["nymph"]["hw_edge"]
    hw = [
        # dark brown outer part and inner fold of the hindwing
        edge_band(hw_edge, "#3d2d25", 34),
        path("M3,22 C6,44 14,58 24,62 L30,46 C20,40 14,30 10,20 Z",
             "#3d2d25"),
        # the hindwing eye
        ellipse(54, 30, 21, 18, "#a49d98", 15),         # pale grey ring
        ellipse(54, 30, 16.5, 14, "#141010", 15),       # black
        ellipse(46, 26, 3.6, 2.6, "#56aee6", -30),
        ellipse(53, 21, 3.4, 2.4, "#56aee6", 0),
        ellipse(61, 24, 3.2, 2.4, "#56aee6", 30),
        ellipse(62, 33, 3.4, 2.6, "#56aee6", 70),
        ellipse(52, 36, 4.5, 2.6, "#3a86c4", 10),
    ]
    return dict(shape="nymph", fw_ground=red, hw_ground=red, fw=fw, hw=hw,
                root="#4a2a22", outline="#1c1210", vein="#3a120e",
                vein_op=0.25, body="#2a1a15", hair="#6b4a3a",
                club="#3a2a22")


def tortoiseshell():
    s = SHAPES["nymph"]
    orange = "#f07a1e"
    black = "#1e1612"
    yellow = "#f6d64a"
    fw = [
        # black and yellow blocks along the leading edge
        path("M14,-34 C22,-44 30,-52 38,-56 L42,-40 C34,-36 28,-32 22,-26 Z",
             black),
        path("M38,-56 C42,-59 46,-61 50,-63 L52,-48 C48,-46 45,-43 42,-40 Z",
             yellow),
        path("M50,-63 C56,-66 62,-68 68,-70 L70,-44 C64,-44 58,-46 52,-48 Z",
             black),
        path("M68,-70 C72,-71 76,-72 80,-72 L80,-56 C76,-55 73,-53 70,-52 Z",
             yellow),
        path("M80,-72 C88,-73 96,-73 100,-71 L98,-54 C92,-54 86,-55 80,-56 Z",
             black),
        ellipse(92, -60, 3.4, 2.6, "#ffffff", -10),
        # black spots in the middle of the wing
        ellipse(46, -27, 4.5, 5, black, 10),
        ellipse(58, -30, 3.5, 4, black),
        ellipse(56, -4, 8, 6.5, black, -10),
        # dark border with blue spots
        edge_band(s["fw_edge"], black, 11),
        ellipse(96, -48, 1.5, 2.2, "#3d7fd0", 20),
        ellipse(92, -38, 1.5, 2.2, "#3d7fd0", 10),
        ellipse(91, -28, 1.5, 2.2, "#3d7fd0"),
        ellipse(89, -18, 1.5, 2.2, "#3d7fd0", -10),
        ellipse(85, -8, 1.5, 2.2, "#3d7fd0", -25),
        ellipse(79, 1, 1.5, 2.2, "#3d7fd0", -40),
    ]
    hw = [
        # dark brown root half of the hindwing
        ellipse(14, 12, 52, 40, "#2c1d16", 20),
        # black edge with a row of blue half-moons
        edge_band(s["hw_edge"], black, 16),
    ]
    for (x, y, r) in [(80, 20, 100), (81, 34, 80), (74, 47, 50), (63, 56, 20),
                      (50, 60, 0), (37, 60, -20)]:
        hw.append(ellipse(x, y, 3.2, 1.8, "#3f84d6", r))
    return dict(shape="nymph", fw_ground=orange, hw_ground=orange, fw=fw,
                hw=hw, root="#3a2416", outline="#140e0b", vein="#5a2c0c",
                vein_op=0.2, body="#2a1c14", hair="#7a5a3e", club="#2a2018")


def comma():
    s = SHAPES["comma"]
    orange = "#d9792a"
    dark = "#3a2010"
    fw = [
        # dark spots
        ellipse(36, -46, 6, 4, dark, -40),
        ellipse(56, -62, 7, 4, dark, -20),
        ellipse(44, -30, 4.5, 5.5, dark),
        ellipse(57, -38, 4, 5, dark, 10),
        ellipse(36, -14, 4.5, 4, dark),
        ellipse(60, -10, 6, 5, dark, -20),
        ellipse(70, -56, 3.5, 4.5, dark),
        # darker outer border with a pale row inside it
        edge_band(s["fw_edge"], "#7b4418", 22),
        edge_band(s["fw_edge"], dark, 8),
        # light mark near the tip
        ellipse(86, -64, 3, 2, "#f0b36a", -30),
    ]
    hw = [
        ellipse(26, 14, 5, 4, dark),
        ellipse(42, 16, 5.5, 4.5, dark),
        ellipse(34, 30, 4, 3.5, dark),
        edge_band(s["hw_edge"], "#7b4418", 24),
        edge_band(s["hw_edge"], dark, 8),
    ]
    for (x, y) in [(79, 18), (80, 32), (72, 45), (60, 54), (46, 59), (34, 60)]:
        hw.append(circle(x, y, 2.2, "#e9a75a"))
    return dict(shape="comma", fw_ground=orange, hw_ground=orange, fw=fw,
                hw=hw, root="#5a3418", outline="#2a170a", vein="#6a3410",
                vein_op=0.25, body="#3a2616", hair="#8a6040", club="#3a2616")


def gatekeeper():
    brown = "#6b4325"
    orange = "#f28a25"
    fw = [
        # orange middle of the forewing
        path("M16,-22 C28,-40 52,-60 84,-64 C94,-62 96,-44 90,-26 "
             "C84,-10 76,-2 66,0 C48,2 30,0 18,-8 Z", orange),
        # eyespot with two white pupils
        ellipse(80, -50, 7.2, 9.4, "#111111", 18),
        circle(78.4, -54.4, 2.0, "#ffffff"),
        circle(82.0, -46.4, 1.8, "#ffffff"),
    ]
    hw = [
        # orange patch in the hindwing
        ellipse(52, 28, 26, 18, orange, 30),
        # small white-centred spot near the inner corner
        circle(38, 50, 2.6, "#111111"),
        circle(38, 50, 1.0, "#ffffff"),
    ]
    return dict(shape="round", fw_ground=brown, hw_ground=brown, fw=fw,
                hw=hw, root="#4a2c18", outline="#2a170c", vein="#3a2210",
                vein_op=0.3, body="#3a2616", hair="#7a5a3e", club="#3a2616")


def painted_lady():
    s = SHAPES["nymph"]
    orange = "#f2935a"
    black = "#1e1714"
    fw = [
        # black tip
        path("M58,-70 C70,-74 86,-76 100,-72 L104,-60 L96,-30 "
             "C86,-32 80,-36 76,-42 C70,-46 66,-52 64,-58 C62,-62 60,-66 58,-70 Z",
             black),
        # black bars across the middle
        path("M40,-60 C46,-64 52,-66 56,-68 C56,-60 60,-54 62,-48 "
             "C58,-46 54,-46 52,-44 C48,-50 44,-56 40,-60 Z", black),
        path("M52,-40 C60,-42 66,-40 72,-36 C76,-30 78,-22 76,-16 "
             "C70,-18 66,-16 64,-10 C58,-12 56,-20 58,-26 C54,-28 50,-34 52,-40 Z",
             black),
        ellipse(60, 0, 5, 3.5, black, -10),
        # white spots in the black tip
        ellipse(74, -62, 6, 3.2, "#ffffff", -20),
        ellipse(88, -66, 3.0, 2.2, "#ffffff", -10),
        ellipse(93, -57, 2.8, 2.2, "#ffffff"),
        ellipse(87, -50, 2.6, 2.0, "#ffffff"),
        ellipse(92, -42, 2.4, 1.9, "#ffffff"),
        ellipse(83, -42, 2.0, 1.6, "#ffffff"),
        edge_band(s["fw_edge"], black, 5),
    ]
    hw = [
        # brownish root
        ellipse(8, 8, 24, 20, "#8a5a3c", 20, 'opacity="0.5"'),
        # rows of black spots near the edge, and a dark rim
        edge_band(s["hw_edge"], black, 5),
        edge_band(s["hw_edge"], "#5a3422", 14, 'opacity="0.45"'),
    ]
    for (x, y) in [(74, 22), (74, 34), (66, 45), (55, 52), (43, 55)]:
        hw.append(circle(x, y, 3.2, black))
    for (x, y, r) in [(81, 22, 80), (81, 36, 70), (73, 50, 40), (60, 58, 20),
                      (46, 61, 0), (34, 58, -20)]:
        hw.append(ellipse(x, y, 2.6, 1.6, black, r))
    return dict(shape="nymph", fw_ground=orange, hw_ground=orange, fw=fw,
                hw=hw, root="#6a4a36", outline="#1c1410", vein="#6a3418",
                vein_op=0.2, body="#3a2a20", hair="#a08062", club="#2a2018")


def large_white():
    s = SHAPES["round"]
    white = "#fbfaf2"
    black = "#222222"
    fw = [
        # grey dusting at the root
        ellipse(4, -4, 18, 14, "#9a9a96", -30, 'opacity="0.35"'),
        # black tip running down the outer edge
        path("M62,-70 C76,-74 94,-74 104,-64 L102,-30 "
             "C98,-32 96,-36 92,-36 C92,-42 88,-44 84,-46 C84,-52 78,-54 74,-56 "
             "C72,-62 66,-64 62,-70 Z", black),
        # the female's two black spots and the dash on the inner edge
        ellipse(60, -34, 6, 6.6, black),
        ellipse(58, -10, 5.6, 6, black),
    ]
    hw = [
        ellipse(6, 10, 16, 16, "#9a9a96", 0, 'opacity="0.3"'),
        # small black spot on the front edge of the hindwing
        ellipse(74, 8, 5, 3.6, black, 20),
    ]
    return dict(shape="round", fw_ground=white, hw_ground=white, fw=fw,
                hw=hw, root="#a8a8a2", outline="#5a5a58", vein="#6a6a66",
                vein_op=0.35, body="#222222", hair="#cfcfc8", club="#222222")


# ---------------------------------------------------------------------------
# Drawing a butterfly
# ---------------------------------------------------------------------------

def butterfly_defs(k, p):
    """Definitions for butterfly k, ids prefixed with p."""
    s = SHAPES[k["shape"]]
    out = [f'<path id="{p}fw" d="{s["fw"]}"/>',
           f'<path id="{p}hw" d="{s["hw"]}"/>',
           f'<clipPath id="{p}fwc"><use href="#{p}fw"/></clipPath>',
           f'<clipPath id="{p}hwc"><use href="#{p}hw"/></clipPath>',
           f'<radialGradient id="{p}rootg" gradientUnits="userSpaceOnUse" '
           f'cx="4" cy="-2" r="44">'
           f'<stop offset="0" stop-color="{k["root"]}" stop-opacity="0.95"/>'
           f'<stop offset="0.55" stop-color="{k["root"]}" stop-opacity="0.35"/>'
           f'<stop offset="1" stop-color="{k["root"]}" stop-opacity="0"/>'
           f'</radialGradient>',
           f'<linearGradient id="{p}sheen" gradientUnits="userSpaceOnUse" '
           f'x1="0" y1="-70" x2="60" y2="60">'
           f'<stop offset="0" stop-color="#ffffff" stop-opacity="0.16"/>'
           f'<stop offset="0.5" stop-color="#ffffff" stop-opacity="0"/>'
           f'<stop offset="1" stop-color="#000000" stop-opacity="0.10"/>'
           f'</linearGradient>',
           f'<radialGradient id="{p}thorax" cx="0.4" cy="0.35" r="0.7">'
           f'<stop offset="0" stop-color="{k["hair"]}"/>'
           f'<stop offset="1" stop-color="{k["body"]}"/></radialGradient>',
           f'<linearGradient id="{p}abd" x1="0" y1="0" x2="1" y2="0">'
           f'<stop offset="0" stop-color="{k["body"]}"/>'
           f'<stop offset="0.45" stop-color="{k["hair"]}"/>'
           f'<stop offset="1" stop-color="{k["body"]}"/></linearGradient>']
    # one right-hand pair of wings
    wing = [f'<g id="{p}wings">']
    wing.append(f'<g clip-path="url(#{p}hwc)">')
    wing.append(f'<use href="#{p}hw" fill="{k["hw_ground"]}"/>')
    wing.extend(k["hw"])
    if k["vein_op"]:
        wing.append(veins(HW_VEINS, k["vein"], k["vein_op"]))
    wing.append(f'<rect x="-10" y="-20" width="110" height="100" '
                f'fill="url(#{p}rootg)"/>')
    wing.append(f'<use href="#{p}hw" fill="url(#{p}sheen)"/>')
    wing.append('</g>')
    wing.append(f'<use href="#{p}hw" fill="none" stroke="{k["outline"]}" '
                f'stroke-width="1.1" stroke-linejoin="round"/>')
    wing.append(f'<g clip-path="url(#{p}fwc)">')
    wing.append(f'<use href="#{p}fw" fill="{k["fw_ground"]}"/>')
    wing.extend(k["fw"])
    if k["vein_op"]:
        wing.append(veins(FW_VEINS, k["vein"], k["vein_op"]))
    wing.append(f'<rect x="-10" y="-80" width="120" height="100" '
                f'fill="url(#{p}rootg)"/>')
    wing.append(f'<use href="#{p}fw" fill="url(#{p}sheen)"/>')
    wing.append('</g>')
    wing.append(f'<use href="#{p}fw" fill="none" stroke="{k["outline"]}" '
                f'stroke-width="1.1" stroke-linejoin="round"/>')
    wing.append('</g>')
    out.extend(wing)
    return "\n".join(out)


def body(k, p):
    b = k["body"]
    club = k["club"]
    return "\n".join([
        # antennae with clubbed, pale-tipped ends
        f'<g fill="none" stroke="{b}" stroke-width="1.1" stroke-linecap="round">'
        f'<path d="M-1.5,-24 C-6,-38 -12,-48 -20,-56"/>'
        f'<path d="M1.5,-24 C6,-38 12,-48 20,-56"/></g>',
        ellipse(-20.5, -56.5, 1.9, 2.8, b, 40),
        ellipse(20.5, -56.5, 1.9, 2.8, b, -40),
        circle(-21.3, -57.6, 0.9, club),
        circle(21.3, -57.6, 0.9, club),
        # abdomen
        f'<path d="M-4.2,2 C-5.2,20 -4,40 0,54 C4,40 5.2,20 4.2,2 Z" '
        f'fill="url(#{p}abd)" stroke="{k["outline"]}" stroke-width="0.6"/>',
        f'<g stroke="{k["outline"]}" stroke-width="0.5" opacity="0.5">'
        f'<path d="M-4.2,14 h8.4 M-4.2,24 h8.4 M-3.8,34 h7.6 M-3,44 h6"/></g>',
        # thorax, furry
        ellipse(0, -8, 6.2, 13, f"url(#{p}thorax)", 0,
                f'stroke="{k["outline"]}" stroke-width="0.6"'),
        # head with eyes and palps
        circle(0, -23, 4.6, b),
        circle(-2.8, -24, 1.8, "#3a302a"),
        circle(2.8, -24, 1.8, "#3a302a"),
        circle(-3.2, -24.6, 0.5, "#ffffff", 'opacity="0.7"'),
        circle(2.4, -24.6, 0.5, "#ffffff", 'opacity="0.7"'),
    ])


def butterfly(k, p, transform, left_scale=1.0):
    """The whole insect; left_scale < 1 narrows the far wings."""
    return "\n".join([
        f'<g transform="{transform}">',
        f'<use href="#{p}wings" transform="scale({-left_scale:.3f},1)"/>',
        f'<use href="#{p}wings"/>',
        body(k, p),
        '</g>'])


# ---------------------------------------------------------------------------
# Backgrounds: sky, soft leaves and the flowers the butterfly visits
# ---------------------------------------------------------------------------

def leaf(x, y, length, width, angle, fill, vein="#ffffff"):
    l, w = length, width
    return (f'<g transform="translate({x},{y}) rotate({angle})">'
            f'<path d="M0,0 C{l*0.3:.1f},{-w:.1f} {l*0.75:.1f},{-w:.1f} {l},0 '
            f'C{l*0.75:.1f},{w:.1f} {l*0.3:.1f},{w:.1f} 0,0 Z" fill="{fill}"/>'
            f'<path d="M0,0 L{l*0.92:.1f},0" stroke="{vein}" stroke-width="0.8" '
            f'opacity="0.35"/></g>')


def daisy(x, y, r, petal="#ffffff", centre="#f2c12e", n=14):
    out = [f'<g transform="translate({x},{y})">']
    for i in range(n):
        a = 360 * i / n
        out.append(f'<ellipse cx="{r*0.58:.1f}" cy="0" rx="{r*0.48:.1f}" '
                   f'ry="{r*0.16:.1f}" fill="{petal}" stroke="#d8d8d0" '
                   f'stroke-width="0.4" transform="rotate({a:.1f})"/>')
    out.append(f'<circle r="{r*0.3:.1f}" fill="{centre}" stroke="#c08a10" '
               f'stroke-width="0.5"/></g>')
    return "".join(out)


def buddleia(x, y, length, angle, colour="#9b5fc0", dark="#6e3a96"):
    """A cone of tiny purple flowers."""
    rnd = random.Random(int(x * 7 + y * 13))
    out = [f'<g transform="translate({x},{y}) rotate({angle})">',
           f'<path d="M0,0 L0,{length*0.9:.1f}" stroke="#5a7a3a" '
           f'stroke-width="2"/>']
    n = int(length * 1.6)
    for i in range(n):
        t = i / n
        wdt = (1 - t) * length * 0.2 + 2
        cx = rnd.uniform(-wdt, wdt)
        cy = -t * length
        col = colour if rnd.random() < 0.6 else dark
        out.append(f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="2.2" fill="{col}"/>')
        if rnd.random() < 0.3:
            out.append(f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="0.7" '
                       f'fill="#f4a640"/>')
    out.append('</g>')
    return "".join(out)


def thistle(x, y, r):
    out = [f'<g transform="translate({x},{y})">',
           f'<path d="M0,{r:.1f} L0,{r*5:.1f}" stroke="#5e8a3a" stroke-width="2.5"/>',
           f'<ellipse cx="0" cy="{r*0.7:.1f}" rx="{r*0.75:.1f}" ry="{r*0.6:.1f}" '
           f'fill="#6b9a48" stroke="#46702e" stroke-width="0.8"/>']
    for i in range(17):
        a = -80 + 160 * i / 16
        out.append(f'<path d="M0,{r*0.3:.1f} L0,{-r:.1f}" stroke="#b04fb8" '
                   f'stroke-width="1.6" stroke-linecap="round" '
                   f'transform="rotate({a:.1f} 0 {r*0.3:.1f})"/>')
    out.append('</g>')
    return "".join(out)


def bramble_flower(x, y, r):
    out = [f'<g transform="translate({x},{y})">']
    for i in range(5):
        out.append(f'<ellipse cx="0" cy="{-r*0.55:.1f}" rx="{r*0.42:.1f}" '
                   f'ry="{r*0.5:.1f}" fill="#fbe6ee" stroke="#e0b8c8" '
                   f'stroke-width="0.5" transform="rotate({72*i})"/>')
    out.append(f'<circle r="{r*0.28:.1f}" fill="#d9e07a"/>')
    for i in range(10):
        a = math.radians(36 * i)
        out.append(f'<circle cx="{r*0.34*math.cos(a):.1f}" '
                   f'cy="{r*0.34*math.sin(a):.1f}" r="0.7" fill="#c9a640"/>')
    out.append('</g>')
    return "".join(out)


def background(p, sky_top, sky_bottom, leaf_cols, flowers, seed):
    rnd = random.Random(seed)
    out = [f'<linearGradient id="{p}sky" x1="0" y1="0" x2="0" y2="1">'
           f'<stop offset="0" stop-color="{sky_top}"/>'
           f'<stop offset="1" stop-color="{sky_bottom}"/></linearGradient>',
           f'<filter id="{p}soft" x="-10%" y="-10%" width="120%" height="120%">'
           f'<feGaussianBlur stdDeviation="1.6"/></filter>',
           f'<rect width="{W}" height="{H}" fill="url(#{p}sky)"/>',
           f'<g filter="url(#{p}soft)">']
    # a soft hedge of leaves along the bottom and up the sides
    for i in range(70):
        x = rnd.uniform(-20, W + 20)
        edge = min(x, W - x)
        top = 120 + edge * 0.35
        y = rnd.uniform(top, H + 10)
        out.append(leaf(x, y, rnd.uniform(24, 40), rnd.uniform(7, 12),
                        rnd.uniform(-160, -20), rnd.choice(leaf_cols)))
    out.append('</g>')
    out.extend(flowers)
    return "\n".join(out)


# ---------------------------------------------------------------------------
# The pictures
# ---------------------------------------------------------------------------

GREENS = ["#5f9e45", "#4f8c3a", "#76b356", "#3f7a32", "#88c064"]


def page(title, defs, body_svg):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<!-- Brambleton: {title}. Made by butterflies.py; edit that, '
            f'not this. -->\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
            f'viewBox="0 0 {W} {H}">\n<defs>\n{defs}\n</defs>\n{body_svg}\n'
            f'</svg>\n')


def open_wings(name, title, kind, bg, transform="translate(160,128) scale(1.3)"):
    p = "b"
    k = kind()
    defs = butterfly_defs(k, p)
    svg = page(title, defs, bg + "\n" + butterfly(k, p, transform))
    with open(os.path.join(HERE, name + ".svg"), "w") as f:
        f.write(svg)
    return name + ".svg"


def tilted(name, title, kind, bg, transform, left_scale, under):
    """A butterfly turned and seen a little from the side: the far wings
    look narrower.  `under` is drawn beneath it (the flower it sits on)."""
    p = "b"
    k = kind()
    defs = butterfly_defs(k, p)
    svg = page(title, defs, bg + "\n" + under + "\n" +
               butterfly(k, p, transform, left_scale))
    with open(os.path.join(HERE, name + ".svg"), "w") as f:
        f.write(svg)
    return name + ".svg"


def main():
    made = []
    made.append(open_wings(
        "redadmir", "a red admiral butterfly on buddleia", red_admiral,
        background("g", "#8ccbf0", "#e4f3fb", GREENS,
                   [buddleia(40, 236, 70, -20), buddleia(286, 240, 80, 18),
                    buddleia(160, 236, 46, 0)], 1)))
    made.append(open_wings(
        "peacock", "a peacock butterfly", peacock,
        background("g", "#9fd3ef", "#eaf6fb", GREENS,
                   [buddleia(30, 240, 60, -15, "#c27ad6", "#8f4cab"),
                    buddleia(296, 236, 64, 12, "#c27ad6", "#8f4cab")], 2)))
    made.append(open_wings(
        "tortois", "a small tortoiseshell butterfly on a daisy", tortoiseshell,
        background("g", "#86c6ec", "#e2f2fb", GREENS,
                   [daisy(34, 214, 22), daisy(290, 206, 20), daisy(160, 224, 18),
                    daisy(70, 236, 16), daisy(250, 236, 14)], 3)))
    made.append(open_wings(
        "comma", "a comma butterfly", comma,
        background("g", "#a6d6ee", "#edf7fb", GREENS,
                   [bramble_flower(30, 206, 14), bramble_flower(292, 212, 13),
                    bramble_flower(270, 232, 11)], 4)))
    made.append(open_wings(
        "gatekeep", "a gatekeeper butterfly on bramble flowers", gatekeeper,
        background("g", "#93cdee", "#e8f5fb", GREENS,
                   [bramble_flower(32, 214, 16), bramble_flower(62, 232, 13),
                    bramble_flower(286, 206, 15), bramble_flower(258, 230, 12),
                    bramble_flower(160, 226, 12)], 5)))
    made.append(open_wings(
        "painted", "a painted lady butterfly on thistles", painted_lady,
        background("g", "#79bdea", "#dff0fa", GREENS,
                   [thistle(36, 190, 14), thistle(286, 196, 13),
                    thistle(160, 218, 10)], 6)))
    made.append(open_wings(
        "white", "a large white butterfly", large_white,
        background("g", "#6fb4e6", "#cfe8f7", GREENS,
                   [thistle(40, 200, 12), thistle(284, 206, 12)], 7)))
    made.append(tilted(
        "redad2", "a red admiral feeding on a buddleia flower", red_admiral,
        background("g", "#f7e7b8", "#bfe0f2", GREENS,
                   [buddleia(290, 236, 70, 25, "#c27ad6", "#8f4cab")], 8),
        "translate(166,128) rotate(-14) scale(1.16)", 0.58,
        buddleia(146, 262, 150, 8)))
    print(" ".join(made))


if __name__ == "__main__":
    main()
