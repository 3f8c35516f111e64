#!/usr/bin/env python3
"""Writes the SVGs of the shop: one 128 x 128 picture per possession of the asset table
(tools/art/svg/asset_<name>.svg), the shop's backdrop (shoppingscreen.svg, 1024 x 1024 with the
picture in the top 720 rows) and the four department labels. make_art.sh turns them into PNGs.

Usage: tools/art/shop_pictures.py   (then tools/art/make_art.sh asset_ shopping)
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "svg")


def tile(colour, body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">'
            f'<rect x="4" y="4" width="120" height="120" rx="18" fill="{colour}" stroke="#3a2f25" stroke-width="4"/>'
            f'{body}</svg>\n')


def car(c, low=False):
    top = 52 if low else 40
    return (f'<path d="M14 {84} L18 66 L36 62 L48 {top} L84 {top} L98 62 L112 66 L114 84 Z" fill="{c}" stroke="#222" stroke-width="3"/>'
            f'<path d="M52 {top + 5} L80 {top + 5} L90 60 L44 60 Z" fill="#cfe8ff" stroke="#222" stroke-width="2"/>'
            '<circle cx="38" cy="86" r="12" fill="#222"/><circle cx="92" cy="86" r="12" fill="#222"/>'
            '<circle cx="38" cy="86" r="5" fill="#bbb"/><circle cx="92" cy="86" r="5" fill="#bbb"/>')


def wheels(frame, c, thick=3):
    return ('<circle cx="34" cy="82" r="20" fill="none" stroke="#222" stroke-width="6"/>'
            '<circle cx="94" cy="82" r="20" fill="none" stroke="#222" stroke-width="6"/>'
            f'<path d="{frame}" fill="none" stroke="{c}" stroke-width="{thick}" stroke-linejoin="round"/>')


def book(c, letter):
    return (f'<rect x="30" y="18" width="68" height="92" rx="4" fill="{c}" stroke="#222" stroke-width="3"/>'
            '<rect x="30" y="18" width="10" height="92" fill="#000" opacity="0.25"/>'
            '<rect x="48" y="32" width="40" height="26" rx="3" fill="#fff8e0"/>'
            f'<text x="68" y="52" font-family="DejaVu Serif" font-weight="bold" font-size="18" text-anchor="middle" fill="#222">{letter}</text>'
            '<rect x="48" y="70" width="40" height="4" fill="#fff8e0" opacity="0.8"/><rect x="48" y="80" width="30" height="4" fill="#fff8e0" opacity="0.8"/>')


def face(c, ears, extra=""):
    return (f'{ears}<circle cx="64" cy="68" r="36" fill="{c}" stroke="#222" stroke-width="3"/>'
            '<circle cx="50" cy="60" r="5" fill="#222"/><circle cx="78" cy="60" r="5" fill="#222"/>'
            f'<ellipse cx="64" cy="78" rx="7" ry="5" fill="#222"/>{extra}')


def food(c, label):
    return (f'<rect x="30" y="24" width="68" height="84" rx="8" fill="{c}" stroke="#222" stroke-width="3"/>'
            '<rect x="38" y="48" width="52" height="36" rx="4" fill="#fffbe8"/>'
            f'<text x="64" y="72" font-family="DejaVu Sans" font-weight="bold" font-size="15" text-anchor="middle" fill="#222">{label}</text>')


NOTE = '<ellipse cx="{x}" cy="{y}" rx="9" ry="7" fill="#222"/><rect x="{sx}" y="{sy}" width="4" height="40" fill="#222"/>'

PICTURES = {
    "umbrella": ("#bfe3ff", '<path d="M16 64 A48 44 0 0 1 112 64 Q100 56 88 64 Q76 56 64 64 Q52 56 40 64 Q28 56 16 64 Z" fill="#2c3e73" stroke="#111" stroke-width="3"/>'
                 '<path d="M64 64 L64 104 Q64 114 54 112" fill="none" stroke="#5b3b1c" stroke-width="6" stroke-linecap="round"/>'),
    "mp3player": ("#e8e0ff", '<rect x="38" y="16" width="52" height="96" rx="10" fill="#f4f4f4" stroke="#222" stroke-width="3"/>'
                  '<rect x="46" y="26" width="36" height="30" fill="#4a90d9"/><circle cx="64" cy="84" r="16" fill="#ddd" stroke="#555" stroke-width="3"/>'
                  '<circle cx="64" cy="84" r="6" fill="#f4f4f4" stroke="#555" stroke-width="2"/>'),
    "alarm": ("#ffe0e0", '<rect x="30" y="34" width="68" height="60" rx="8" fill="#eeeeee" stroke="#222" stroke-width="3"/>'
              '<circle cx="64" cy="64" r="16" fill="#e53030" stroke="#222" stroke-width="3"/>'
              '<path d="M22 40 Q14 64 22 88 M106 40 Q114 64 106 88" fill="none" stroke="#e53030" stroke-width="5" stroke-linecap="round"/>'),
    "cheapcar": ("#e6f2d8", car("#a0a060")),
    "midrangecar": ("#d8e6f2", car("#3b6fc1")),
    "expensivecar": ("#f8e0d0", car("#d42020", low=True)),
    "bicycle": ("#e0f4e0", wheels("M34 82 L56 50 L86 50 L94 82 M56 50 L64 82 L86 50 M50 40 L62 40 M86 50 L84 38 L94 36", "#1b7a2c")),
    "motorbike": ("#f0e4d4", wheels("M34 82 L52 56 L84 56 L94 82 M52 56 L44 46 M84 56 L90 40 L100 40", "#333", 8)
                  + '<ellipse cx="66" cy="60" rx="18" ry="9" fill="#c03020" stroke="#222" stroke-width="3"/>'),
    "skateboard": ("#fff0c8", '<path d="M14 66 Q14 56 26 56 L102 56 Q114 56 114 66 Q114 72 102 72 L26 72 Q14 72 14 66 Z" fill="#e07a20" stroke="#222" stroke-width="3"/>'
                   '<circle cx="36" cy="84" r="9" fill="#333"/><circle cx="92" cy="84" r="9" fill="#333"/>'),
    "suit": ("#dcdcec", '<path d="M30 28 L52 20 L64 44 L76 20 L98 28 L108 108 L20 108 Z" fill="#2b2f45" stroke="#111" stroke-width="3"/>'
             '<path d="M52 20 L64 44 L76 20 L70 18 L64 30 L58 18 Z" fill="#fff"/><path d="M62 32 L66 32 L68 70 L64 76 L60 70 Z" fill="#b02020"/>'),
    "designer_sunglasses": ("#fff4c0", '<ellipse cx="40" cy="64" rx="22" ry="16" fill="#1a1a1a"/><ellipse cx="88" cy="64" rx="22" ry="16" fill="#1a1a1a"/>'
                            '<path d="M62 60 Q64 54 66 60 M18 58 L8 50 M110 58 L120 50" fill="none" stroke="#c9a227" stroke-width="4"/>'
                            '<ellipse cx="34" cy="58" rx="6" ry="3" fill="#fff" opacity="0.5"/><ellipse cx="82" cy="58" rx="6" ry="3" fill="#fff" opacity="0.5"/>'),
    "golfclubs": ("#d8f0d8", '<path d="M48 24 L52 66 M64 18 L64 66 M80 24 L76 66" stroke="#777" stroke-width="4"/>'
                  '<rect x="44" y="14" width="12" height="10" rx="3" fill="#444"/><rect x="58" y="10" width="12" height="10" rx="3" fill="#444"/><rect x="74" y="14" width="12" height="10" rx="3" fill="#444"/>'
                  '<rect x="40" y="60" width="48" height="54" rx="10" fill="#2060a0" stroke="#222" stroke-width="3"/>'),
    "cabletv": ("#e0e8ff", '<rect x="16" y="28" width="96" height="66" rx="6" fill="#222"/><rect x="22" y="34" width="84" height="54" fill="#58b4f0"/>'
                '<path d="M22 74 L50 54 L70 70 L84 60 L106 78 L106 88 L22 88 Z" fill="#2e8b3a"/><path d="M52 94 L44 110 M76 94 L84 110" stroke="#222" stroke-width="5"/>'),
    "dishwasher": ("#e4f4f4", '<rect x="24" y="18" width="80" height="94" rx="6" fill="#f0f0f0" stroke="#222" stroke-width="3"/>'
                   '<rect x="24" y="18" width="80" height="16" fill="#c8c8c8" stroke="#222" stroke-width="3"/><rect x="44" y="44" width="40" height="6" rx="3" fill="#666"/>'
                   '<circle cx="94" cy="26" r="4" fill="#3c3"/>'),
    "laptop": ("#eeeeee", '<rect x="26" y="24" width="76" height="52" rx="4" fill="#333"/><rect x="32" y="30" width="64" height="40" fill="#79c0ff"/>'
               '<path d="M14 84 L26 76 L102 76 L114 84 Z" fill="#aaa" stroke="#222" stroke-width="3"/>'),
    "games_console": ("#f0e0f4", '<path d="M20 56 Q22 40 40 42 L88 42 Q106 40 108 56 L112 84 Q112 98 98 94 L84 80 L44 80 L30 94 Q16 98 16 84 Z" fill="#333" stroke="#111" stroke-width="3"/>'
                      '<path d="M36 56 L36 68 M30 62 L42 62" stroke="#fff" stroke-width="4"/><circle cx="86" cy="58" r="5" fill="#e33"/><circle cx="96" cy="66" r="5" fill="#3a3"/>'),
    "camera": ("#fff0e0", '<rect x="18" y="40" width="92" height="60" rx="8" fill="#333" stroke="#111" stroke-width="3"/><rect x="40" y="30" width="24" height="12" rx="3" fill="#333"/>'
               '<circle cx="64" cy="70" r="20" fill="#777" stroke="#111" stroke-width="3"/><circle cx="64" cy="70" r="10" fill="#1e3c64"/>'),
    "gym": ("#ffe4c8", '<rect x="34" y="58" width="60" height="10" fill="#666"/><rect x="20" y="38" width="16" height="50" rx="4" fill="#222"/>'
            '<rect x="92" y="38" width="16" height="50" rx="4" fill="#222"/><rect x="10" y="48" width="10" height="30" rx="3" fill="#222"/><rect x="108" y="48" width="10" height="30" rx="3" fill="#222"/>'),
    "lottery": ("#fff8b0", '<rect x="16" y="34" width="96" height="60" rx="6" fill="#fff" stroke="#c04040" stroke-width="4" stroke-dasharray="8 4"/>'
                '<text x="64" y="72" font-family="DejaVu Sans" font-weight="bold" font-size="20" text-anchor="middle" fill="#c04040">7 19 42</text>'),
    "gift_flowers": ("#ffe0ee", '<path d="M64 110 L50 70 L78 70 Z" fill="#f0e0c0" stroke="#222" stroke-width="2"/><path d="M64 72 L64 56 M64 72 L46 46 M64 72 L82 46" stroke="#2a8a2a" stroke-width="4"/>'
                     '<circle cx="64" cy="44" r="12" fill="#e0245e"/><circle cx="44" cy="40" r="11" fill="#ff9900"/><circle cx="84" cy="40" r="11" fill="#e0245e"/>'),
    "gift_perfume": ("#f4e4ff", '<rect x="36" y="48" width="56" height="60" rx="12" fill="#d7a8f0" stroke="#222" stroke-width="3"/><rect x="54" y="30" width="20" height="18" fill="#c9a227" stroke="#222" stroke-width="2"/>'
                     '<circle cx="64" cy="22" r="9" fill="#c9a227" stroke="#222" stroke-width="2"/>'),
    "gift_necklace": ("#fdf4dc", '<path d="M24 28 Q64 110 104 28" fill="none" stroke="#c9a227" stroke-width="6"/><path d="M64 80 L54 92 L64 108 L74 92 Z" fill="#3fa8e0" stroke="#222" stroke-width="2"/>'),
    "dog": ("#f4e8d8", face("#b07a40", '<ellipse cx="30" cy="60" rx="12" ry="26" fill="#6b4420" stroke="#222" stroke-width="3"/><ellipse cx="98" cy="60" rx="12" ry="26" fill="#6b4420" stroke="#222" stroke-width="3"/>',
                                '<path d="M64 84 Q64 96 72 96" fill="none" stroke="#222" stroke-width="2"/><ellipse cx="68" cy="98" rx="6" ry="8" fill="#e05060"/>')),
    "cat": ("#e8f0f8", face("#e09a40", '<path d="M34 52 L30 18 L58 36 Z M94 52 L98 18 L70 36 Z" fill="#e09a40" stroke="#222" stroke-width="3"/>',
                            '<path d="M40 80 L16 76 M40 84 L16 88 M88 80 L112 76 M88 84 L112 88" stroke="#222" stroke-width="2"/>')),
    "fish": ("#cfeaff", '<path d="M20 64 Q54 28 88 64 Q54 100 20 64 Z" fill="#f7941d" stroke="#222" stroke-width="3"/><path d="M86 64 L112 44 L112 84 Z" fill="#f7941d" stroke="#222" stroke-width="3"/>'
             '<circle cx="38" cy="60" r="5" fill="#222"/>'),
    "hamster": ("#fff0dc", face("#e8c090", '<circle cx="38" cy="38" r="12" fill="#d8a070" stroke="#222" stroke-width="3"/><circle cx="90" cy="38" r="12" fill="#d8a070" stroke="#222" stroke-width="3"/>',
                                '<ellipse cx="40" cy="82" rx="10" ry="7" fill="#f0b0b0"/><ellipse cx="88" cy="82" rx="10" ry="7" fill="#f0b0b0"/>')),
    "parrot": ("#e0f8e0", '<path d="M50 112 Q30 70 50 36 Q64 16 84 30 Q96 44 84 60 Q80 90 66 112 Z" fill="#22a040" stroke="#222" stroke-width="3"/>'
               '<path d="M84 34 Q104 36 100 54 Q94 46 84 48 Z" fill="#f0c020" stroke="#222" stroke-width="2"/><circle cx="72" cy="40" r="5" fill="#222"/>'
               '<path d="M52 70 Q40 90 50 108" fill="none" stroke="#d02020" stroke-width="8"/>'),
    "dogfood": ("#f4e8d8", food("#b03020", "DOG")),
    "catfood": ("#e8f0f8", food("#3060b0", "CAT")),
    "fishfood": ("#cfeaff", food("#f7941d", "FISH")),
    "hamsterfood": ("#fff0dc", food("#6a9a30", "MIX")),
    "parrotfood": ("#e0f8e0", food("#22a040", "SEED")),
    "catbed": ("#e8f0f8", '<ellipse cx="64" cy="78" rx="50" ry="26" fill="#8a5a2a" stroke="#222" stroke-width="3"/><ellipse cx="64" cy="72" rx="38" ry="16" fill="#e05080"/>'),
    "catpost": ("#f0ece0", '<rect x="20" y="100" width="88" height="12" rx="3" fill="#8a5a2a" stroke="#222" stroke-width="3"/><rect x="52" y="26" width="24" height="76" fill="#d8c090" stroke="#222" stroke-width="3"/>'
                '<path d="M52 40 L76 48 M52 56 L76 64 M52 72 L76 80 M52 88 L76 96" stroke="#a08050" stroke-width="3"/><rect x="40" y="16" width="48" height="12" rx="3" fill="#8a5a2a" stroke="#222" stroke-width="3"/>'),
    "book_french": ("#e8eeff", book("#2050b0", "Fr")),
    "book_spanish": ("#fff0d8", book("#d04020", "Es")),
    "book_cookery": ("#fff4e0", book("#f0a020", "Eat")),
    "book_physics": ("#e4eef8", book("#303080", "E=")),
    "book_biology": ("#e4f8e4", book("#208040", "Bio")),
    "book_chemistry": ("#f4e4f8", book("#8030a0", "Chem")),
    "book_computing": ("#e0f4f4", book("#206060", "&lt;/&gt;")),
    "book_chess": ("#eeeeee", book("#333333", "Chess")),
    "book_firstaid": ("#ffe8e8", book("#c02020", "+")),
    "book_novel": ("#f8f0e0", book("#6a3a20", "Novel")),
    "book_gardening": ("#e8f8e0", book("#50a030", "Grow")),
    "sudoku": ("#f4f4f4", '<rect x="22" y="22" width="84" height="84" fill="#fff" stroke="#222" stroke-width="4"/>'
               '<path d="M50 22 L50 106 M78 22 L78 106 M22 50 L106 50 M22 78 L106 78" stroke="#222" stroke-width="3"/>'
               '<text x="36" y="43" font-family="DejaVu Sans" font-size="18" text-anchor="middle">5</text><text x="64" y="71" font-family="DejaVu Sans" font-size="18" text-anchor="middle">3</text>'
               '<text x="92" y="99" font-family="DejaVu Sans" font-size="18" text-anchor="middle">9</text>'),
    "guitar": ("#fff0d8", '<rect x="58" y="10" width="12" height="56" fill="#6b4420"/><rect x="54" y="6" width="20" height="14" rx="3" fill="#3a2510"/>'
               '<path d="M64 60 Q92 60 90 78 Q100 112 64 114 Q28 112 38 78 Q36 60 64 60 Z" fill="#d08a30" stroke="#222" stroke-width="3"/><circle cx="64" cy="84" r="8" fill="#3a2510"/>'),
    "keyboard": ("#eeeeee", '<rect x="10" y="44" width="108" height="44" rx="4" fill="#222"/><rect x="16" y="56" width="96" height="28" fill="#fff"/>'
                 + "".join(f'<rect x="{16 + i * 12}" y="56" width="1.5" height="28" fill="#222"/>' for i in range(1, 8))
                 + "".join(f'<rect x="{25 + i * 12}" y="56" width="6" height="16" fill="#222"/>' for i in (0, 1, 3, 4, 5))),
    "saxophone": ("#fff8d8", '<path d="M72 14 L74 80 Q74 108 54 108 Q36 108 36 92 L42 92 Q44 100 54 100 Q66 100 66 82 L64 14 Z" fill="#e0b030" stroke="#222" stroke-width="3"/>'
                  '<ellipse cx="40" cy="90" rx="10" ry="6" fill="#e0b030" stroke="#222" stroke-width="3"/><circle cx="69" cy="40" r="3" fill="#222"/><circle cx="69" cy="54" r="3" fill="#222"/><circle cx="70" cy="68" r="3" fill="#222"/>'),
    "music_lessons": ("#e8e8ff", NOTE.format(x=40, y=90, sx=45, sy=50) + NOTE.format(x=82, y=80, sx=87, sy=40)
                      + '<path d="M47 50 L91 40 L91 48 L47 58 Z" fill="#222"/>'),
}

LABELS = {
    # name: (width, height, texture width, texture height, text, rotation, colour)
    "shopping_general": (335, 174, 512, 256, "General", 18, "#b02828"),
    "shopping_pets": (248, 171, 256, 256, "Pets", 30, "#2a7a2a"),
    "shopping_books": (342, 95, 512, 128, "Books", -2, "#23408c"),
    "shopping_music": (275, 137, 512, 256, "Music", 14, "#8a2a8a"),
}


def label_svg(w, h, tw, th, text, rot, colour):
    # The lettering lies along the line of the label's hot spots: bright, outlined, on a soft glow.
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{tw}" height="{th}">'
            f'<g transform="translate({w / 2},{h / 2}) rotate({rot})">'
            f'<rect x="{-w * 0.42}" y="-30" width="{w * 0.84}" height="60" rx="28" fill="#fffbe0" opacity="0.85" stroke="{colour}" stroke-width="4"/>'
            f'<text x="0" y="16" font-family="DejaVu Sans" font-weight="bold" font-size="44" text-anchor="middle" fill="{colour}">{text}</text>'
            '</g></svg>\n')


def shop_svg():
    # The high street seen from the pavement: shop fronts on the left where the labels sit, a
    # counter board on the right for the offers. Only the top 720 rows are shown.
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="1024" height="1024">',
             '<rect x="0" y="60" width="470" height="660" fill="#d9c7a8"/>',
             '<rect x="0" y="60" width="470" height="40" fill="#8a5a2a"/>',
             '<text x="235" y="90" font-family="DejaVu Serif" font-weight="bold" font-size="28" text-anchor="middle" fill="#fff8e0">High Street</text>']
    # Each department's lettering, faded: the label's own picture lights it under the mouse. The
    # picture is drawn 8 px below the screen's top, so a label's screen top is 8 more than here.
    label_tops = {"shopping_general": 223, "shopping_pets": 317, "shopping_books": 543, "shopping_music": 432}
    for name, (w, h, tw, th, text, rot, colour) in LABELS.items():
        inner = label_svg(w, h, tw, th, text, rot, colour)
        inner = inner[inner.index("<g "):inner.rindex("</svg>")]
        parts.append(f'<g transform="translate(0,{label_tops[name] - 8})" opacity="0.45">{inner}</g>')
    parts.append('<rect x="480" y="140" width="540" height="500" rx="16" fill="#f8f1df" stroke="#6b4420" stroke-width="6"/>')
    for i in range(4):
        y = 163 + 110 * i
        parts.append(f'<rect x="490" y="{y}" width="522" height="106" rx="8" fill="#fffaf0" stroke="#d8c8a8" stroke-width="2"/>')
    parts.append('<rect x="480" y="590" width="540" height="46" fill="#e8dcc0"/>')
    parts.append('<rect x="0" y="700" width="1024" height="20" fill="#8a8a8a"/>')
    parts.append('</svg>\n')
    return "".join(parts)


def main():
    for name, (colour, body) in PICTURES.items():
        with open(os.path.join(OUT, f"asset_{name}.svg"), "w") as f:
            f.write(tile(colour, body))
    for name, args in LABELS.items():
        with open(os.path.join(OUT, f"{name}.svg"), "w") as f:
            f.write(label_svg(*args))
    with open(os.path.join(OUT, "shoppingscreen.svg"), "w") as f:
        f.write(shop_svg())


if __name__ == "__main__":
    main()
