#!/bin/sh
# Checks that data/sounds/ is what the sound maker makes today, byte for byte.
#
# Making every sound again takes over a minute of a core. So while the record that make_sounds.sh
# wrote (made_sounds.txt) names exactly today's inputs (inputs.sh: the maker's sources, compiler,
# libraries, encoder and the processor's features) and every file of data/sounds/ has the recorded
# checksum, only a sample is made for real: an effect and a short track must come out byte for
# byte, so the maker built here, its maths library and the encoder still make what is committed.
# On any difference from the record, in an input or in a file, every sound is made again and
# compared, as before there was a record.
# Usage: check_sounds.sh SOUNDSYNTH [ROOT]
#   ROOT  the folder that holds data/ and tools/ (default: the repository)
set -eu

SYNTH=${1:?usage: check_sounds.sh SOUNDSYNTH [ROOT]}
ROOT=${2:-$(cd "$(dirname "$0")/../.." && pwd)}
HERE=$(cd "$(dirname "$0")" && pwd)
RECORD=$ROOT/tools/sounds/made_sounds.txt
SAMPLE="data/sounds/applause.ogg data/sounds/music/restaurant_cheapo.ogg"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
OUT=$WORK/out

stale=""
if [ ! -f "$RECORD" ]; then
  stale="there is no record"
else
  sh "$HERE/inputs.sh" "$SYNTH" >"$WORK/inputs"
  grep '^input ' "$RECORD" >"$WORK/recorded" || true
  grep -v -e '^#' -e '^input ' "$RECORD" >"$WORK/sums" || true
  sed 's/^[0-9a-f]*  //' "$WORK/sums" >"$WORK/recorded-files"
  (cd "$ROOT" && find data/sounds \( -type f -o -type l \) | LC_ALL=C sort) >"$WORK/files"
  if ! cmp -s "$WORK/inputs" "$WORK/recorded"; then
    stale="what makes the sounds is not what the record names:
$(diff "$WORK/recorded" "$WORK/inputs" | grep '^[<>]' | head -n 8)"
  elif ! cmp -s "$WORK/files" "$WORK/recorded-files"; then
    stale="data/sounds/ holds other files than the record:
$(diff "$WORK/recorded-files" "$WORK/files" | grep '^[<>]' | head -n 8)"
  elif ! (cd "$ROOT" && sha256sum -c --quiet "$WORK/sums") >"$WORK/sum-check" 2>&1; then
    stale="files of data/sounds/ differ from the record:
$(head -n 8 "$WORK/sum-check")"
  fi
fi

if [ -z "$stale" ]; then
  # shellcheck disable=SC2086  # the sample's names are split on purpose
  sh "$HERE/make_sounds.sh" "$SYNTH" "$OUT" $SAMPLE >/dev/null
  for f in $SAMPLE; do
    cmp "$OUT/$f" "$ROOT/$f" || { echo "FAIL: the maker built here no longer makes $f as committed"; exit 1; }
  done
  echo "PASS: $(wc -l <"$WORK/sums") sounds as recorded, made by today's inputs; $SAMPLE made again byte for byte"
  exit 0
fi

echo "The record does not hold, so every sound is made again ($stale)."
echo "After checking, make_sounds.sh refreshes the record, and this test is quick again."
sh "$HERE/make_sounds.sh" "$SYNTH" "$OUT" >/dev/null
diff -r "$OUT/data/sounds" "$ROOT/data/sounds" || { echo "FAIL: data/sounds/ is not what the maker makes"; exit 1; }
echo "PASS: every sound made again byte for byte"
