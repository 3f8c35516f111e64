#!/usr/bin/env bash
# A monkey in the window: a minute (and at least a thousand events) of random play in a real
# window under its own X server. Left and right clicks, drags, hovering, wheel turns and keys land
# all over the window, weighted towards the places where the game's buttons are (the main menu's
# strip, the day pages' big button, the control panel, dialog buttons, the evening chooser, the
# tutorial's Next), so that the monkey gets from the main menu into games and the tutorial, plays
# days and leaves again. Whenever the game ends (the monkey confirmed a quit) it is started again.
#
# It fails on an exit by a signal or with an error code, on an "Assertion failure" or an error in
# the debug log (an alert, which here answers itself and only writes the log, or one of the lines
# below), and on sanitizer reports in the game's output. A failure prints the seed, the events just
# before it and the offending lines. Stand-in lines ("STAND-IN: ...") are not errors. The logs of
# every run and the list of events are kept in /tmp/vorla2-monkey-<seed>/.
#
# The events are drawn from bash's generator seeded with the seed, so the same seed replays the
# same events; the timing of the game against them is the machine's. The seed is the third
# argument or MONKEY_SEED, otherwise a fresh one. MONKEY_SECONDS (60) and MONKEY_EVENTS (1000) set
# how long it plays: both must be reached.
#
# Usage: monkey.sh <vorla2 executable> <source dir> [seed]
# shellcheck disable=SC2034,SC2154  # variables shared with the library
set -u

