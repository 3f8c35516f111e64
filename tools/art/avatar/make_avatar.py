#!/usr/bin/env python3
"""Makes the player's figure: every layer picture (256x512, all on one canvas so that the layers
stack without offsets) into data/bitmaps/avatar/, and every layer file into
data/avatarlayers/<slot folder>/.

Pieces that take a colour (hair, clothes, shoes, ties, coats) are drawn in light greys: the game
multiplies them by the layer's tint, so "BaseColor" gives their colour and the builder's colour map
recolours them. Skins carry the face and so the mood; they are drawn in their own colours and keep
a white tint.

Within a folder the files load in name order, and the first layer of a slot for each gender is the
plain one (no glasses, tie or coat): the file names' numbers keep it so.

Usage: tools/art/avatar/make_avatar.py [--sheet FILE]
  --sheet writes a contact sheet of every picture (ImageMagick montage) for a look at them all.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

W, H = 256, 512
CX = 128
# The figure stands a little left of the avatar's centre, clear of the mind-state panel beside it.
OFFSET_X = -26

# Greys for tinted pieces: fill, shade and outline. The tint multiplies them.
FILL, SHADE, LINE, DEEP = "#f4f4f4", "#cfcfcf", "#5a5a5a", "#9a9a9a"

SKINS = {  # name: (fill, shade, outline)
    "light": ("#f5d5bd", "#e2b597", "#8c5a40"),
    "tan": ("#d9a679", "#c08a5e", "#6e4528"),
    "dark": ("#8e5b3c", "#76492e", "#3a2214"),
}


class Body:
    """The figure's proportions for one gender."""

    def __init__(self, female):
        self.female = female
        self.shoulder = 52 if female else 60  # half widths
        self.waist = 40 if female else 48
        self.hip = 52 if female else 50
        self.shoulder_y = 170
        self.waist_y = 270
        self.hip_y = 304
        self.ankle_y = 466

    def arm(self, side):
        """Shoulder point and hand point of the left (-1) or right (+1) arm."""
        x0 = CX + side * (self.shoulder - 8)
        x1 = CX + side * (self.shoulder + 10)
        return (x0, 182), (x1, 306)

    def torso(self, top=None, bottom=None):
        t = self.shoulder_y if top is None else top
        b = self.hip_y if bottom is None else bottom
        s, w, h = self.shoulder, self.waist, self.hip
        return (f"M{CX - s} {t + 6} Q{CX} {t - 8} {CX + s} {t + 6} L{CX + w} {self.waist_y} "
                f"L{CX + h} {b} L{CX - h} {b} L{CX - w} {self.waist_y} Z")

    def leg(self, side, bottom):
        """One leg from the hip to the given height, as a closed path."""
        outer_top = CX + side * self.hip
        inner = CX + side * 3
        outer_bottom = CX + side * 40
        inner_bottom = CX + side * 10
        return (f"M{outer_top} {self.hip_y - 6} L{inner} {self.hip_y - 6} L{inner_bottom} {bottom} "
                f"L{outer_bottom} {bottom} Z")


def limb(p0, p1, width, fill, line):
    (x0, y0), (x1, y1) = p0, p1
    return (f'<line x1="{x0}" y1="{y0}" x2="{x1}" y2="{y1}" stroke="{line}" stroke-width="{width + 5}" '
            f'stroke-linecap="round"/>'
            f'<line x1="{x0}" y1="{y0}" x2="{x1}" y2="{y1}" stroke="{fill}" stroke-width="{width}" '
            f'stroke-linecap="round"/>')


def shape(d, fill, line, width=2.5):
    return f'<path d="{d}" fill="{fill}" stroke="{line}" stroke-width="{width}" stroke-linejoin="round"/>'


def svg(body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">'
            f'{body}</svg>')


# ---- Skin: the body, the head and the face in one of three moods ----

