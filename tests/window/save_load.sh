#!/usr/bin/env bash
# Saving and loading as a new player meets them, in a real window under its own X server: a new
# game played for two days (each night leaves the autosave), Escape to the main menu, Save, the name
# typed as "first life", Save; Load lists it beside "autosave" and brings the game back on the same
# morning with the same cash. Seven saves scroll with the mouse wheel; a save's bin removes its
# file; a save cut in half is refused with a notice, and Resume goes back to the game as it was.
# A screenshot of every step lands in /tmp/vorla2-saveload-*.png.
#
# Usage: save_load.sh <vorla2 executable> <source dir>
# window-test: sanitizer build too
set -u

shots=/tmp/vorla2-saveload
pass_message="two days, save as first life, load it back on the same morning, the wheel, a bin, a cut save refused, resume"
extra_tools=compare
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

saves="$user/savegames"
park() { point 200 500; }
# The menus' panel with the name box (save) or without it (load): the cream panel beside the
# black box, or the cream panel where the box would be.
save_menu_shown() {
  local r g b
  read -r r g b <<<"$(pixel 330 213)"
  [ "$r" -lt 30 ] && [ "$g" -lt 30 ] && [ "$b" -lt 30 ] || return 1
  read -r r g b <<<"$(pixel 512 300)"
  [ "$r" -gt 150 ] && [ "$g" -gt 140 ]
}
# A morning's diary page: the sheet and the dark big button at the bottom right.
morning_page() {
  local r g b
  read -r r g b <<<"$(pixel 300 560)"
  [ "$r" -gt 235 ] && [ "$g" -gt 225 ] && [ "$b" -gt 190 ] || return 1
  read -r r g b <<<"$(pixel 1000 735)"
  [ "$r" -lt 100 ] && [ "$b" -lt 100 ]
}
# red_in GEOMETRY: how many pixels of the last screenshot inside WxH+X+Y are a clear red.
red_in() {
  convert "$last_shot" -crop "$1" +repage -fx '(r>0.4&&g<0.25&&b<0.25)?1:0' -format '%[fx:int(mean*w*h+0.5)]' info:
}
# A row of the load menu (1 to 6), by its middle; its bin at the left.
row_y() { echo $((214 + ($1 - 1) * 67 + 32)); }
mornings() { grep -c -- '^Day page: waking up' "$log"; }
open_menu() {  # open_menu X CHECK WHAT
  click "$1" 735
  park
  wait_until 60 "$3" on_screen "$2"
}
to_main_menu() {
  xdotool key Escape
  wait_until 60 "the question whether to leave the game" on_screen question_shown || return 1
  click 597 442
  park
  wait_until 60 "the main menu" on_screen main_menu_shown
}

# Two days, each night saved under "autosave".
first_day_to_night || finish
wait_log_line 60 "the second morning" 1 '^Day page: waking up' || finish
day_play_to_night || finish
wait_log_line 60 "the third morning" 2 '^Day page: waking up' || finish
park
wait_until 60 "the third morning's page" on_screen morning_page || finish
sleep 1
shot third-morning
morning_shot=$(keep)
morning_line=$(grep '^Day page: waking up' "$log" | tail -n1)
[ -f "$saves/autosave.xml" ] || fail "no autosave after two nights: $(ls "$saves" 2>&1)"

# Save as "first life".
to_main_menu || finish
open_menu 264 save_menu_shown "the save menu" || finish
shot save-menu
# One letter a frame or slower, as a person types: the game takes a frame's presses in key order.
xdotool key --delay 40 --repeat 40 BackSpace
sleep 0.5
xdotool type --delay 150 "first life"
sleep 0.5
shot save-named
click 512 246
park
wait_until 60 "the main menu after saving" on_screen main_menu_shown || finish
[ -f "$saves/first life.xml" ] || fail "no \"first life.xml\" after Save: $(ls "$saves" 2>&1)"

# Load lists both; "first life" (the second row) comes back on the same morning with the same cash.
open_menu 374 load_menu_shown "the load menu" || finish
sleep 0.5
shot load-menu
before=$(mornings)
click 512 "$(row_y 2)"
park
wait_log_line 60 "the loaded game's morning page" "$before" '^Day page: waking up' || finish
wait_until 60 "the loaded morning's page" on_screen morning_page || finish
sleep 1
shot loaded
loaded_line=$(grep '^Day page: waking up' "$log" | tail -n1)
[ "$loaded_line" = "$morning_line" ] || fail "loaded \"$loaded_line\", saved \"$morning_line\""
# The cash, in the panel along the bottom.
differs "$morning_shot" 200x40+360+695 40 && fail "the cash differs after loading (see $shots-*-loaded.png)"

# Seven saves: the wheel shows the second to the seventh, and a bin removes its file.
for n in 2 3 4 5 6; do cp "$saves/first life.xml" "$saves/life $n.xml"; done
to_main_menu || finish
open_menu 374 load_menu_shown "the load menu with seven saves" || finish
sleep 0.5
shot seven-saves
top_shot=$(keep)
point 512 400
xdotool click 5
sleep 0.5
park
peek
differs "$top_shot" 400x400+312+214 || fail "the wheel did not scroll the list"
shot wheel-down
xdotool click 5
click 287 "$(($(row_y 6) + 0))"
park
sleep 1
[ -f "$saves/life 6.xml" ] && fail "the bin of the last row left \"life 6.xml\": $(ls "$saves")"
[ -f "$saves/life 5.xml" ] || fail "the bin took another save: $(ls "$saves")"
shot after-delete

# A save cut in half is refused with a notice; Resume goes back to the game as it was.
size=$(stat -c %s "$saves/first life.xml")
head -c $((size / 2)) "$saves/first life.xml" >"$saves/broken.xml"
click 990 735
park
wait_until 60 "the main menu after the load menu" on_screen main_menu_shown || finish
open_menu 374 load_menu_shown "the load menu with the cut save" || finish
point 512 400
for _ in 1 2 3; do xdotool click 4; sleep 0.2; done
park
sleep 0.5
before=$(mornings)
click 512 "$(row_y 2)"
park
sleep 1.5
shot refused
[ "$(red_in 480x70+272+139)" -gt 50 ] || fail "no notice in red after the cut save"
[ "$(mornings)" = "$before" ] || fail "the cut save opened a page"
click 990 735
park
wait_until 60 "the main menu after the refusal" on_screen main_menu_shown || finish
open_menu 594 morning_page "the game's page after Resume" || finish
sleep 1
shot resumed
[ "$(grep '^Day page: waking up' "$log" | tail -n1)" = "$morning_line" ] || fail "the game moved on after the refusal"

grep -q 'STAND-IN: GUI_Menu' "$log" && fail "a menu stand-in ran: $(grep 'STAND-IN: GUI_Menu' "$log")"
grep -q 'STAND-IN: SIM_SaveGame::SaveGame' "$log" && fail "the save ran as a stand-in"
finish
