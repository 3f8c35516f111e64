#!/usr/bin/env bash
# Plays one whole day in a real window under its own X server, as a player would, with the mouse:
# from the main menu into a new game, through the morning's diary pages, the evening (a quiet
# evening at home from the control panel, twice on a two-evening day), the end-of-day prompt and
# the end-day button, to the next morning, whose date has moved on. Then Escape asks to leave the
# game and OK goes back to the main menu. A screenshot of every step lands in /tmp/vorla2-day-*.png.
#
# The pages say in the debug log which page opened ("Day page: ..."), so the script knows where the
# day stands without reading the screen; the screen is checked where it matters (the control panel
# in the evening, the prompt's arrow at the end of the day).
#
# Usage: play_one_day.sh <vorla2 executable> <source dir>
set -u

exe=${1:?usage: play_one_day.sh <vorla2 executable> <source dir>}
src=${2:?usage: play_one_day.sh <vorla2 executable> <source dir>}
shots=/tmp/vorla2-day

for tool in Xvfb xdotool xwininfo import convert; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
done

work=$(mktemp -d /tmp/vorla2-window-XXXXXX)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
finish() {
  if [ "$failures" -gt 0 ]; then
    [ -n "${log:-}" ] && [ -f "$log" ] && { echo "--- debug log"; cat "$log"; }
    [ -f "$work/game.out" ] && { echo "--- game output"; cat "$work/game.out"; }
    exit 1
  fi
  echo "PASS: main menu, new game, the day's pages, the evening, end day, the next morning, back to the menu"
  exit 0
}

# A private world: the game's data through symlinks, a home and user folder of its own, a window.
mkdir -p "$work/res/data" "$work/home/.local/share" "$work/home/.config" "$work/home/.cache"
for entry in "$src"/data/*; do
  [ "$(basename "$entry")" = config.ziz ] && continue
  ln -s "$entry" "$work/res/data/"
done
printf '[config]\nIsWindowed=1\n' >"$work/res/data/config.ziz"
export HOME="$work/home"
export XDG_DATA_HOME="$work/home/.local/share"
export XDG_CONFIG_HOME="$work/home/.config"
export XDG_CACHE_HOME="$work/home/.cache"
export VORLA2_DATA_DIR="$work/res"
export SDL_AUDIODRIVER=dummy
unset VORLA2_HEADLESS VORLA2_NONINTERACTIVE SDL_VIDEODRIVER
user="$XDG_DATA_HOME/Vorla 2"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

rm -f "$shots"-*.png
"$exe" >"$work/game.out" 2>&1 &
game_pid=$!

wid=""
for _ in $(seq 200); do
  wid=$(xdotool search --name '^Vorla 2$' 2>/dev/null | head -n1)
  [ -n "$wid" ] && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$wid" ] || { fail "no window titled \"Vorla 2\""; finish; }

log=""
for _ in $(seq 50); do
  for candidate in "$VORLA2_DATA_DIR/debugdata/debug.txt" "$user/debugdata/debug.txt"; do
    [ -f "$candidate" ] && log=$candidate && break 2
  done
  sleep 0.1
done
[ -n "$log" ] || { fail "no debug log"; finish; }

step=0
# shot NAME: a screenshot of the window as /tmp/vorla2-day-<step>-NAME.png.
shot() {
  step=$((step + 1))
  local file
  file=$(printf '%s-%02d-%s.png' "$shots" "$step" "$1")
  import -window "$wid" "$file" 2>/dev/null || fail "no screenshot $file"
  last_shot=$file
}
# click X Y: a left click at a point of the game's 1024x768 picture.
click() {
  xdotool mousemove --window "$wid" "$1" "$2"
  sleep 0.15
  xdotool click 1
}
# pixel X Y: "r g b" of the last screenshot at that point, 0..255.
pixel() {
  convert "$last_shot" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:
}
# wait_log COUNT PATTERN: until the debug log holds more than COUNT lines matching the pattern.
wait_log() {
  for _ in $(seq 50); do
    [ "$(grep -c -- "$2" "$log")" -gt "$1" ] && return 0
    kill -0 "$game_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
pages() { grep -c -- '^Day page: ' "$log"; }
running() { kill -0 "$game_pid" 2>/dev/null; }

# The main menu, then its "New game" button (the middle one of the bottom strip).
sleep 2
shot menu
xdotool windowfocus --sync "$wid" 2>/dev/null
click 512 704
wait_log 0 '^Day page: waking up' || { fail "New game opened no morning page"; finish; }
sleep 0.5
shot wake-up
first_morning=$(grep '^Day page: waking up' "$log" | tail -n1)
echo "first morning: $first_morning"

# The day's pages: each has its one big button at the bottom right. A press that opens no new page
# has started the evening.
for _ in $(seq 6); do
  before=$(pages)
  click 980 735
  sleep 0.8
  running || { fail "the game ended during the day"; finish; }
  if [ "$(pages)" -gt "$before" ]; then
    page=$(grep '^Day page: ' "$log" | tail -n1 | sed 's/^Day page: \([a-z ]*\) (.*/\1/; s/ /-/g')
    shot "$page"
  else
    break
  fi
