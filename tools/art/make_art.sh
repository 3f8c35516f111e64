#!/usr/bin/env bash
# Makes the game's pictures: every SVG under tools/art/svg is rasterised with rsvg-convert into
# data/bitmaps as a PNG of the same name (subfolders are mirrored: svg/ui/x.svg -> data/bitmaps/ui/x.png).
# A picture the game asks for as a JPEG is drawn as NAME.jpg.svg and comes out as NAME.jpg
# (rasterised to PNG first, then converted by ImageMagick); NAME.bmp.svg comes out as a 24-bit
# Windows bitmap NAME.bmp the same way.
# The test pictures under tools/art/fixtures go to tests/fixtures/bitmaps the same way.
#
# Size: the line "<svg path relative to its folder> <width> <height>" in sizes.txt beside the
# folder's SVGs wins; otherwise the SVG's own width and height are used. Drop a new SVG into
# tools/art/svg (and, if its drawing size is not its pixel size, a line into tools/art/svg/sizes.txt)
# and run this script; commit the PNGs it writes.
#
# Usage: tools/art/make_art.sh            render everything
#        tools/art/make_art.sh NAME...    render only the SVGs whose path contains NAME
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

if ! command -v rsvg-convert >/dev/null; then
  echo "make_art.sh: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2
  exit 1
fi

filters=("$@")

wanted() {
  local path=$1
  [ ${#filters[@]} -eq 0 ] && return 0
  local f
  for f in "${filters[@]}"; do
    case "$path" in *"$f"*) return 0 ;; esac
  done
  return 1
}

# render_tree SVG_DIR OUT_DIR
render_tree() {
  local src=$1 out=$2 count=0
  [ -d "$src" ] || return 0
  local table="$src/sizes.txt"
  while IFS= read -r -d '' svg; do
    local rel=${svg#"$src"/}
    wanted "$rel" || continue
    local png="$out/${rel%.svg}.png"
    local args=()
    if [ -f "$table" ]; then
      # First matching line of the table: "<relative path> <width> <height>"; "#" starts a comment.
      local line
      line=$(awk -v n="$rel" '$1 == n && $1 !~ /^#/ { print $2, $3; exit }' "$table")
      if [ -n "$line" ]; then
        read -r w h <<<"$line"
        args=(--width "$w" --height "$h")
      fi
    fi
    mkdir -p "$(dirname "$png")"
    case "$rel" in
      *.jpg.svg)
        local jpg="$out/${rel%.svg}"
        if ! command -v convert >/dev/null; then
          echo "make_art.sh: convert is missing (apt-get install imagemagick) for $rel" >&2
          exit 1
        fi
        local tmp
        tmp=$(mktemp --suffix=.png)
        rsvg-convert --format png "${args[@]}" --output "$tmp" "$svg"
        convert "$tmp" -strip -quality 90 "$jpg"
        rm -f "$tmp"
        png=$jpg
        ;;
      *.bmp.svg)
        local bmp="$out/${rel%.svg}"
        if ! command -v convert >/dev/null; then
          echo "make_art.sh: convert is missing (apt-get install imagemagick) for $rel" >&2
          exit 1
        fi
        local tmpb
        tmpb=$(mktemp --suffix=.png)
        rsvg-convert --format png "${args[@]}" --output "$tmpb" "$svg"
        convert "$tmpb" -background white -alpha remove -alpha off -type TrueColor "BMP3:$bmp"
        rm -f "$tmpb"
        png=$bmp
        ;;
      *)
        rsvg-convert --format png "${args[@]}" --output "$png" "$svg"
        ;;
    esac
    echo "  ${png#"$root"/}"
    count=$((count + 1))
  done < <(find "$src" -name '*.svg' -type f -print0 | sort -z)
  echo "$count picture(s) from ${src#"$root"/}"
}

render_tree "$here/svg" "$root/data/bitmaps"
render_tree "$here/fixtures" "$root/tests/fixtures/bitmaps"
