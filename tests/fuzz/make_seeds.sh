#!/usr/bin/env bash
# Makes the fuzz targets' seeds in corpus/<target>/ from the files in data/ (and, for the DDS
# reader, which data/ has no file for, one small picture of each accepted format). The seeds are
# committed; rerun after the data changes shape (it rewrites only the seed-* files). Beside them
# live found-* (inputs the fuzzers found, merged to those that add coverage: fuzz_<target>
# -merge=1) and crash-*/timeout-* (inputs that once broke a reader), which are never removed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
data="$(cd "$here/../../data" && pwd)"
corpus="$here/corpus"

seed() {  # seed TARGET NAME: stdin becomes corpus/TARGET/seed-NAME
  mkdir -p "$corpus/$1"
  cat > "$corpus/$1/seed-$2"
}
rows() {  # the table rows of a file (lines that begin with "#")
  grep '^#' "$1" || true
}

# Ini files: the start of the strings (section "strings") and its numbered sections, the start
# of the tuning numbers, and the awkward cases of the format. Small seeds keep the fuzzers fast:
# every settings call reads its file afresh.
numbered="$(sed -n '/^\[MonthNames\]/,$p' "$data/strings.ini" | head -c 2500)"
for t in ini_parser ini_loader translation; do
  head -c 3000 "$data/strings.ini" | sed '$d' | seed "$t" strings-start.ini
  printf '%s\n' "$numbered" | sed '$d' | seed "$t" strings-numbered.ini
done
head -c 3000 "$data/config.txt" | sed '$d' | seed ini_parser config.txt
head -c 3000 "$data/config.txt" | sed '$d' | seed ini_loader config.txt
printf '[a]\r\nkey = "quoted ; value" ; comment\r\nempty=\nq=""  \nsq='"'"'x'"'"'\n[]\n[b\nx=1=2\n  indented = yes\n# note\n;note\n[a]\nkey=again\n' |
  seed ini_parser edges.ini
# The loader's own input: section text, "key=value" pairs each ended by a zero byte.
grep '^GV_' "$data/config.txt" | head -20 | tr '\n' '\0' | seed ini_loader section-config
printf 'k=v\\"q\\"\0/commented=1\0esc\\=aped=x=y\0colour=1,2,3\0\0' | seed ini_loader section-edges

