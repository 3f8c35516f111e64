#!/usr/bin/env bash
# Takes the tutorial in a real window under its own X server, as a player would, with the mouse:
# the main menu's "Tutorial" button starts it and its first window shows; a control-panel button
# that the step does not allow refuses the click (nothing opens, the step stays); the window's
# Next button moves on exactly one step; Escape leaves the tutorial for the main menu, where the
# game is no longer in progress (Escape and OK there end the program). A screenshot of every step
# lands in /tmp/vorla2-tutorial-*.png.
#
# The tutorial says in the debug log which step it runs ("Tutorial step <n>: <script>") and when
# it ends ("Tutorial ended"), so the script follows it from the log; the screen is checked where a
# player would look (the main menu's buttons, the tutorial window and its Next button).
#
# Usage: tutorial.sh <vorla2 executable> <source dir>
set -u

exe=${1:?usage: tutorial.sh <vorla2 executable> <source dir>}
src=${2:?usage: tutorial.sh <vorla2 executable> <source dir>}
shots=/tmp/vorla2-tutorial

for tool in Xvfb xdotool xwininfo import convert compare; do
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
  echo "PASS: main menu, tutorial's first window, a refused button, Next one step, Escape to the menu"
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

running() { kill -0 "$game_pid" 2>/dev/null; }
step=0
# shot NAME: a screenshot of the window as /tmp/vorla2-tutorial-<step>-NAME.png.
shot() {
  step=$((step + 1))
  local file
  file=$(printf '%s-%02d-%s.png' "$shots" "$step" "$1")
  import -window "$wid" "$file" 2>/dev/null || fail "no screenshot $file"
  last_shot=$file
}
# peek: a screenshot for polling, kept out of the numbered ones.
peek() {
  import -window "$wid" "$work/peek.png" 2>/dev/null
  last_shot=$work/peek.png
}
# point X Y: the mouse to a point of the game's 1024x768 picture.
point() {
  xdotool mousemove --window "$wid" "$1" "$2"
  sleep 0.15
}
# click X Y: a left click there.
click() {
  point "$1" "$2"
  xdotool click 1
}
# Where the mouse rests between clicks, so that its cursor and any hover stay out of the checks:
# open sky, clear of the menu's buttons, the tutorial's windows and the in-game panels.
park() { point 200 500; }
# pixel X Y: "r g b" of the last screenshot at that point, 0..255.
pixel() {
  convert "$last_shot" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:
}
# gold X Y: whether the last screenshot is the gold of a text button there.
gold() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2")"
  [ "$r" -gt 190 ] && [ "$g" -gt 150 ] && [ $((r - b)) -gt 60 ]
}
# changed A B: how many pixels differ noticeably between two screenshots.
changed() {
  compare -metric AE -fuzz 8% "$1" "$2" null: 2>&1 | awk '{ printf "%d\n", $1 }'
}
# wait_log COUNT PATTERN [SECONDS]: until the debug log holds more than COUNT lines matching the
# pattern (10 s unless said otherwise).
wait_log() {
  local tries=$((${3:-10} * 10))
  for _ in $(seq "$tries"); do
    [ "$(grep -c -- "$2" "$log")" -gt "$1" ] && return 0
    running || return 1
    sleep 0.1
  done
  return 1
}
steps() { grep -c -- '^Tutorial step ' "$log"; }
# next_button: "y" of the middle of the open tutorial window's Next button in the last screenshot,
# or nothing. Every tutorial window of these steps is 450 wide with its right edge at x 737, and
# its Next button spans x 577..717 at the bottom; the window's height follows its text, so the
# button is looked for down a column through it: the longest run of button gold.
next_button() {
  convert "$last_shot" -crop 1x490+600+150 +repage -depth 8 txt:- |
    awk -F'[(),: ]+' 'NR > 1 {
        y = $2 + 150; r = $3; g = $4; b = $5
        if (r > 190 && g > 150 && r - b > 60) { if (run == 0) start = y; run++ } else run = 0
        if (run > best) { best = run; top = start }
      }
      END { if (best >= 8) print top + int(best / 2) }'
}
# wait_next_button: polls the screen until a tutorial window with a Next button shows; sets next_y.
wait_next_button() {
  next_y=""
  for _ in $(seq 50); do
    peek
    next_y=$(next_button)
    [ -n "$next_y" ] && return 0
    running || return 1
    sleep 0.2
  done
  return 1
}

# The main menu: polled until its three buttons (Tutorial, New game, Quit) are drawn.
xdotool windowfocus --sync "$wid" 2>/dev/null
park
menu_up=""
for _ in $(seq 100); do
  peek
  if gold 300 704 && gold 470 704 && gold 640 704; then
    menu_up=1
    break
  fi
  running || break
  sleep 0.2
