#!/usr/bin/env bash
# The game leaves a frame undrawn when it would show the same picture as the one on screen. This
# plays the same steps twice in a real window, once drawing every frame (VORLA2_DRAW_EVERY_FRAME=1)
# and once skipping unchanged ones, and the screenshots of the two runs must be the same: the idle
# main menu, a button under the pointer and the pointer gone again, the quit question opened and
# closed, and a new game's first page. The skipping run must really have skipped frames (the
# renderer's count at exit), the other none. A picture that differs is left in /tmp as PNG files,
# as drawn every frame and as drawn skipping.
#
# Usage: unchanged_frames.sh <vorla2 executable> <source dir>
# window-test: sanitizer build too
set -u

shots=/tmp/vorla2-frames
pass_message="the same screenshots with and without skipping unchanged frames"
# Each run's new game draws its figure from the presets: one preset makes it the same figure.
one_preset=casual_man.txt
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"

# look NAME: drawing every frame, the screenshot <shots>-NAME.rgb (raw bytes, quick to compare)
# once the picture has stopped changing; skipping, a wait (15 s at most) until the picture is the
# same as that one.
look() {
  local now="$work/now.rgb" previous="$work/previous.rgb" reference="$shots-$1.rgb"
  rm -f "$previous"
  for _ in $(seq 40); do
    sleep 0.3
    import -window "$wid" -depth 8 "rgb:$now" 2>/dev/null || continue
    if [ "$run" = every ]; then
      if [ -f "$previous" ] && cmp -s "$previous" "$now"; then
        mv "$now" "$reference"
        return 0
      fi
      mv "$now" "$previous"
    else
      cmp -s "$reference" "$now" && return 0
    fi
  done
  if [ "$run" = every ]; then
    fail "the picture did not settle ($1)"
  else
    convert -size 1024x768 -depth 8 "rgb:$reference" "$shots-$1.png"
    convert -size 1024x768 -depth 8 "rgb:$now" "$shots-$1-skipping.png"
    fail "$1: skipping, the picture is not $shots-$1.png but $shots-$1-skipping.png"
  fi
}

# play: the steps, then SIGTERM ends the game.
play() {
  find_log || { fail "no debug log"; finish; }
  wait_main_menu || { fail "no main menu ($run)"; finish; }
  xdotool windowfocus --sync "$wid" 2>/dev/null
  point 1010 10
  look menu
  point 484 705
  look button
  point 1010 10
  look menu-again
  xdotool key Escape
  look question
  xdotool key Escape
  look question-closed
  new_game_from_menu || finish
  wait_log 0 '^Day page: waking up' || { fail "New game opened no morning page ($run)"; finish; }
  point 1010 10
  look morning
  kill -TERM "$game_pid"
  expect_exit 20 "SIGTERM ($run)"
}

# frames_line: the renderer's count of drawn and undrawn frames, from the log of the run just ended.
frames_line() { grep '^Frames drawn ' "$log" | tail -n1; }

run=every
export VORLA2_DRAW_EVERY_FRAME=1
window_test_start "$@"
play
[ -z "$(frames_line)" ] || fail "drawing every frame, the renderer still counted: $(frames_line)"

# The second run starts from the same world: the first one's options and saves are gone.
rm -rf "$HOME"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
unset VORLA2_DRAW_EVERY_FRAME
run=skip
rm -f "$log"
game_start
play
undrawn=$(frames_line | sed -n 's/.*not drawn \([0-9]*\)$/\1/p')
[ -n "$undrawn" ] && [ "$undrawn" -gt 0 ] || fail "no frame was left undrawn (\"$(frames_line)\")"
rm -f "$shots"-*.rgb

finish
