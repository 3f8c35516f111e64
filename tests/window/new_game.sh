#!/usr/bin/env bash
# A new player's first game in a real window under its own X server, with the mouse and the
# keyboard: the main menu's start button opens the new-game screen; three names are typed into its
# fields; the coat row is stepped and tinted with the colour map's pure blue; Start opens the intro
# diary; its Start begins the game, and in the evening view the figure's coat shows that blue. A
# screenshot of every step lands in /tmp/vorla2-newgame-*.png.
#
# The new-game screen is known by its colour map, the game by its first diary page in the log, the
# coat by the pure-blue pixels round the figure.
#
# Usage: new_game.sh <vorla2 executable> <source dir>
# window-test: sanitizer build too
set -u

shots=/tmp/vorla2-newgame
pass_message="main menu, new game, three typed names, a blue coat, Start, the intro, Start, the blue coat in the game"
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# Where the mouse rests between clicks: the top of the screen, clear of every button, field and
# the figure.
park() { point 300 30; }
# blue_pixels GEOMETRY: how many pixels of the last screenshot inside GEOMETRY (WxH+X+Y) are a
# strong pure blue, as a tinted coat is; nothing else on these screens is.
blue_pixels() {
  convert "$last_shot" -crop "$1" +repage -depth 8 txt:- |
    awk -F'[(),: ]+' 'NR > 1 && $3 < 50 && $4 < 50 && $5 > 120 { n++ } END { print n + 0 }'
}
enough_blue() { [ "$(blue_pixels "$1")" -gt 400 ]; }
# The figure stands at (builder left + 128, builder middle) on the new-game screen and at
# (W - 256, H / 2) in the game.
builder_figure=256x520+364+110
game_figure=256x560+640+104
# The intro: a diary sheet on the left, and no day page opened yet.
intro_page_shown() { intro_shown && ! log_has 0 '^Day page: '; }

xdotool windowfocus --sync "$wid" 2>/dev/null
park
wait_until 60 "the main menu's buttons" on_screen main_menu_shown || finish
shot menu

# The start button: the new-game screen.
click 154 735
park
wait_until 60 "the new-game screen's colour map" on_screen new_game_shown || finish
shot new-game

# Three names, each typed into its field after a click on its text strip, what was there deleted
# first. The game takes the presses of one frame in key order, so the letters go one per frame or
# slower, as a person types.
type_name() {
  click 196 "$1"
  xdotool key --delay 40 --repeat 64 BackSpace
  xdotool type --delay 150 "$2"
}
type_name 126 "mabel"
type_name 359 "quist-o'hara"
type_name 592 "fernhollow"
park
sleep 0.5
shot names

# The coat row (fourth from the top), then its next arrow until a coat is worn, tinted with the
# map's pure blue: four of six segments across, halfway down the map (x 670..886, y 548..628).
click 778 283
coat=""
for _ in $(seq 10); do
  click 875 283
  click $((670 + 4 * 33)) 588
  park
  sleep 0.5
  peek
  if enough_blue "$builder_figure"; then
    coat=1
    break
  fi
done
shot blue-coat
[ -n "$coat" ] || { fail "no coat took the map's blue"; finish; }

# Start, at the bottom right: the intro diary, signed with the typed forename.
click 980 735
wait_until 60 "the intro diary" on_screen intro_page_shown || finish
sleep 3
shot intro

# The intro's Start: the game. Its pages are pressed through (their big button sits where Start
# was) to the evening, where the figure stands in the view.
click 980 735
wait_log_line 60 "the game's first page" 0 '^Day page: waking up' || finish
evening=""
for _ in $(seq 8); do
  park
  sleep 1
  if on_screen evening_panel; then
    evening=1
    break
  fi
  close_hint || finish
  click 980 735
done
[ -n "$evening" ] || { fail "no evening after the day's pages"; finish; }
shot evening
enough_blue "$game_figure" || fail "the figure in the game has no blue coat ($(blue_pixels "$game_figure") blue pixels)"
grep -q '^STAND-IN: GUI_MenuNew\|^STAND-IN: GUI_Tutorial::PrepareCharacter' "$log" &&
  fail "a replaced stand-in still logs: $(grep '^STAND-IN: GUI_MenuNew\|PrepareCharacter' "$log" | head -n1)"
finish