def face(female, mood, line):
    eye_y = 96
    out = []
    for ex in (108, 148):
        out.append(f'<ellipse cx="{ex}" cy="{eye_y}" rx="9" ry="{8 if mood != "happy" else 7}" fill="#ffffff" '
                   f'stroke="{line}" stroke-width="1.5"/>')
        out.append(f'<circle cx="{ex + (1 if ex > CX else -1)}" cy="{eye_y + 1}" r="4.5" fill="#2b2119"/>')
        out.append(f'<circle cx="{ex + 2}" cy="{eye_y - 1}" r="1.4" fill="#ffffff"/>')
        if female:
            side = -1 if ex < CX else 1
            for k in range(3):
                x = ex + side * (4 + 3 * k)
                out.append(f'<line x1="{x}" y1="{eye_y - 7 + k}" x2="{x + side * 4}" y2="{eye_y - 12 + k * 2}" '
                           f'stroke="#2b2119" stroke-width="1.8" stroke-linecap="round"/>')
    brow = "#3a2a20"
    if mood == "happy":
        brows = ["M98 78 Q108 70 118 77", "M138 77 Q148 70 158 78"]
    elif mood == "sad":
        brows = ["M98 82 Q108 80 118 75", "M138 75 Q148 80 158 82"]
    else:
        brows = ["M98 80 Q108 76 118 79", "M138 79 Q148 76 158 80"]
    for d in brows:
        out.append(f'<path d="{d}" fill="none" stroke="{brow}" stroke-width="{3 if not female else 2.4}" '
                   f'stroke-linecap="round"/>')
    out.append(f'<path d="M127 104 Q121 116 128 118" fill="none" stroke="{line}" stroke-width="2" '
               f'stroke-linecap="round"/>')
    lips = "#c0505e" if female else "#8a3a32"
    if mood == "happy":
        out.append(f'<path d="M108 124 Q128 150 148 124 Z" fill="#7a2a2a" stroke="{lips}" stroke-width="2.5" '
                   f'stroke-linejoin="round"/>')
        out.append('<path d="M112 126 L144 126 Q140 131 128 131 Q116 131 112 126 Z" fill="#ffffff"/>')
        out.append('<circle cx="100" cy="116" r="7" fill="#f08080" opacity="0.35"/>'
                   '<circle cx="156" cy="116" r="7" fill="#f08080" opacity="0.35"/>')
    elif mood == "sad":
        out.append(f'<path d="M112 136 Q128 122 144 136" fill="none" stroke="{lips}" stroke-width="3.2" '
                   f'stroke-linecap="round"/>')
        out.append('<path d="M152 106 Q149 113 152 116 Q155 113 152 106 Z" fill="#6fb3e8" stroke="#3f7fb0" '
                   'stroke-width="1"/>')
    else:
        out.append(f'<path d="M114 127 Q128 135 142 127" fill="none" stroke="{lips}" stroke-width="3" '
                   f'stroke-linecap="round"/>')
    return "".join(out)


def skin_svg(female, tone, mood):
    fill, shade, line = SKINS[tone]
    b = Body(female)
    out = []
    for side in (-1, 1):  # legs and feet
        out.append(shape(b.leg(side, b.ankle_y + 8), fill, line))
    for side in (-1, 1):  # arms with hands
        p0, p1 = b.arm(side)
        out.append(limb(p0, p1, 22, fill, line))
        out.append(f'<circle cx="{p1[0] + side * 1}" cy="{p1[1] + 14}" r="12" fill="{fill}" stroke="{line}" '
                   f'stroke-width="2.5"/>')
    out.append(shape(b.torso(), fill, line))
    for side in (-1, 1):  # round shoulders over the torso's corners
        p0, _ = b.arm(side)
        out.append(f'<circle cx="{p0[0]}" cy="{p0[1] - 2}" r="12" fill="{fill}"/>')
    # Plain underclothes: never seen under the clothes layers, there for a figure undressed by a mod.
    under = "#e9e9f2"
    out.append(shape(f"M{CX - b.hip} {b.hip_y - 22} L{CX + b.hip} {b.hip_y - 22} L{CX + b.hip} {b.hip_y + 14} "
                     f"L{CX} {b.hip_y + 6} L{CX - b.hip} {b.hip_y + 14} Z", under, "#9a9aa8", 2))
    out.append(f'<rect x="{CX - 13}" y="136" width="26" height="40" rx="6" fill="{fill}" stroke="{line}" '
               f'stroke-width="2.5"/>')
    out.append(f'<path d="M{CX - 13} 150 Q{CX} 160 {CX + 13} 150" fill="none" stroke="{shade}" stroke-width="3"/>')
    for ex in (76, 180):  # ears
        out.append(f'<ellipse cx="{ex}" cy="102" rx="9" ry="13" fill="{fill}" stroke="{line}" stroke-width="2.5"/>')
    ry = 56 if not female else 54
    out.append(f'<ellipse cx="{CX}" cy="94" rx="{50 if not female else 48}" ry="{ry}" fill="{fill}" '
               f'stroke="{line}" stroke-width="2.5"/>')
    out.append(face(female, mood, line))
    return svg("".join(out))


# ---- Hair ----

