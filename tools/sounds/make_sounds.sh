#!/bin/sh
# Makes the game's sounds: every effect under data/sounds/ and every music track under
# data/sounds/music/. soundsynth writes WAVE files; oggenc encodes them at quality 3 with a serial
# number taken from the file's name, so the same build makes the same bytes on every run.
# A full run into a checkout also records, in tools/sounds/made_sounds.txt, what made the sounds
# (inputs.sh) and a checksum of every file: the reproduction test reads it.
# Usage: make_sounds.sh SOUNDSYNTH [OUTPUT_ROOT] [NAME...]
#   SOUNDSYNTH   the built maker (build/tools/sounds/soundsynth)
#   OUTPUT_ROOT  the folder that holds data/ (default: the repository)
#   NAME         only the sounds whose path contains NAME (default: all of them)
set -eu

SYNTH=${1:?usage: make_sounds.sh SOUNDSYNTH [OUTPUT_ROOT] [NAME...]}
ROOT=${2:-$(cd "$(dirname "$0")/../.." && pwd)}
[ $# -ge 2 ] && shift 2 || shift $#
HERE=$(cd "$(dirname "$0")" && pwd)
command -v oggenc >/dev/null || { echo "make_sounds.sh: oggenc is missing (apt-get install vorbis-tools)" >&2; exit 1; }

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
"$SYNTH" "$TMP" "$@"

find "$TMP" -type f -name '*.wav' | sort | while IFS= read -r wav; do
  rel=${wav#"$TMP"/}
  case "$rel" in
    *.ogg.wav)
      out="$ROOT/${rel%.wav}"
      mkdir -p "$(dirname "$out")"
      serial=$(printf '%s' "$rel" | cksum | cut -d' ' -f1)
      oggenc -Q -q 3 --serial "$((serial % 2147483647))" -o "$out" "$wav"
      ;;
    *)
      out="$ROOT/$rel"
      mkdir -p "$(dirname "$out")"
      cp "$wav" "$out"
      ;;
  esac
done

# The yearly review names the menu track in lower case; the file system here tells them apart.
if [ -f "$ROOT/data/sounds/music/Results Menu.ogg" ]; then
  ln -sfn "Results Menu.ogg" "$ROOT/data/sounds/music/results menu.ogg"
fi

# The record, after a full run into a checkout only: a partial run leaves the files of older runs.
if [ $# -eq 0 ] && [ -d "$ROOT/tools/sounds" ]; then
  {
    echo "# What made data/sounds/ and a checksum of every file there, written by make_sounds.sh after a"
    echo "# full run. The reproduction test trusts these files while every input line still holds."
    sh "$HERE/inputs.sh" "$SYNTH"
    (cd "$ROOT" && find data/sounds \( -type f -o -type l \) | LC_ALL=C sort | while IFS= read -r f; do sha256sum "$f"; done)
  } >"$ROOT/tools/sounds/made_sounds.txt"
fi