done

# The evening: the in-game screen with the control panel, whose evening-class button (enabled in
# the evening) shows its gold rim.
sleep 0.3
shot evening
read -r r g b <<<"$(pixel 618 708)"
[ "$r" -gt 150 ] && [ "$r" -gt $((b + 50)) ] || fail "no control panel in the evening (rim pixel $r $g $b)"

# One quiet evening at home per evening slot, from the control panel's solo button.
for _ in 1 2; do
  choosers=$(grep -c '^Evening chooser: ' "$log")
  click 692 737
  wait_log "$choosers" '^Evening chooser: ' || { fail "the solo button opened nothing"; finish; }
  sleep 0.3
  shot evening-chooser
  evenings=$(grep -c '^Quiet evening at home' "$log")
  click 230 378
  wait_log "$evenings" '^Quiet evening at home' || { fail "the quiet evening did not happen"; finish; }
  left=$(grep '^Quiet evening at home' "$log" | tail -n1 | sed 's/.*today: \([0-9-]*\)).*/\1/')
  [ "$left" -le 0 ] && break
done

# The day is over: the prompt's gold arrow points at the end-day button.
sleep 0.5
shot end-of-day
read -r r g b <<<"$(pixel 912 735)"
[ "$r" -gt 180 ] && [ "$r" -gt $((b + 80)) ] || fail "no end-of-day arrow (pixel $r $g $b)"

# End day: the night, and the next morning's page with the next date.
mornings=$(grep -c '^Day page: waking up' "$log")
click 988 737
wait_log "$mornings" '^Day page: waking up' || { fail "end day opened no next morning"; finish; }
sleep 0.5
shot next-morning
second_morning=$(grep '^Day page: waking up' "$log" | tail -n1)
echo "next morning:  $second_morning"
[ "$second_morning" != "$first_morning" ] || fail "the date did not move on"
case "$second_morning" in
*", day 2)") ;;
*) fail "the next morning is not day 2: $second_morning" ;;
esac

# Escape with no dialog open asks whether to leave the game; OK goes back to the main menu.
xdotool key Escape
sleep 0.5
shot quit-question
click 597 442
sleep 0.8
running || { fail "leaving the game ended the program"; finish; }
shot back-to-menu
read -r r g b <<<"$(pixel 470 704)"
read -r r0 g0 b0 <<<"$(last_shot=$(printf '%s-01-menu.png' "$shots") pixel 470 704)"
[ "$r" = "$r0" ] && [ "$g" = "$g0" ] && [ "$b" = "$b0" ] ||
  fail "no main menu after leaving the game (New game button pixel $r $g $b, at start $r0 $g0 $b0)"

# Escape in the main menu asks too; OK ends the program cleanly.
xdotool key Escape
sleep 0.5
click 597 442
code=""
for _ in $(seq 50); do
  if ! running; then
    wait "$game_pid"
    code=$?
    game_pid=""
    break
  fi
  sleep 0.1
done
if [ -z "$code" ]; then
  fail "still running 5 s after confirming the quit"
elif [ "$code" != 0 ]; then
  fail "exit code $code after quitting"
fi
finish