def hair_top_svg(style, female):
    hair = []
    if style == "short":
        hair.append("M78 100 Q70 34 128 32 Q186 34 178 100 Q174 70 156 60 Q130 72 104 62 Q84 70 78 100 Z")
    elif style == "crop":
        hair.append("M80 84 Q80 40 128 38 Q176 40 176 84 Q166 62 128 60 Q90 62 80 84 Z")
    elif style == "quiff":
        hair.append("M78 96 Q72 44 110 30 Q140 14 170 30 Q186 48 178 96 Q172 66 150 60 Q120 70 98 62 "
                    "Q84 70 78 96 Z")
    elif style == "long":  # the part over the head; the back is a hair-bottom layer
        hair.append("M74 120 Q66 34 128 30 Q190 34 182 120 Q176 74 160 60 Q128 74 96 60 Q80 74 74 120 Z")
    elif style == "bob":
        hair.append("M70 150 Q60 30 128 28 Q196 30 186 150 Q176 154 170 144 Q178 90 160 62 Q128 76 96 62 "
                    "Q78 90 86 144 Q80 154 70 150 Z")
    elif style == "pixie":
        hair.append("M76 108 Q68 32 128 30 Q188 32 180 108 Q176 78 166 66 Q150 78 132 66 Q110 80 90 66 "
                    "Q80 80 76 108 Z")
    elif style == "ponytail":
        hair.append("M76 104 Q70 32 128 30 Q186 32 180 104 Q174 72 160 62 Q128 70 96 62 Q82 72 76 104 Z")
    elif style == "curls":
        pts = [(84, 72), (96, 52), (114, 40), (132, 36), (150, 40), (166, 52), (176, 72), (80, 96), (178, 96)]
        return svg("".join(f'<circle cx="{x}" cy="{y}" r="18" fill="{FILL}" stroke="{LINE}" stroke-width="2.5"/>'
                           for x, y in pts) +
                   "".join(f'<circle cx="{x}" cy="{y}" r="12" fill="{FILL}"/>' for x, y in pts))
    out = [shape(d, FILL, LINE) for d in hair]
    # A few strands so that a dark tint still reads as hair.
    out.append(f'<path d="M110 44 Q104 54 102 62 M140 42 Q148 52 150 60 M126 36 Q124 46 126 56" fill="none" '
               f'stroke="{SHADE}" stroke-width="2.5" stroke-linecap="round"/>')
    return svg("".join(out))


def hair_bottom_svg(style):
    if style == "long":
        d = "M72 90 Q66 28 128 26 Q190 28 184 90 L194 222 Q160 236 128 230 Q96 236 62 222 Z"
    elif style == "ponytail":
        d = "M168 70 Q206 82 204 150 Q204 196 186 214 Q178 206 184 180 Q190 128 160 92 Z"
    else:  # curls
        pts = [(72, 110), (70, 136), (76, 160), (184, 110), (186, 136), (180, 160), (90, 170), (166, 170)]
        return svg("".join(f'<circle cx="{x}" cy="{y}" r="19" fill="{SHADE}" stroke="{LINE}" stroke-width="2.5"/>'
                           for x, y in pts))
    return svg(shape(d, SHADE, LINE))


# ---- Glasses ----

def glasses_svg(kind):
    if kind == "round":
        lens = ''.join(f'<circle cx="{x}" cy="96" r="15" fill="#ffffff" fill-opacity="0.18" stroke="#3a3a3a" '
                       f'stroke-width="3.5"/>' for x in (108, 148))
        bridge = '<path d="M123 94 Q128 89 133 94" fill="none" stroke="#3a3a3a" stroke-width="3"/>'
    elif kind == "square":
        lens = ''.join(f'<rect x="{x - 16}" y="84" width="32" height="24" rx="4" fill="#ffffff" fill-opacity="0.18" '
                       f'stroke="#2a2a2a" stroke-width="4"/>' for x in (108, 148))
        bridge = '<path d="M124 92 L132 92" stroke="#2a2a2a" stroke-width="3.5"/>'
    elif kind == "cateye":
        parts = []
        for x in (108, 148):
            side = -1 if x < CX else 1  # the outer corner sweeps up
            outer, inner = x + side * 17, x - side * 17
            parts.append(f'<path d="M{inner} 90 Q{x} 82 {outer + side * 3} 80 Q{x + side * 14} 108 {x} 108 '
                         f'Q{x - side * 14} 108 {inner} 90 Z" fill="#ffffff" fill-opacity="0.18" stroke="#7a2a4a" '
                         f'stroke-width="3.5"/>')
        lens = "".join(parts)
        bridge = '<path d="M125 92 Q128 88 131 92" fill="none" stroke="#7a2a4a" stroke-width="3"/>'
    else:  # sunglasses
        lens = ''.join(f'<path d="M{x - 18} 86 L{x + 18} 86 Q{x + 18} 108 {x} 109 Q{x - 18} 108 {x - 18} 86 Z" '
                       f'fill="#1d1d24" stroke="#0c0c10" stroke-width="3"/>'
                       f'<path d="M{x - 11} 91 L{x - 4} 91" stroke="#8a8aa0" stroke-width="2.5" '
                       f'stroke-linecap="round"/>' for x in (108, 148))
        bridge = '<path d="M126 90 L130 90" stroke="#0c0c10" stroke-width="4"/>'
    arms = ('<path d="M92 92 L80 96 M164 92 L176 96" stroke="#2a2a2a" stroke-width="3" '
            'stroke-linecap="round"/>')
    return svg(arms + lens + bridge)


# ---- Shoes ----