done
[ -n "$menu_up" ] || { fail "no main menu with three buttons"; finish; }
sleep 0.3
shot menu
menu_shot=$last_shot

# "Tutorial", the left-hand button of the strip: the tutorial starts its own game and shows the
# first step's window, centred, with its Next button.
click 342 704
wait_log 0 '^Tutorial step 1: ' 20 || { fail "the Tutorial button started no tutorial"; finish; }
park
wait_next_button || { fail "no tutorial window with a Next button after the tutorial started"; finish; }
sleep 0.3
shot first-step
first_shot=$last_shot
first_next=$(next_button)
[ -n "$first_next" ] || fail "the first step's window has no Next button"
read -r r g b <<<"$(pixel 295 250)"
[ "$r" -gt 230 ] && [ "$g" -gt 220 ] && [ "$b" -gt 180 ] || fail "no tutorial window in the middle (pixel $r $g $b)"
first_step=$(grep '^Tutorial step ' "$log" | tail -n1)
echo "first step:  $first_step"

# The first step allows only its Next button. The control panel's solo button (which would open
# the evening chooser) and its leave-game button (which would ask whether to leave) refuse the
# click: nothing opens and the step stays.
choosers=$(grep -c '^Evening chooser: ' "$log")
click 692 737
click 914 737
park
sleep 0.8
shot refused-clicks
refused_shot=$last_shot
running || { fail "the game ended after a refused click"; finish; }
[ "$(steps)" -eq 1 ] || fail "a refused click moved the tutorial on: $(grep '^Tutorial step ' "$log" | tail -n1)"
[ "$(grep -c '^Evening chooser: ' "$log")" -eq "$choosers" ] || fail "a refused click opened the evening chooser"
moved=$(changed "$first_shot" "$last_shot")
[ "${moved:-0}" -lt 8000 ] || fail "the screen changed after refused clicks ($moved pixels)"

# Next: exactly one step on. Had the refused clicks gone through, their windows would have opened
# before this step's line (the game takes the clicks in order).
click 647 "$first_next"
wait_log 0 '^Tutorial step 2: ' || { fail "Next did not move the tutorial on"; finish; }
park
wait_next_button || fail "no tutorial window after Next"
sleep 0.5
shot second-step
[ "$(steps)" -eq 2 ] || fail "Next moved on more than one step: $(grep '^Tutorial step ' "$log" | tail -n1)"
[ "$(grep -c '^Evening chooser: ' "$log")" -eq "$choosers" ] || fail "a refused click opened the evening chooser"
second_step=$(grep '^Tutorial step ' "$log" | tail -n1)
echo "second step: $second_step"
[ "$second_step" != "$first_step" ] || fail "the step did not change"
moved=$(changed "$refused_shot" "$last_shot")
[ "${moved:-0}" -gt 500 ] || fail "the tutorial window did not change after Next ($moved pixels)"

# Escape leaves the tutorial: its window closes and the main menu shows, as it was at the start.
xdotool key Escape
wait_log 0 '^Tutorial ended' || { fail "Escape did not end the tutorial"; finish; }
menu_back=""
for _ in $(seq 50); do
  peek
  if gold 300 704 && gold 470 704 && gold 640 704; then
    menu_back=1
    break
  fi
  running || break
  sleep 0.2
done
running || { fail "leaving the tutorial ended the program"; finish; }
sleep 0.3
shot back-to-menu
[ -n "$menu_back" ] || fail "no main menu buttons after leaving the tutorial"
moved=$(changed "$menu_shot" "$last_shot")
[ "${moved:-0}" -lt 8000 ] || fail "the main menu looks different after the tutorial ($moved pixels)"

# No game is in progress: Escape in the main menu asks whether to quit (in a game it would ask to
# leave the game, and OK would only return to the menu); OK ends the program cleanly.
xdotool key Escape
asked=""
for _ in $(seq 50); do
  peek
  gold 560 442 && asked=1 && break
  running || break
  sleep 0.2
done
shot quit-question
[ -n "$asked" ] || fail "Escape in the main menu asked nothing"
click 597 442
code=""
for _ in $(seq 100); do
  if ! running; then
    wait "$game_pid"
    code=$?
    game_pid=""
    break
  fi
  sleep 0.1
done
if [ -z "$code" ]; then
  fail "still running 10 s after confirming the quit: a game is still in progress"
elif [ "$code" != 0 ]; then
  fail "exit code $code after quitting"
fi
finish
