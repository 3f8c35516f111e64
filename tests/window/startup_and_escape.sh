#!/usr/bin/env bash
# Starts the game in a real window under its own X server, as a player would: the window appears
# with a 1024x768 client area, the main menu's backdrop is drawn, the game idles quietly, and
# Escape (confirmed) ends it cleanly (exit code 0, the debug log closed, the user folder made).
#
# Usage: startup_and_escape.sh <vorla2 executable> <source dir>
set -u

exe=${1:?usage: startup_and_escape.sh <vorla2 executable> <source dir>}
src=${2:?usage: startup_and_escape.sh <vorla2 executable> <source dir>}
shot_copy=/tmp/vorla2-startup.png

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

# A private world: the game's data through symlinks (new files land here), a home and user folder
# of its own, and a window rather than full screen.
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

# Our own X server; the screen is larger than the game's so that a window is allowed.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

"$exe" >"$work/game.out" 2>&1 &
game_pid=$!

wid=""
for _ in $(seq 200); do
  wid=$(xdotool search --name '^Vorla 2$' 2>/dev/null | head -n1)
  [ -n "$wid" ] && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$wid" ]; then
  echo "FAIL: no window titled \"Vorla 2\""
  cat "$work/game.out"
  exit 1
fi

size=$(xwininfo -id "$wid" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "1024x768" ] || fail "client area is $size, not 1024x768"

log=""
for candidate in "$VORLA2_DATA_DIR/debugdata/debug.txt" "$user/debugdata/debug.txt"; do
  [ -f "$candidate" ] && log=$candidate && break
done
[ -n "$log" ] || fail "no debug log"

# The loading bar passes quickly; give the main menu a moment, then look at what it draws.
sleep 2
import -window "$wid" "$work/shot.png" 2>/dev/null || fail "no screenshot"
if [ -f "$work/shot.png" ]; then
  cp "$work/shot.png" "$shot_copy"
  deviation=$(convert "$work/shot.png" -colorspace Gray -format '%[fx:standard_deviation]' info:)
  colours=$(convert "$work/shot.png" -format '%k' info:)
  mean=$(convert "$work/shot.png" -colorspace Gray -format '%[fx:mean]' info:)
  awk -v d="$deviation" -v c="$colours" -v m="$mean" 'BEGIN { exit !(d > 0.02 && c > 16 && m > 0.05) }' ||
    fail "the main menu looks blank (deviation $deviation, $colours colours, mean $mean)"
fi

[ -n "$log" ] && { grep -q '^Vorla 2 Debug File\. App version ' "$log" || fail "no banner in the debug log"; }

# Idle in the main menu: the process should sleep between its frames.
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
before=$(cpu)
sleep 10
after=$(cpu)
awk -v a="$after" -v b="$before" -v t="$ticks" 'BEGIN { exit !((a - b) / t / 10 < 0.5) }' ||
  fail "idle main menu used $(awk -v a="$after" -v b="$before" -v t="$ticks" 'BEGIN {print (a - b) / t / 10}') of a core"

# Escape in the main menu asks whether to quit; the question's OK button quits.
xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool key Escape
sleep 0.5
xdotool mousemove --window "$wid" 597 442
sleep 0.2
xdotool click 1
code=""
for _ in $(seq 50); do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    wait "$game_pid"
    code=$?
    game_pid=""
    break
  fi
  sleep 0.1
done
if [ -z "$code" ]; then
  fail "still running 5 s after Escape"
elif [ "$code" != 0 ]; then
  fail "exit code $code after Escape"
  cat "$work/game.out"
fi

if [ -n "$log" ]; then
  last=$(tail -n1 "$log")
  [ "$last" = "END DEBUG---" ] || fail "the debug log ends with \"$last\""
fi

[ -f "$user/player_actions.txt" ] || fail "no player_actions.txt in the user folder"
for sub in savegames avatars mods mods/layers mods/classes mods/jobs mods/scripts mods/bitmaps; do
  [ -d "$user/$sub" ] || fail "no user folder \"$sub\""
done

if [ "$failures" -gt 0 ]; then
  [ -n "$log" ] && { echo "--- debug log"; cat "$log"; }
  exit 1
fi
echo "PASS: window, main menu, idle, Escape"