def shoes_svg(kind, female):
    b = Body(female)
    y = b.ankle_y
    out = []
    for side in (-1, 1):
        x = CX + side * 25
        heel, front = x - side * 17, x + side * 17  # each shoe points outwards
        toe = front + side * 12
        if kind == "boots":
            d = (f"M{heel} {y - 36} L{front} {y - 36} L{front} {y + 4} Q{toe} {y + 6} {toe} {y + 22} "
                 f"L{heel} {y + 24} Z")
        elif kind == "heels":
            d = (f"M{heel} {y - 2} L{front} {y - 2} Q{toe} {y + 6} {toe} {y + 18} L{x - side * 4} {y + 16} "
                 f"L{heel + side * 4} {y + 28} L{heel} {y + 28} Z")
        else:  # trainers, flats, suit shoes
            d = f"M{heel} {y - 4} L{front} {y - 4} Q{toe} {y + 4} {toe} {y + 18} L{heel} {y + 20} Z"
        out.append(shape(d, FILL, LINE, 3))
        if kind == "trainers":
            out.append(f'<path d="M{heel} {y + 14} L{toe} {y + 14}" stroke="{DEEP}" stroke-width="4"/>')
            out.append(f'<path d="M{x - 6} {y + 2} L{x + 6} {y + 2} M{x - 6} {y + 7} L{x + 6} {y + 7}" '
                       f'stroke="{LINE}" stroke-width="1.8"/>')
        elif kind == "suit":
            out.append(f'<path d="M{x} {y + 4} Q{front} {y + 2} {toe - side * 2} {y + 10}" fill="none" '
                       f'stroke="#ffffff" stroke-width="2" opacity="0.7"/>')
    return svg("".join(out))


# ---- Clothes bottom ----

def bottoms_svg(kind, female):
    b = Body(female)
    out = []
    if kind == "skirt":
        d = (f"M{CX - b.waist - 2} {b.waist_y + 4} L{CX + b.waist + 2} {b.waist_y + 4} L{CX + b.hip + 18} 378 "
             f"Q{CX} 390 {CX - b.hip - 18} 378 Z")
        out.append(shape(d, FILL, LINE, 3))
        for x in (-24, 0, 24):
            out.append(f'<path d="M{CX + x} {b.hip_y - 10} L{CX + x * 1.5} 380" stroke="{SHADE}" stroke-width="3"/>')
        return svg("".join(out))
    bottom = {"shorts": 352, "jeans": b.ankle_y - 4, "trousers": b.ankle_y - 2, "chinos": b.ankle_y - 6,
              "suit": b.ankle_y - 2}[kind]
    top = b.waist_y + 4
    for side in (-1, 1):
        outer_top = CX + side * (b.hip + 3)
        outer_bottom = CX + side * (43 if kind != "shorts" else 50)
        inner_bottom = CX + side * 8
        out.append(shape(f"M{outer_top} {b.hip_y - 8} L{CX} {b.hip_y - 8} L{CX} {b.hip_y + 14} "
                         f"L{inner_bottom} {bottom} L{outer_bottom} {bottom} Z", FILL, LINE, 3))
    out.append(shape(f"M{CX - b.waist - 3} {top} L{CX + b.waist + 3} {top} L{CX + b.hip + 3} {b.hip_y + 2} "
                     f"L{CX - b.hip - 3} {b.hip_y + 2} Z", FILL, LINE, 3))
    out.append(f'<rect x="{CX - b.waist - 3}" y="{top}" width="{2 * b.waist + 6}" height="8" fill="{SHADE}" '
               f'stroke="{LINE}" stroke-width="2"/>')
    if kind == "jeans":
        out.append(f'<path d="M{CX} {top + 8} L{CX} {b.hip_y + 10} M{CX - 32} {top + 14} Q{CX - 22} {top + 26} '
                   f'{CX - 10} {top + 14} M{CX + 32} {top + 14} Q{CX + 22} {top + 26} {CX + 10} {top + 14}" '
                   f'fill="none" stroke="{DEEP}" stroke-width="2" stroke-dasharray="4 3"/>')
    elif kind in ("suit", "trousers", "chinos"):
        for side in (-1, 1):
            out.append(f'<path d="M{CX + side * 26} {b.hip_y + 6} L{CX + side * 25} {bottom - 4}" '
                       f'stroke="{SHADE}" stroke-width="2.5"/>')
    return svg("".join(out))


# ---- Clothes top ----

def sleeves(b, length, width, fill=FILL):
    out = []
    for side in (-1, 1):
        p0, p1 = b.arm(side)
        if length < 1.0:
            p1 = (p0[0] + (p1[0] - p0[0]) * length, p0[1] + (p1[1] - p0[1]) * length)
        out.append(limb(p0, p1, width, fill, LINE))
    return "".join(out)