# CSV: one line after a mode byte (bits 0-1 the separator , ; tab |, bit 2 keep quotes, bit 3 a
# table row).
n=0
for f in "$data"/simulation/*.csv "$data/tutorialscripts.csv"; do
  rows "$f" | head -3 | while IFS= read -r line; do
    n=$((n + 1))
    { printf '\x08'; printf '%s' "$line"; } | seed csv "$(basename "$f" .csv)-$n"
  done
done
{ printf '\x05'; tr -d '\n' < "$data/simulation/scripts/mugged.txt"; } | seed csv script-line
printf '\x08a,"open quote,b\r\n' | seed csv open-quote

# Tables whole.
for f in "$data"/simulation/*.csv "$data/tutorialscripts.csv"; do
  seed spreadsheet "$(basename "$f")" < "$f"
done
seed events events.csv < "$data/simulation/events.csv"

# Scripts: every script file, a script naming a file, and the inline forms.
for f in "$data"/simulation/scripts/*.txt; do
  seed script "$(basename "$f")" < "$f"
done
printf 'tutorial_01.txt' | seed script by-name
printf 'ApplyEffect(stress,_GV_STARTINGCASH,0.9,x);Call("a;b");  Highlight(x) ;HighlightRect(1,2,3,4,5,6)' |
  seed script inline

# Modifier and activity-type fields: the quoted fields of the events table, one per line.
fields="$(rows "$data/simulation/events.csv" | grep -oE '"[a-z_]+,<?-?[0-9._]+[^"]*"' | tr -d '"')"
printf '%s\n' "$fields" | seed modifier events-fields
printf '_GV_STARTINGCASH,_GV_STARTINGCASH,_GV_STARTINGCASH\nx\n9lives,1e39,-1e39\n' | seed modifier edges
{
  printf '%s\n' "$fields" | head -8 | sed 's/^/p/'
  printf 'penergy,<0.2\n'
  printf '%s\n' "$fields" | head -8 | sed 's/^/q/'
  printf 'qhappiness,0.5,_random,0.5,x\n'
  printf '%s\n' "$fields" | tail -8 | sed 's/^/m/'
} | seed timechunktype events-fields

# Font width files.
for f in "$data"/fonts/arial16.dds.dat "$data"/fonts/calibriblackbold28.dds.dat "$data"/fonts/anime14.dds.dat; do
  seed widths "$(basename "$f")" < "$f"
done

# Formatted text: every tag, and the texts of the strings file as they come.
printf '<FONTNAME=arialbold20.dds><COLOR=0,0,0,255><CENTER=300>A title\n<SIZE=16><WRAP=400>Body text that wraps.<BR>After a break.<HR=2>\n<FONTNAME=nosuch.dds>x</N>y<COLOR=1,2>\r\n<unclosed' |
  seed formatted_text tags
grep -v '^\[' "$data/strings.ini" | cut -d= -f2- | head -40 | seed formatted_text strings

# DDS: a 128-byte header (magic, size 124, flags, height, width, pitch, pixel format at 76) and
# the top level of a 6x5 picture of each accepted format.
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
dds() {  # dds NAME PFFLAGS FOURCC BITS RMASK GMASK BMASK AMASK PITCH DATA_BYTES
  {
    printf 'DDS '
    le32 124; le32 $((0x1 | 0x2 | 0x4 | 0x1000)); le32 5; le32 6; le32 "$9"
    for _ in $(seq 1 13); do le32 0; done  # depth, mip count, reserved
    le32 32; le32 "$2"; printf '%s' "$3"; le32 "$4"; le32 "$5"; le32 "$6"; le32 "$7"; le32 "$8"
    for _ in $(seq 1 5); do le32 0; done  # caps
    head -c "${10}" "$data/strings.ini"  # any bytes do for pixels
  } | seed dds "$1"
}
dds dxt1 4 DXT1 0 0 0 0 0 0 48
dds dxt3 4 DXT3 0 0 0 0 0 0 96
dds dxt5 4 DXT5 0 0 0 0 0 0 96
dds bgra8 $((0x41)) '    ' 32 $((0xFF0000)) $((0xFF00)) $((0xFF)) $((0xFF000000)) 24 120
dds bgr5a1 $((0x41)) '    ' 16 $((0x7C00)) $((0x3E0)) $((0x1F)) $((0x8000)) 12 60
dds bgr565 $((0x40)) '    ' 16 $((0xF800)) $((0x7E0)) $((0x1F)) 0 12 60
dds bgra4444 $((0x41)) '    ' 16 $((0xF00)) $((0xF0)) $((0xF)) $((0xF000)) 12 60
dds index8 $((0x20)) '    ' 8 0 0 0 0 8 $((1024 + 40))

# Save files: the hand-made saves of the savegame tests, and the saves of a headless game after one
# night and after two hundred (when the game is built: build/vorla2-sim).
for f in "$here"/../fixtures/savegame/*.xml; do
  seed savegame "$(basename "$f")" < "$f"
done
sim="$here/../../build/vorla2-sim"
if [ -x "$sim" ]; then
  for nights in 1 200; do
    home="$(mktemp -d)"
    HOME="$home" XDG_DATA_HOME="$home/d" XDG_CONFIG_HOME="$home/c" SDL_AUDIODRIVER=dummy VORLA2_HEADLESS=1 \
      "$sim" --days "$nights" --seed 1 > /dev/null
    seed savegame "night-$nights.xml" < "$home/d/Vorla 2/savegames/autosave.xml"
    rm -rf "$home"
  done
fi
