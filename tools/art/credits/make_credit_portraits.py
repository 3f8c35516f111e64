#!/usr/bin/env python3
"""Makes the five faces of the credits screen from the town's face parts (tools/art/portraits), each
chosen by hand so that no credit face is one of the town's: 128x128 PNGs in data/bitmaps/.

Usage: tools/art/credits/make_credit_portraits.py
"""
import os
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "portraits"))
from make_portraits import face_svg  # noqa: E402

FACES = {
    "m_velk": dict(female=False, skin="#eec1a0", hair="sidepart", hair_colour="#4a2e1c", eyes="#2f5d8a",
                   brows=1, mouth="smile", beard="stubble", glasses="square", clothes="#3f6fb5", cheeks=False),
    "m_tamon": dict(female=False, skin="#c18560", hair="curly", hair_colour="#1e1a18", eyes="#3b2a1c",
                    brows=0, mouth="grin", beard="none", glasses="round", clothes="#d9a23f", cheeks=False),
    "m_dramo": dict(female=False, skin="#f6d7c3", hair="quiff", hair_colour="#a8401f", eyes="#4d7a3a",
                    brows=2, mouth="smirk", beard="goatee", glasses="none", clothes="#8a5ab5", cheeks=False),
    "m_oriel": dict(female=False, skin="#9a6440", hair="long", hair_colour="#1e1a18", eyes="#3b2a1c",
                    brows=1, mouth="open", beard="full", glasses="none", clothes="#2f8f9a", cheeks=False),
    "f_sarel": dict(female=True, skin="#d9a07a", hair="bun", hair_colour="#7a4a26", eyes="#4d7a3a",
                    brows=0, mouth="smile", beard="none", glasses="round", clothes="#c75d8f", cheeks=True),
}


def main():
    out = os.path.abspath(os.path.join(here, "..", "..", "..", "data", "bitmaps"))
    with tempfile.TemporaryDirectory() as tmp:
        for name, parts in FACES.items():
            svg = os.path.join(tmp, name + ".svg")
            with open(svg, "w") as f:
                f.write(face_svg(parts))
            png = os.path.join(out, name + ".png")
            subprocess.run(["rsvg-convert", "--format", "png", "--width", "128", "--height", "128", "--output", png,
                            svg], check=True)
            print("  " + os.path.relpath(png, os.path.join(out, "..", "..")))


if __name__ == "__main__":
    main()