def tops_svg(kind, female):
    b = Body(female)
    out = []
    bottom = b.hip_y - 2 if kind not in ("suit", "blouse") else b.hip_y + 4
    if kind == "vest":
        out.append(shape(b.torso(b.shoulder_y + 8, bottom), FILL, LINE, 3))
        out.append(f'<path d="M{CX - 20} {b.shoulder_y + 2} Q{CX} {b.shoulder_y + 30} {CX + 20} {b.shoulder_y + 2}" '
                   f'fill="#00000000" stroke="{LINE}" stroke-width="2.5"/>')
        return svg("".join(out))
    long_sleeves = kind in ("jumper", "checked", "suit", "blouse")
    out.append(sleeves(b, 0.9 if long_sleeves else 0.38, 28))
    out.append(shape(b.torso(b.shoulder_y - 2, bottom), FILL, LINE, 3))
    if kind == "tshirt":
        out.append(f'<path d="M{CX - 16} {b.shoulder_y - 4} Q{CX} {b.shoulder_y + 14} {CX + 16} {b.shoulder_y - 4}" '
                   f'fill="none" stroke="{LINE}" stroke-width="2.5"/>')
    elif kind == "jumper":
        out.append(f'<path d="M{CX - 16} {b.shoulder_y - 4} Q{CX} {b.shoulder_y + 12} {CX + 16} {b.shoulder_y - 4}" '
                   f'fill="none" stroke="{DEEP}" stroke-width="5"/>')
        out.append(f'<rect x="{CX - b.hip}" y="{bottom - 10}" width="{2 * b.hip}" height="10" fill="{SHADE}" '
                   f'stroke="{LINE}" stroke-width="2"/>')
        for side in (-1, 1):
            _, p1 = b.arm(side)
            out.append(f'<line x1="{p1[0] - 12}" y1="{p1[1] - 6}" x2="{p1[0] + 12}" y2="{p1[1] - 6}" '
                       f'stroke="{DEEP}" stroke-width="3"/>')
    elif kind == "checked":
        for y in range(b.shoulder_y + 20, bottom, 22):
            out.append(f'<line x1="{CX - b.waist}" y1="{y}" x2="{CX + b.waist}" y2="{y}" stroke="{SHADE}" '
                       f'stroke-width="5"/>')
        for x in range(CX - b.waist + 10, CX + b.waist, 22):
            out.append(f'<line x1="{x}" y1="{b.shoulder_y + 6}" x2="{x}" y2="{bottom - 2}" stroke="{SHADE}" '
                       f'stroke-width="5"/>')
        out.append(shape(b.torso(b.shoulder_y - 2, bottom), "none", LINE, 3))
    if kind in ("checked", "suit", "blouse"):  # collar and buttons
        out.append(shape(f"M{CX - 18} {b.shoulder_y - 6} L{CX} {b.shoulder_y + 16} L{CX - 4} {b.shoulder_y + 20} "
                         f"L{CX - 24} {b.shoulder_y + 4} Z", FILL, LINE, 2))
        out.append(shape(f"M{CX + 18} {b.shoulder_y - 6} L{CX} {b.shoulder_y + 16} L{CX + 4} {b.shoulder_y + 20} "
                         f"L{CX + 24} {b.shoulder_y + 4} Z", FILL, LINE, 2))
        for y in range(b.shoulder_y + 30, bottom - 6, 24):
            out.append(f'<circle cx="{CX}" cy="{y}" r="2.6" fill="{DEEP}"/>')
    return svg("".join(out))


# ---- Ties, scarves, necklaces ----

def tie_svg(kind, female):
    b = Body(female)
    y = b.shoulder_y
    if kind == "scarf":
        return svg(shape(f"M{CX - 30} {y - 8} Q{CX} {y + 14} {CX + 30} {y - 8} L{CX + 32} {y + 6} "
                         f"Q{CX} {y + 30} {CX - 32} {y + 6} Z", FILL, LINE, 2.5) +
                   shape(f"M{CX + 8} {y + 14} L{CX + 24} {y + 70} L{CX + 8} {y + 74} L{CX - 2} {y + 18} Z",
                         FILL, LINE, 2.5) +
                   f'<path d="M{CX + 12} {y + 64} L{CX + 22} {y + 62}" stroke="{SHADE}" stroke-width="3"/>')
    if kind == "necklace":
        beads = "".join(f'<circle cx="{CX + dx}" cy="{y + 6 + (dx * dx) // 40}" r="3.4" fill="{FILL}" '
                        f'stroke="{LINE}" stroke-width="1.2"/>' for dx in range(-24, 25, 8))
        return svg(beads + f'<circle cx="{CX}" cy="{y + 24}" r="6" fill="{FILL}" stroke="{LINE}" stroke-width="2"/>')
    knot = shape(f"M{CX - 8} {y + 12} L{CX + 8} {y + 12} L{CX + 6} {y + 24} L{CX - 6} {y + 24} Z", FILL, LINE, 2)
    blade = shape(f"M{CX - 6} {y + 24} L{CX + 6} {y + 24} L{CX + 12} {y + 92} L{CX} {y + 104} L{CX - 12} {y + 92} Z",
                  FILL, LINE, 2)
    stripes = ""
    if kind == "striped":
        stripes = "".join(f'<path d="M{CX - 10} {yy} L{CX + 10} {yy - 10}" stroke="{DEEP}" stroke-width="4"/>'
                          for yy in range(y + 40, y + 100, 16))
    return svg(blade + stripes + knot)


# ---- Coats ----

