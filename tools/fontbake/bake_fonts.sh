#!/bin/sh
# Bakes the game's fifteen bitmap fonts: data/bitmaps/fonts/<name>.png and data/fonts/<name>.dds.dat.
# Usage: bake_fonts.sh FONTBAKE [OUTPUT_ROOT]
#   FONTBAKE     the built baker (build/tools/fontbake)
#   OUTPUT_ROOT  the folder that holds data/ (default: the repository)
# Faces, by the character of each name: Liberation Sans for "arial", Carlito Bold for "calibri",
# Comic Neue Bold for "segoeprint" and "anime", DejaVu Serif Bold for "georgia", Liberation Mono
# Bold for "courier" (Debian: fonts-liberation2, fonts-crosextra-carlito, fonts-comic-neue,
# fonts-dejavu-extra).
set -eu

BAKER=${1:?usage: bake_fonts.sh FONTBAKE [OUTPUT_ROOT]}
ROOT=${2:-$(cd "$(dirname "$0")/../.." && pwd)}
FONTS=${VORLA2_FONT_DIR:-/usr/share/fonts}

SANS=$FONTS/truetype/liberation2/LiberationSans-Regular.ttf
SANS_BOLD=$FONTS/truetype/liberation2/LiberationSans-Bold.ttf
MONO_BOLD=$FONTS/truetype/liberation2/LiberationMono-Bold.ttf
CONDENSED_BOLD=$FONTS/truetype/crosextra/Carlito-Bold.ttf
HAND_BOLD=$FONTS/opentype/comic-neue/ComicNeue-Bold.otf
SERIF_BOLD=$FONTS/truetype/dejavu/DejaVuSerif-Bold.ttf

mkdir -p "$ROOT/data/bitmaps/fonts" "$ROOT/data/fonts"

# name, face, native size, cell, rows, columns, spacing (the spacing the game sets after loading),
# measure ("em": the size is the em; "line": the size is the height of a line of the face, as
# Windows reads a font height, which makes the glyphs smaller and sets the baseline at the face's
# ascent). The "calibri" fonts are measured by the line: the screens that use them are laid out for
# text that size (the calendar's day name and month must fit left of its day cells).
bake() {
  "$BAKER" --face "$2" --size "$3" --cell "$4" --rows "$5" --columns "$6" --spacing "$7" --measure "$8" \
    --png "$ROOT/data/bitmaps/fonts/$1.png" --widths "$ROOT/data/fonts/$1.dds.dat"
}

bake arial16                 "$SANS"           16 24 10 10  2 em
bake arialbold16             "$SANS_BOLD"      16 24 10 10 -1 em
bake arialbold20             "$SANS_BOLD"      20 24 10 10  0 em
bake segoeprintbold22        "$HAND_BOLD"      22 24 10 10  0 em
bake segoeprintbold20        "$HAND_BOLD"      20 24 10 10  0 em
bake calibriblackbold30      "$CONDENSED_BOLD" 30 40 10 10  0 line
bake courier_black_bold_20   "$MONO_BOLD"      20 24 10 10  0 em
bake calibriblackbold16      "$CONDENSED_BOLD" 16 24 10 10  0 line
bake anime30                 "$HAND_BOLD"      30 40 10 10  0 em
bake anime16                 "$HAND_BOLD"      16 24 10 10  0 em
bake anime14                 "$HAND_BOLD"      14 24 10 10  0 em
bake calibriblackbold22      "$CONDENSED_BOLD" 22 24 10 10  0 line
bake calibriblackbold24      "$CONDENSED_BOLD" 24 24 10 10  0 line
bake calibriblackbold28      "$CONDENSED_BOLD" 28 28  6 18  0 line
bake georgiablackbold30      "$SERIF_BOLD"     30 40 10 10  0 em
