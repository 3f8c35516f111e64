#!/usr/bin/env python3
"""Makes the town's faces: composes each portrait from parts (skin, hair, eyes, brows, mouth,
glasses, beard, clothes) as an SVG and rasterises it with rsvg-convert into
data/bitmaps/male_portraits/ and data/bitmaps/female_portraits/ as 128x128 PNGs.

The choice of parts is a fixed walk through a seeded random source, so running the tool again
gives the same faces; no two faces of one gender share the same hair, skin and eye set.

Usage: tools/art/portraits/make_portraits.py [--count N] [--out DIR] [--sheet FILE]
  --sheet writes a contact sheet of every face (ImageMagick montage) for a look at them all.
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile

SKINS = ["#f6d7c3", "#eec1a0", "#d9a07a", "#c18560", "#9a6440", "#6e4428"]
SKIN_SHADE = {"#f6d7c3": "#e3b9a0", "#eec1a0": "#d9a27f", "#d9a07a": "#bf8460",
              "#c18560": "#a66c49", "#9a6440": "#7f4f30", "#6e4428": "#55331d"}
HAIRS = ["#1e1a18", "#4a2e1c", "#7a4a26", "#c8963e", "#e3c36f", "#a8401f", "#8d8d8d", "#d8d4cc"]
EYES = ["#3b2a1c", "#2f5d8a", "#4d7a3a", "#6b5a3e", "#2a2a2a"]
CLOTHES = ["#3f6fb5", "#b54a3f", "#3f9a6b", "#8a5ab5", "#d9a23f", "#4a4a58", "#2f8f9a",
           "#c75d8f", "#6b8f3f", "#a0522d"]

MALE_HAIR = ["short", "crop", "sidepart", "bald", "curly", "quiff", "receding", "long"]
FEMALE_HAIR = ["long", "bob", "ponytail", "curly", "bun", "pixie", "wavy", "fringe"]
MOUTHS = ["smile", "grin", "neutral", "smirk", "open"]
BEARDS = ["none", "none", "stubble", "full", "moustache", "goatee"]
GLASSES = ["none", "none", "none", "round", "square"]


def hair_back(style, colour):
    """Hair that sits behind the head (drawn before the face)."""
    c = colour
    if style == "long":
        return f'<path d="M30 52 Q28 18 64 16 Q100 18 98 52 L102 112 Q64 122 26 112 Z" fill="{c}"/>'
    if style == "wavy":
        return (f'<path d="M30 52 Q26 16 64 15 Q102 16 98 52 Q106 70 98 86 Q106 100 96 112 '
                f'Q64 120 32 112 Q22 100 30 86 Q22 70 30 52 Z" fill="{c}"/>')
    if style == "ponytail":
        return f'<path d="M92 40 Q116 52 108 92 Q104 100 98 94 Q104 66 88 50 Z" fill="{c}"/>'
    if style == "bun":
        return f'<circle cx="64" cy="16" r="14" fill="{c}"/>'
    if style == "curly" :
        return "".join(f'<circle cx="{x}" cy="{y}" r="11" fill="{c}"/>'
                       for x, y in [(34, 40), (40, 26), (52, 18), (64, 15), (76, 18), (88, 26),
                                    (94, 40), (30, 56), (98, 56), (32, 72), (96, 72)])
    if style == "bob":
        return f'<path d="M28 54 Q26 16 64 15 Q102 16 100 54 L100 84 Q88 90 80 84 L48 84 Q40 90 28 84 Z" fill="{c}"/>'
    if style == "pixie":
        return f'<path d="M31 54 Q28 17 64 16 Q100 17 97 54 L96 74 Q90 78 88 70 L40 70 Q38 78 32 74 Z" fill="{c}"/>'
    return ""


def hair_front(style, colour):
    """Hair over the top of the head (drawn after the face)."""
    c = colour
    if style == "short":
        return f'<path d="M36 50 Q34 20 64 19 Q94 20 92 50 Q86 34 64 32 Q42 34 36 50 Z" fill="{c}"/>'
    if style == "crop":
        return f'<path d="M38 44 Q40 22 64 21 Q88 22 90 44 Q80 34 64 34 Q48 34 38 44 Z" fill="{c}"/>'
    if style == "sidepart":
        return (f'<path d="M35 52 Q32 18 66 18 Q96 20 93 50 Q90 36 76 32 Q60 40 40 38 Q37 44 35 52 Z" '
                f'fill="{c}"/>')
    if style == "quiff":
        return (f'<path d="M36 48 Q34 24 54 18 Q70 8 86 18 Q96 28 92 48 Q86 32 64 32 Q44 34 36 48 Z" '
                f'fill="{c}"/>')
    if style == "receding":
        return (f'<path d="M35 56 Q34 36 42 30 Q44 42 40 52 Z" fill="{c}"/>'
                f'<path d="M93 56 Q94 36 86 30 Q84 42 88 52 Z" fill="{c}"/>')
    if style == "bald":
        return ""
    if style == "curly":
        return "".join(f'<circle cx="{x}" cy="{y}" r="8" fill="{c}"/>'
                       for x, y in [(42, 34), (52, 27), (64, 25), (76, 27), (86, 34)])
    if style == "long" or style == "wavy":
        return f'<path d="M36 54 Q34 20 64 19 Q94 20 92 54 Q84 32 64 30 Q50 36 36 54 Z" fill="{c}"/>'
    if style == "bob":
        return f'<path d="M35 50 Q36 22 64 21 Q92 22 93 50 Q80 36 64 36 Q48 36 35 50 Z" fill="{c}"/>'
    if style == "ponytail" or style == "bun":
        return f'<path d="M36 50 Q34 20 64 20 Q94 20 92 50 Q84 30 64 30 Q44 30 36 50 Z" fill="{c}"/>'
    if style == "pixie":
        return (f'<path d="M34 52 Q30 18 64 18 Q98 18 94 52 Q90 38 80 34 Q66 44 44 36 Q38 42 34 52 Z" '
                f'fill="{c}"/>')
    if style == "fringe":
        return (f'<path d="M30 56 Q28 16 64 16 Q100 16 98 56 L98 100 Q90 104 88 96 L90 50 '
                f'Q64 46 38 50 L40 96 Q38 104 30 100 Z" fill="{c}"/>'
                f'<path d="M38 50 Q40 30 64 28 Q88 30 90 50 Q64 44 38 50 Z" fill="{c}"/>')
    return ""


def eyes(colour, lashes):
    out = []
    for x in (51, 77):
        out.append(f'<ellipse cx="{x}" cy="58" rx="6" ry="4.5" fill="#ffffff"/>')
        out.append(f'<circle cx="{x}" cy="58" r="3" fill="{colour}"/>')
        out.append(f'<circle cx="{x + 1}" cy="57" r="1" fill="#ffffff"/>')
        if lashes:
            out.append(f'<path d="M{x - 7} 55 Q{x} 50 {x + 7} 55" stroke="#1a1a1a" stroke-width="1.6" '
                       f'fill="none"/>')
    return "".join(out)


def brows(colour, shape):
    if shape == 0:
        return "".join(f'<path d="M{x - 7} 49 Q{x} 45 {x + 7} 49" stroke="{colour}" stroke-width="2.6" '
                       f'fill="none" stroke-linecap="round"/>' for x in (51, 77))
    if shape == 1:
        return "".join(f'<path d="M{x - 7} 48 L{x + 7} 47" stroke="{colour}" stroke-width="3" '
                       f'stroke-linecap="round"/>' for x in (51, 77))
    return (f'<path d="M44 49 L58 46" stroke="{colour}" stroke-width="2.4" stroke-linecap="round"/>'
            f'<path d="M70 46 L84 49" stroke="{colour}" stroke-width="2.4" stroke-linecap="round"/>')


def mouth(kind, lips):
    if kind == "smile":
        return f'<path d="M54 80 Q64 88 74 80" stroke="{lips}" stroke-width="2.6" fill="none" stroke-linecap="round"/>'
    if kind == "grin":
        return f'<path d="M52 78 Q64 92 76 78 Z" fill="#ffffff" stroke="{lips}" stroke-width="2"/>'
    if kind == "neutral":
        return f'<path d="M56 82 L72 82" stroke="{lips}" stroke-width="2.6" stroke-linecap="round"/>'
    if kind == "smirk":
        return f'<path d="M55 82 Q66 84 74 78" stroke="{lips}" stroke-width="2.6" fill="none" stroke-linecap="round"/>'
    return f'<ellipse cx="64" cy="82" rx="6" ry="4" fill="#7a2a2a"/>'


def beard(kind, colour):
    if kind == "stubble":
        return (f'<path d="M40 74 Q42 100 64 104 Q86 100 88 74 Q80 92 64 94 Q48 92 40 74 Z" '
                f'fill="{colour}" opacity="0.35"/>')
    if kind == "full":
        return (f'<path d="M38 66 Q38 104 64 108 Q90 104 90 66 Q86 86 74 88 Q64 84 54 88 Q42 86 38 66 Z" '
                f'fill="{colour}"/>')
    if kind == "moustache":
        return f'<path d="M52 77 Q64 70 76 77 Q64 76 52 77 Z" fill="{colour}" stroke="{colour}" stroke-width="2"/>'
    if kind == "goatee":
        return (f'<path d="M52 77 Q64 71 76 77 Q64 76 52 77 Z" fill="{colour}" stroke="{colour}" stroke-width="2"/>'
                f'<path d="M57 90 Q64 102 71 90 Q64 94 57 90 Z" fill="{colour}"/>')
    return ""


def glasses(kind):
    if kind == "round":
        return ('<g stroke="#222" stroke-width="2" fill="none"><circle cx="51" cy="58" r="9"/>'
                '<circle cx="77" cy="58" r="9"/><path d="M60 58 L68 58"/></g>')
    if kind == "square":
        return ('<g stroke="#222" stroke-width="2.2" fill="none"><rect x="41" y="51" width="20" height="14" rx="2"/>'
                '<rect x="67" y="51" width="20" height="14" rx="2"/><path d="M61 57 L67 57"/></g>')
    return ""


def face_svg(p):
    skin, shade = p["skin"], SKIN_SHADE[p["skin"]]
    female = p["female"]
    # The face sits inside the round badge of the contact icons: clipped to a disc just inside
    # the badge's ring, with the head a little smaller so that hair and chin stay whole.
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">',
             '<defs><clipPath id="disc"><circle cx="64" cy="64" r="48"/></clipPath></defs>',
             '<g clip-path="url(#disc)"><circle cx="64" cy="64" r="48" fill="#dfe8f2"/>',
             '<g transform="translate(64 66) scale(0.82) translate(-64 -64)">']
    parts.append(hair_back(p["hair"], p["hair_colour"]))
    # Shoulders and clothes.
    parts.append(f'<path d="M14 128 Q16 100 44 96 L84 96 Q112 100 114 128 Z" fill="{p["clothes"]}"/>')
    parts.append(f'<path d="M54 92 L74 92 L72 104 Q64 110 56 104 Z" fill="{shade}"/>')
    # Ears, head.
    parts.append(f'<ellipse cx="35" cy="62" rx="6" ry="9" fill="{shade}"/>')
    parts.append(f'<ellipse cx="93" cy="62" rx="6" ry="9" fill="{shade}"/>')
    jaw = 'M36 56 Q36 98 64 100 Q92 98 92 56 Q92 26 64 26 Q36 26 36 56 Z' if female else \
        'M36 56 Q37 96 64 100 Q91 96 92 56 Q92 25 64 25 Q36 25 36 56 Z'
    parts.append(f'<path d="{jaw}" fill="{skin}"/>')
    if female and p["cheeks"]:
        parts.append('<circle cx="46" cy="74" r="5" fill="#e88" opacity="0.35"/>'
                     '<circle cx="82" cy="74" r="5" fill="#e88" opacity="0.35"/>')
    parts.append(beard(p["beard"], p["hair_colour"]))
    parts.append(eyes(p["eyes"], female))
    parts.append(brows(p["hair_colour"] if p["hair_colour"] not in ("#d8d4cc",) else "#8d8d8d", p["brows"]))
    parts.append(f'<path d="M64 62 Q60 72 64 74" stroke="{shade}" stroke-width="2.2" fill="none" '
                 'stroke-linecap="round"/>')
    lips = "#b5505a" if female else "#8a4a3a"
    parts.append(mouth(p["mouth"], lips))
    parts.append(hair_front(p["hair"], p["hair_colour"]))
    parts.append(glasses(p["glasses"]))
    parts.append("</g></g></svg>")
    return "\n".join(x for x in parts if x)


def choose(rng, female, count):
    styles = FEMALE_HAIR if female else MALE_HAIR
    seen = set()
    faces = []
    while len(faces) < count:
        p = {
            "female": female,
            "skin": rng.choice(SKINS),
            "hair": styles[len(faces) % len(styles)],
            "hair_colour": rng.choice(HAIRS[:7] if female else HAIRS),
            "eyes": rng.choice(EYES),
            "brows": rng.randrange(3),
            "mouth": rng.choice(MOUTHS),
            "beard": "none" if female else rng.choice(BEARDS),
            "glasses": rng.choice(GLASSES),
            "clothes": rng.choice(CLOTHES),
            "cheeks": rng.random() < 0.5,
        }
        if p["hair"] == "bald" and p["beard"] == "none":
            p["beard"] = "full"
        key = (p["skin"], p["hair"], p["hair_colour"], p["beard"], p["glasses"])
        if key in seen:
            continue
        seen.add(key)
        faces.append(p)
    return faces


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.abspath(os.path.join(here, "..", "..", ".."))
    ap = argparse.ArgumentParser()
    ap.add_argument("--count", type=int, default=32)
    ap.add_argument("--out", default=os.path.join(root, "data", "bitmaps"))
    ap.add_argument("--sheet", default="")
    args = ap.parse_args()
    if not shutil.which("rsvg-convert"):
        sys.exit("make_portraits.py: rsvg-convert is missing (apt-get install librsvg2-bin)")
    rng = random.Random(20061)
    made = []
    with tempfile.TemporaryDirectory() as tmp:
        for folder, prefix, female in (("male_portraits", "m", False), ("female_portraits", "f", True)):
            out = os.path.join(args.out, folder)
            os.makedirs(out, exist_ok=True)
            for i, p in enumerate(choose(rng, female, args.count)):
                svg = os.path.join(tmp, f"{prefix}{i:02d}.svg")
                with open(svg, "w") as f:
                    f.write(face_svg(p))
                png = os.path.join(out, f"{prefix}_face{i + 1:02d}.png")
                subprocess.run(["rsvg-convert", "--format", "png", "--width", "128", "--height", "128",
                                "--output", png, svg], check=True)
                made.append(png)
    print(f"{len(made)} portrait(s)")
    if args.sheet:
        subprocess.run(["montage", *made, "-tile", "16x", "-geometry", "+2+2", "-background", "#7a9cc6",
                        args.sheet], check=True)
        print(f"contact sheet: {args.sheet}")


if __name__ == "__main__":
    main()