def coat_svg(kind, female):
    b = Body(female)
    out = []
    y = b.shoulder_y - 4
    s = b.shoulder + 4
    long_coat = kind == "overcoat"
    bottom = 396 if long_coat else (b.hip_y + 12 if kind != "cardigan" else b.hip_y + 4)
    out.append(sleeves(b, 0.88, 32))
    for side in (-1, 1):
        # Each front panel, open down the middle so the clothes beneath show.
        edge = CX + side * (10 if kind != "cardigan" else 16)
        out.append(shape(f"M{CX + side * 20} {y - 4} L{CX + side * s} {y + 8} L{CX + side * (b.hip + 10)} {bottom} "
                         f"L{edge + side * 2} {bottom} L{edge} {y + 60} Z", FILL, LINE, 3))
        # Lapels.
        if kind in ("overcoat", "suit"):
            out.append(shape(f"M{CX + side * 20} {y - 4} L{CX + side * 34} {y + 30} L{CX + side * 22} {y + 34} "
                             f"L{edge} {y + 60} Z", SHADE, LINE, 2))
        if kind == "denim":
            out.append(f'<path d="M{CX + side * 22} {y + 40} L{CX + side * (s - 6)} {y + 40}" stroke="{DEEP}" '
                       f'stroke-width="2" stroke-dasharray="4 3"/>')
            out.append(f'<rect x="{CX + side * 40 - 9}" y="{y + 48}" width="18" height="16" fill="none" '
                       f'stroke="{DEEP}" stroke-width="2"/>')
        if kind == "cardigan":
            for yy in range(y + 70, bottom - 8, 22):
                out.append(f'<circle cx="{edge + side * 6}" cy="{yy}" r="3" fill="{DEEP}"/>')
    if kind == "suit":
        out.append(f'<circle cx="{CX - 14}" cy="{b.waist_y - 4}" r="3" fill="{DEEP}"/>')
        out.append(f'<path d="M{CX + 26} {y + 50} L{CX + 44} {y + 50}" stroke="#ffffff" stroke-width="3"/>')
    return svg("".join(out))


def coat_back_svg(female):
    """The inside of an open long coat, seen behind the legs."""
    b = Body(female)
    d = (f"M{CX - b.shoulder - 2} {b.shoulder_y + 10} L{CX + b.shoulder + 2} {b.shoulder_y + 10} "
         f"L{CX + b.hip + 12} 396 L{CX - b.hip - 12} 396 Z")
    return svg(shape(d, SHADE, LINE, 3))


# ---- The layer table ----
# (folder, file, GUI name, slot, gender, picture or None for a "none" layer, base colour, child)

BLACK_HAIR, BROWN_HAIR, BLOND_HAIR, RED_HAIR = "60,50,45", "120,78,48", "232,196,120", "178,82,40"


