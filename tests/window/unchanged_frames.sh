#!/usr/bin/env bash
# The game leaves a frame undrawn when it would show the same picture as the one on screen. This
# plays the same steps twice in a real window, once drawing every frame (VORLA2_DRAW_EVERY_FRAME=1)
# and once skipping unchanged ones, and the screenshots of the two runs must be the same: the idle
# main menu, a button under the pointer and the pointer gone again, the quit question opened and
# closed, and a new game's first page. The skipping run must really have skipped frames (the
# renderer's count at exit), the other none.
#
# Usage: unchanged_frames.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-frames
pass_message="the same screenshots with and without skipping unchanged frames"
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"

# play RUN: the steps, each screenshot named after the run; then SIGTERM ends the game.
play() {
  find_log || { fail "no debug log"; finish; }
  xdotool windowfocus --sync "$wid" 2>/dev/null
  point 1010 10
  sleep 2
  shot "$1-menu"
  point 512 704
  sleep 1
  shot "$1-button"
  point 1010 10
  sleep 1
  shot "$1-menu-again"
  xdotool key Escape
  sleep 1
  shot "$1-question"
  xdotool key Escape
  sleep 1
  shot "$1-question-closed"
  click 512 704
  wait_log 0 '^Day page: waking up' || { fail "New game opened no morning page ($1)"; finish; }
  point 1010 10
  sleep 2
  shot "$1-morning"
  kill -TERM "$game_pid"
  expect_exit 20 "SIGTERM ($1)"
}

# frames_line: the renderer's count of drawn and undrawn frames, from the log of the run just ended.
frames_line() { grep '^Frames drawn ' "$log" | tail -n1; }

export VORLA2_DRAW_EVERY_FRAME=1
window_test_start "$@"
play every
[ -z "$(frames_line)" ] || fail "drawing every frame, the renderer still counted: $(frames_line)"

# The second run starts from the same world: the first one's options and saves are gone.
rm -rf "$HOME"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
unset VORLA2_DRAW_EVERY_FRAME
step=0
game_start
play skip
undrawn=$(frames_line | sed -n 's/.*not drawn \([0-9]*\)$/\1/p')
[ -n "$undrawn" ] && [ "$undrawn" -gt 0 ] || fail "no frame was left undrawn (\"$(frames_line)\")"

for every in "$shots"-*-every-*.png; do
  skip=${every/-every-/-skip-}
  [ -f "$skip" ] || continue
  differing=$(compare -metric AE "$every" "$skip" null: 2>&1)
  [ "$differing" = 0 ] || fail "$(basename "$skip") differs from $(basename "$every") in $differing pixels"
done
[ "$(ls "$shots"-*-skip-*.png 2>/dev/null | wc -l)" = 6 ] || fail "not every screenshot was taken"
finish
