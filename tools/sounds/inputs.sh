#!/bin/sh
# Prints what decides the bytes that make_sounds.sh makes, a line each: the maker's own sources,
# the compiler and the flags it was built with, the processor features the maths library picks
# its routines by, and the libraries and the encoder that run. make_sounds.sh records these beside
# what it made; the reproduction test trusts the record only while all of them are the same.
# Usage: inputs.sh SOUNDSYNTH
set -eu

SYNTH=${1:?usage: inputs.sh SOUNDSYNTH}
HERE=$(cd "$(dirname "$0")" && pwd)

sources=$(cd "$HERE" && find . -maxdepth 1 -type f \( -name '*.cpp' -o -name '*.h' -o -name CMakeLists.txt \
  -o -name make_sounds.sh \) | LC_ALL=C sort | xargs sha256sum | sha256sum | cut -d' ' -f1)
echo "input sources $sources"

# The compiler's name and the options it compiled with (GCC keeps both in the program).
{ readelf -p .comment "$SYNTH" 2>/dev/null | sed -n 's/^ *\[ *[0-9a-f]*\] *//p'
  strings -a "$SYNTH" 2>/dev/null | grep '^GNU C' || true; } | LC_ALL=C sort -u | sed 's/^/input compiler /'

features=$(grep -m1 '^flags' /proc/cpuinfo 2>/dev/null | tr ' ' '\n' | grep -x -e fma -e avx2 -e avx512f | LC_ALL=C sort | tr '\n' ' ')
echo "input cpu ${features% }"

ogg=$(command -v oggenc || echo oggenc)
echo "input encoder $(sha256sum "$ogg" 2>/dev/null | cut -d' ' -f1)"
ldd "$SYNTH" "$ogg" 2>/dev/null | sed -n 's/.*=> \(\/[^ ]*\) .*/\1/p' | LC_ALL=C sort -u | while IFS= read -r lib; do
  echo "input library $(basename "$lib") $(sha256sum "$(realpath "$lib")" | cut -d' ' -f1)"
done