def layers():
    rows = []
    for g, female in (("m", False), ("f", True)):
        man = not female
        who = "Man" if man else "Woman"
        poss = "Man's" if man else "Woman's"
        # Hair behind the head and the back of long coats come along as children.
        none_hair = ("Male Hair Bottom None" if man else "Female Hair Bottom None")
        none_back = ("Male Coat Behind None" if man else "Female Coat Behind None")
        rows.append(("hairbottom", f"{g}1_none", none_hair, "AVATAR_HAIRBOTTOM", g, None, "255,255,255", None))
        rows.append(("hairbottom", f"{g}2_long", f"{poss} Long Hair Back", "AVATAR_HAIRBOTTOM", g,
                     ("hairbottom_long", lambda: hair_bottom_svg("long")), BROWN_HAIR, None))
        if female:
            rows.append(("hairbottom", f"{g}3_ponytail", "Woman's Ponytail Back", "AVATAR_HAIRBOTTOM", g,
                         ("hairbottom_ponytail", lambda: hair_bottom_svg("ponytail")), BROWN_HAIR, None))
            rows.append(("hairbottom", f"{g}4_curls", "Woman's Curls Back", "AVATAR_HAIRBOTTOM", g,
                         ("hairbottom_curls", lambda: hair_bottom_svg("curls")), BLACK_HAIR, None))
        rows.append(("coatbehind", f"{g}1_none", none_back, "AVATAR_COATBEHIND", g, None, "255,255,255", None))
        rows.append(("coatbehind", f"{g}2_overcoat", f"{poss} Overcoat Back", "AVATAR_COATBEHIND", g,
                     ("coatbehind_overcoat", lambda f=female: coat_back_svg(f)), "150,110,70", None))
        for i, tone in enumerate(("light", "tan", "dark")):
            rows.append(("skin", f"{g}{i + 1}_{tone}", f"{who} {tone.capitalize()}", "AVATAR_SKIN", g,
                         ("skin_" + tone, tone), "255,255,255", None))
        rows.append(("glasses", f"{g}1_none", f"{who} No Glasses", "AVATAR_GLASSES", g, None, "255,255,255", None))
        glasses = [("round", f"{poss} Round Glasses"), ("square", f"{poss} Square Glasses")]
        if female:
            glasses = [("round", "Woman's Round Glasses"), ("cateye", "Woman's Cat-Eye Glasses")]
        for i, (kind, name) in enumerate(glasses):
            rows.append(("glasses", f"{g}{i + 2}_{kind}", name, "AVATAR_GLASSES", g,
                         ("glasses_" + kind, lambda k=kind: glasses_svg(k)), "255,255,255", None))
        rows.append(("glasses", f"{g}4_sun", "Man's Sunglasses" if man else "Woman's sunglasses", "AVATAR_GLASSES", g,
                     ("glasses_sun", lambda: glasses_svg("sun")), "255,255,255", None))
        hair_styles = ([("short", BROWN_HAIR, none_hair), ("crop", BLACK_HAIR, none_hair),
                        ("quiff", BLOND_HAIR, none_hair), ("long", RED_HAIR, f"{poss} Long Hair Back")] if man else
                       [("bob", BROWN_HAIR, none_hair), ("long", BLOND_HAIR, f"{poss} Long Hair Back"),
                        ("ponytail", RED_HAIR, "Woman's Ponytail Back"), ("pixie", BLACK_HAIR, none_hair),
                        ("curls", BLACK_HAIR, "Woman's Curls Back")])
        for i, (style, colour, child) in enumerate(hair_styles):
            label = {"bob": "Bob", "long": "Long Hair", "ponytail": "Ponytail", "pixie": "Pixie Cut",
                     "curls": "Curls", "short": "Short Hair", "crop": "Crop", "quiff": "Quiff"}[style]
            rows.append(("hairtop", f"{g}{i + 1}_{style}", f"{poss} {label}", "AVATAR_HAIRTOP", g,
                         (f"hairtop_{style}", lambda s=style, f=female: hair_top_svg(s, f)), colour,
                         ("AVATAR_HAIRBOTTOM", child)))
        if man:
            rows.append(("hairtop", f"{g}5_bald", "Man Bald", "AVATAR_HAIRTOP", g, None, "255,255,255",
                         ("AVATAR_HAIRBOTTOM", none_hair)))
        shoes = ([("trainers", "Trainers", "235,235,240"), ("boots", "Boots", "110,72,44")] if man else
                 [("flats", "Flats", "70,70,90"), ("trainers", "Trainers", "235,235,240"),
                  ("boots", "Boots", "110,72,44"), ("heels", "Heels", "170,30,50")])
        for i, (kind, label, colour) in enumerate(shoes):
            rows.append(("shoes", f"{g}{i + 1}_{kind}", f"{poss} {label}", "AVATAR_SHOES", g,
                         (f"shoes_{kind}", lambda k=kind, f=female: shoes_svg(k, f)), colour, None))
        if man:
            rows.append(("shoes", f"{g}9_suit", "Mans Suit Shoes", "AVATAR_SHOES", g,
                         ("shoes_suit", lambda: shoes_svg("suit", False)), "40,36,34", None))
        bottoms = ([("jeans", "Jeans", "70,100,160"), ("shorts", "Shorts", "200,170,110"),
                    ("chinos", "Chinos", "190,160,110")] if man else
                   [("jeans", "Jeans", "70,100,160"), ("skirt", "Skirt", "150,60,90"),
                    ("trousers", "Trousers", "60,60,70"), ("shorts", "Shorts", "90,150,140")])
        for i, (kind, label, colour) in enumerate(bottoms):
            rows.append(("bottoms", f"{g}{i + 1}_{kind}", f"{poss} {label}", "AVATAR_CLOTHESBOTTOM", g,
                         (f"bottoms_{kind}", lambda k=kind, f=female: bottoms_svg(k, f)), colour, None))
        if man:
            rows.append(("bottoms", f"{g}9_suit", "Mans Suit Trousers", "AVATAR_CLOTHESBOTTOM", g,
                         ("bottoms_suit", lambda: bottoms_svg("suit", False)), "56,58,72", None))
        tops = ([("tshirt", "T-Shirt", "200,60,50"), ("jumper", "Jumper", "60,110,80"),
                 ("checked", "Checked Shirt", "90,120,190")] if man else
                [("tshirt", "T-Shirt", "240,180,60"), ("blouse", "Blouse", "240,240,250"),
                 ("jumper", "Jumper", "150,90,170"), ("vest", "Vest Top", "60,160,170")])
        for i, (kind, label, colour) in enumerate(tops):
            rows.append(("tops", f"{g}{i + 1}_{kind}", f"{poss} {label}", "AVATAR_CLOTHESTOP", g,
                         (f"tops_{kind}", lambda k=kind, f=female: tops_svg(k, f)), colour, None))
        if man:
            rows.append(("tops", f"{g}9_suit", "Mans Suit Shirt", "AVATAR_CLOTHESTOP", g,
                         ("tops_suit", lambda: tops_svg("suit", False)), "245,245,250", None))
        if man:
            rows.append(("ties", f"{g}1_none", "Man No Tie", "AVATAR_TIE", g, None, "255,255,255", None))
            rows.append(("ties", f"{g}2_tie1", "Mans Tie 1", "AVATAR_TIE", g,
                         ("tie_striped", lambda: tie_svg("striped", False)), "170,40,50", None))
            rows.append(("ties", f"{g}3_tie2", "Mans Tie 2", "AVATAR_TIE", g,
                         ("tie_plain", lambda: tie_svg("plain", False)), "40,60,130", None))
        else:
            rows.append(("ties", f"{g}1_none", "Woman No Scarf", "AVATAR_TIE", g, None, "255,255,255", None))
            rows.append(("ties", f"{g}2_scarf", "Woman's Scarf", "AVATAR_TIE", g,
                         ("tie_scarf", lambda: tie_svg("scarf", True)), "200,70,60", None))
            rows.append(("ties", f"{g}3_necklace", "Woman's Necklace", "AVATAR_TIE", g,
                         ("tie_necklace", lambda: tie_svg("necklace", True)), "235,225,200", None))
        rows.append(("coats", f"{g}1_none", f"{who} No Coat", "AVATAR_COAT", g, None, "255,255,255",
                     ("AVATAR_COATBEHIND", none_back)))
        coats = [("overcoat", "Overcoat", "150,110,70", f"{poss} Overcoat Back"),
                 ("denim", "Denim Jacket", "80,110,170", none_back)]
        if female:
            coats.append(("cardigan", "Cardigan", "200,190,160", none_back))
        for i, (kind, label, colour, back) in enumerate(coats):
            rows.append(("coats", f"{g}{i + 2}_{kind}", f"{poss} {label}", "AVATAR_COAT", g,
                         (f"coat_{kind}", lambda k=kind, f=female: coat_svg(k, f)), colour,
                         ("AVATAR_COATBEHIND", back)))
        if man:
            rows.append(("coats", f"{g}9_suit", "Mans Suit Jacket", "AVATAR_COAT", g,
                         ("coat_suit", lambda: coat_svg("suit", False)), "56,58,72",
                         ("AVATAR_COATBEHIND", none_back)))
    return rows