seed=${3:-${MONKEY_SEED:-}}
[ -n "$seed" ] || seed=$(((RANDOM << 15 | RANDOM) % 1000000))
[[ "$seed" =~ ^[0-9]{1,9}$ ]] || { echo "FAIL: the seed must be a number, not \"$seed\""; exit 1; }
seed=$((10#$seed))
seconds=${MONKEY_SECONDS:-60}
min_events=${MONKEY_EVENTS:-1000}
echo "monkey seed: $seed (replay: MONKEY_SEED=$seed $0 ${1:-<vorla2>} ${2:-<source dir>})"

pass_message="seed $seed"
quiet_alerts=1
# shellcheck source=lib/window_test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
RANDOM=$seed

# Lines of the debug log that are errors besides alerts and assertions: faults of the game's own
# bookkeeping, which no data or player can cause.
error_lines='^Assertion failure|^Alert "|^Failed to register named object|^Duplicate named object'
error_lines+='|^Failed to unregister named object|^Failed to empty last chunk list'
error_lines+='|^Vertex buffer lock failed|GL error 0x'
sanitizer_lines='^==[0-9]+==ERROR|runtime error:|^SUMMARY: [A-Za-z]*Sanitizer'

root=$(xwininfo -root | awk '/Window id:/ {print $4}')
trail=$work/events.txt
: >"$trail"
events=0
runs=1

# Under load a process start costs tens of milliseconds, so the events go down one pipe into one
# xdotool that reads them as they come, and the pauses are the shell's own. After each event the
# pointer's place is asked for and read back: an event is counted once it has reached the X server,
# and the shell never runs ahead of what was delivered. The stream names no window (an X error
# would end it): the pointer moves to screen coordinates, keys go to the focused window.
trap '' PIPE
mkfifo "$work/xdo.in" "$work/xdo.out" "$work/nap"
xdo_pid=""
xdo_start() {
  if [ -n "$xdo_pid" ]; then
    exec {xdo_in}>&- {xdo_out}<&-
    kill "$xdo_pid" 2>/dev/null
    wait "$xdo_pid" 2>/dev/null
  fi
  xdotool - <"$work/xdo.in" >"$work/xdo.out" 2>>"$work/xdotool.err" &
  xdo_pid=$!
  exec {xdo_in}>"$work/xdo.in" {xdo_out}<"$work/xdo.out"
}
# deliver COMMANDS: xdotool's commands, returning once they have reached the X server.
deliver() {
  for _ in 1 2; do
    if echo "$* getmouselocation" 1>&"$xdo_in" 2>/dev/null && read -r -t 30 -u "$xdo_out" _; then
      return 0
    fi
    xdo_start
  done
  report "the events no longer reach the X server ($(tail -n 3 "$work/xdotool.err" 2>/dev/null))"
}
exec {nap_fd}<>"$work/nap"
nap() { read -r -t "$1" -u "$nap_fd"; }

# The window's place and size on the screen, and where the game's 1024x768 picture lies in it (a
# full-screen window letterboxes it).
geometry() {
  local x y w h
  read -r x y w h < <(xwininfo -id "$wid" 2>/dev/null |
    awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
         /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x+0, y+0, w+0, h+0}')
  if [ "${w:-0}" -le 0 ] || [ "${h:-0}" -le 0 ]; then x=128 y=128 w=1024 h=768; fi
  win_x=$x win_y=$y win_w=$w win_h=$h
  scale=$((w * 1000 / 1024))
  [ $((h * 1000 / 768)) -lt "$scale" ] && scale=$((h * 1000 / 768))
  off_x=$((x + (w - 1024 * scale / 1000) / 2))
  off_y=$((y + (h - 768 * scale / 1000) / 2))
}

# resized: after a switch between window and full screen, the new geometry once the window has it
# (for up to 2 s: the switch takes a while on a busy machine, and in the tutorial the keys go
# elsewhere; the geometry is measured again now and then anyway).
resized() {
  local before="$win_x $win_y $win_w $win_h" until=$((${EPOCHREALTIME//[!0-9]/} / 1000 + 2000))
  while [ $((${EPOCHREALTIME//[!0-9]/} / 1000)) -lt "$until" ]; do
    nap 0.1
    geometry
    [ "$win_x $win_y $win_w $win_h" != "$before" ] && return
  done
}

# Without a window manager (as under Xvfb) a full-screen window keeps its size while the game
# believes it fills the screen: the bottom of its picture is out of reach of the pointer. So the
# monkey goes back to the window a few events after it went to full screen (or after the game
# started in full screen, as it does after quitting there).
back_at=0
in_full_screen() {
  local last
  last=$(grep -E '^Attempting (windowed|fullscreen) mode' "$log" 2>/dev/null | tail -n 1)
  [ "$last" = "Attempting fullscreen mode" ]
}
# switch_screen: Ctrl+Return, the new geometry, and when to come back from full screen.
switch_screen() {
  deliver "key ctrl+Return"
  resized
  back_at=0
  if in_full_screen; then rnd 20; back_at=$((events + 1 + r)); fi
}

# rnd N: a number 0..N-1 in r.
rnd() { r=$((RANDOM % $1)); }

# at X Y [JITTER]: a point of the picture, a few pixels either way, as screen coordinates px py.
at() {
  local x=$1 y=$2 j=${3:-6}
  rnd $((2 * j + 1)); x=$((x + r - j))
  rnd $((2 * j + 1)); y=$((y + r - j))
  px=$((off_x + x * scale / 1000))
  py=$((off_y + y * scale / 1000))
}

# anywhere: any point of the window, its edges included, as px py.
anywhere() {
  rnd "$win_w"; px=$((win_x + r))
  rnd "$win_h"; py=$((win_y + r))
}

# spot: one of the places below, as px py.
spot() {
  rnd ${#spots[@]}
  at "${spots[$r]%,*}" "${spots[$r]#*,}"
}

# Where the game's buttons are, in the picture's coordinates, each as often as the monkey should
# aim at it: the main menu's strip (Tutorial, New game, Quit); the quit and leave questions (Cancel,
# OK, the close cross); the day pages' big button; the control panel (class, solo, social, job,
# leave, end day); the attribute panel's two buttons; a hint's close cross; the evening chooser
# (its choice button and close cross); the tutorial window's Next at the heights its windows put
# it; two of the calendar's days. Starting a game is likelier than quitting, and a question is
# answered "no" more often than "yes", so that the monkey spends its time in games rather than in
# restarts.
# shellcheck disable=SC2054  # "x,y" pairs
spots=(
  342,704 342,704 512,704 512,704 512,704 512,704 682,704
  427,442 427,442 597,442 665,315
  980,735 980,735 980,735 980,735
  618,737 692,737 692,737 766,737 840,737 914,737 988,737 988,737
  893,602 953,602 1003,488
  230,378 230,378 150,378 310,378 399,181
  647,338 647,400 647,460 647,520
  168,33 320,33
)
keys=(Escape Escape Return Return Return space c p Tab BackSpace Up Down Left Right a d n q z 1 9
  F1 Delete)

# event: one random event, written to the trail. The game takes a press and its release between
# two frames as a click at the press's place; a drag holds the button over a few frames.
event() {
  local what
  rnd 100
  if [ "$back_at" -gt 0 ] && [ "$events" -ge "$back_at" ]; then
    what="key ctrl+Return (back to the window)"
    switch_screen
  elif [ "$r" -lt 42 ]; then
    spot
    what="click $px $py"
    deliver "mousemove $px $py mousedown 1 mouseup 1"
  elif [ "$r" -lt 60 ]; then
    anywhere
    what="click $px $py"
    deliver "mousemove $px $py mousedown 1 mouseup 1"
  elif [ "$r" -lt 68 ]; then
    rnd 2; if [ "$r" = 0 ]; then anywhere; else spot; fi
    what="right click $px $py"
    deliver "mousemove $px $py mousedown 3 mouseup 3"
  elif [ "$r" -lt 75 ]; then
    local button turns
    rnd 2; button=$((4 + r))
    rnd 3; turns=$((r + 1))
    rnd 2; if [ "$r" = 0 ]; then anywhere; else at 230 300 120; fi
    what="wheel $button x$turns $px $py"
    deliver "mousemove $px $py click --repeat $turns --delay 20 $button"
  elif [ "$r" -lt 79 ]; then
    local x0 y0
    anywhere; x0=$px y0=$py
    anywhere
    what="drag $x0 $y0 to $px $py"
    deliver "mousemove $x0 $y0 mousedown 1 sleep 0.07 mousemove $px $py sleep 0.07 mouseup 1"
  elif [ "$r" -lt 84 ]; then
    anywhere
    what="hover $px $py"
    deliver "mousemove $px $py"
  elif [ "$r" -lt 99 ]; then
    rnd ${#keys[@]}
    what="key ${keys[$r]}"
    deliver "key ${keys[$r]}"
  else
    # Rare on purpose: full screen (each switch rebuilds every surface), the debug panel, or the
    # focus taken away for a moment (the frames stop and start again).
    rnd 3
    if [ "$r" = 0 ]; then
      what="key ctrl+Return"
      switch_screen
    elif [ "$r" = 1 ]; then
      what="hold shift+d"
      deliver "keydown shift+d sleep 0.2 keyup shift+d"
    else
      what="focus away and back"
      xdotool windowfocus --sync "$root" sleep 0.3 windowfocus --sync "$wid" 2>/dev/null
    fi
  fi
  events=$((events + 1))
  echo "$events (run $runs, ${SECONDS}s): $what" >>"$trail"
  rnd 30
  nap "0.0$((5 + r))"
}

# The evidence of a run, kept for replaying (and for seeing what the monkey did): the logs and the
# trail.
keep=/tmp/vorla2-monkey-$seed
report() {
  fail "$1 (seed $seed, event $events, run $runs)"
  echo "--- the last events"
  tail -n 25 "$trail"
  [ -f "$log" ] && { echo "--- the debug log's error lines"; grep -E -- "$error_lines" "$log" | head -n 20; }
  [ -f "$log" ] && { echo "--- the end of the debug log"; tail -n 30 "$log"; }
  echo "--- the game's output"
  grep -E -- "$sanitizer_lines" "$work/game.out" | head -n 20
  tail -n 20 "$work/game.out"
  keep_evidence
  echo "--- kept in $keep; replay with MONKEY_SEED=$seed"
  log=""
  finish
}

keep_evidence() {
  rm -rf "$keep"
  mkdir -p "$keep"
  cp "$trail" "$work"/run-*.log "$work"/run-*.out "$keep/" 2>/dev/null
  [ -f "$log" ] && cp "$log" "$keep/run-$runs.log"
  [ -f "$work/game.out" ] && cp "$work/game.out" "$keep/run-$runs.out"
}

# check_log: the debug log and the game's output so far hold no error.
check_log() {
  [ -f "$log" ] && grep -q -E -- "$error_lines" "$log" && report "an error in the debug log"
  grep -q -E -- "$sanitizer_lines" "$work/game.out" && report "a sanitizer report"
  return 0
}

# The game has ended: fine when the monkey confirmed a quit (exit code 0); then it starts again.
ended() {
  local code
  wait "$game_pid"
  code=$?
  game_pid=""
  [ "$code" -gt 128 ] && report "the game died of signal $((code - 128)) ($(kill -l "$code" 2>/dev/null))"
  [ "$code" != 0 ] && report "the game ended with exit code $code"
  check_log
  grep -q '^END DEBUG---$' "$log" || report "the game ended without closing its debug log"
  mv "$log" "$work/run-$runs.log"
  mv "$work/game.out" "$work/run-$runs.out"
  runs=$((runs + 1))
  echo "$events: restart" >>"$trail"
  start_game
  [ -n "$wid" ] || report "no window after restarting the game"
  settle
}

# settle: the log found, the window focused (keys go to the focused window) and measured.
settle() {
  find_log || report "no debug log"
  xdotool windowfocus --sync "$wid" 2>/dev/null
  geometry
  [ -n "$xdo_pid" ] || xdo_start
  back_at=0
  wait_log 0 '^Attempting ' && in_full_screen && back_at=$((events + 1))
  return 0
}

settle
start=$SECONDS
while [ $((SECONDS - start)) -lt "$seconds" ] || [ "$events" -lt "$min_events" ]; do
  event
  running || ended
  # Keys go to the focused window: take the focus back now and then, should anything have taken it.
  [ $((events % 100)) = 0 ] && xdotool windowfocus "$wid" 2>/dev/null
  [ $((events % 50)) = 0 ] && check_log && geometry
done
sleep 0.5
running || ended
check_log

keep_evidence
# What the monkey got to, from the logs of all runs.
all_logs() { cat "$work"/run-*.log "$log" 2>/dev/null; }
count() { all_logs | grep -c -- "$1"; }
echo "$events events in $((SECONDS - start)) s over $runs runs:" \
  "$(count '^Day page: waking up') mornings, $(count '^Day page: ') day pages," \
  "$(count '^Evening chooser: ') evening choosers, $(count '^Solo chooser: ') solo chooser pages, $(count '^Tutorial step ') tutorial steps," \
  "$(count '^Begin RebuildSurfaces') screen switches"
finish