def layer_file(gui, slot, gender, textures, colour, child):
    lines = ["[config]"]
    if textures is None:
        lines.append(f"Texture = {gender}")
    else:
        lines += [f"Texture = {textures[0]}", f"TextureHappy = {textures[1]}", f"TextureSad = {textures[2]}"]
    lines += [f"Type = {slot}", f"Width = {W}", f"Height = {H}", f"OffsetX = {OFFSET_X}", "OffsetY = 0",
              f"BaseColor = {colour}", f"GUIName = {gui}"]
    if child:
        lines += [f"ChildType = {child[0]}", f"ChildName = {child[1]}"]
    return "\n".join(lines) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.abspath(os.path.join(here, "..", "..", ".."))
    ap = argparse.ArgumentParser()
    ap.add_argument("--sheet", default="")
    args = ap.parse_args()
    if not shutil.which("rsvg-convert"):
        sys.exit("make_avatar.py: rsvg-convert is missing (apt-get install librsvg2-bin)")
    pictures = os.path.join(root, "data", "bitmaps", "avatar")
    layer_root = os.path.join(root, "data", "avatarlayers")
    for d in (pictures, layer_root):
        if os.path.isdir(d):
            shutil.rmtree(d)
        os.makedirs(d)

    made = {}

    def render(name, text):
        if name in made:
            return made[name]
        with tempfile.NamedTemporaryFile("w", suffix=".svg", delete=False) as f:
            f.write(text)
            path = f.name
        png = os.path.join(pictures, name + ".png")
        subprocess.run(["rsvg-convert", "--format", "png", "--width", str(W), "--height", str(H), "--output", png,
                        path], check=True)
        os.unlink(path)
        made[name] = png
        return png

    count = 0
    for folder, file, gui, slot, gender, picture, colour, child in layers():
        textures = None
        if picture is not None:
            key, make = picture
            if slot == "AVATAR_SKIN":
                textures = []
                for mood in ("normal", "happy", "sad"):
                    name = f"{gender}_av_{key}_{mood}"
                    render(name, skin_svg(gender == "f", make, mood))
                    textures.append(name + ".png")
            else:
                # One picture serves all three moods: only the face shows the mood.
                name = f"{gender}_av_{key}"
                render(name, make())
                textures = [name + ".png"] * 3
        os.makedirs(os.path.join(layer_root, folder), exist_ok=True)
        with open(os.path.join(layer_root, folder, file + ".txt"), "w", newline="\n") as f:
            f.write(layer_file(gui, slot, gender, textures, colour, child))
        count += 1
    print(f"{count} layer file(s), {len(made)} picture(s)")
    if args.sheet:
        subprocess.run(["montage", *sorted(made.values()), "-tile", "12x", "-geometry", "128x256+2+2",
                        "-background", "#7a9cc6", args.sheet], check=True)
        print(f"contact sheet: {args.sheet}")


if __name__ == "__main__":
    main()
