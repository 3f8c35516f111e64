#!/usr/bin/env bash
# Plays one whole day in a real window under its own X server, as a player would, with the mouse:
# from the main menu into a new game, through the morning's diary pages, the evening (a quiet
# evening at home from the control panel, twice on a two-evening day), the end-of-day prompt and
# the end-day button, to the next morning, whose date has moved on. Then Escape asks to leave the
# game and OK goes back to the main menu. A screenshot of every step lands in /tmp/vorla2-day-*.png.
#
# The pages say in the debug log which page opened ("Day page: ..."), so the script knows where the
# day stands without reading the screen. Every click waits until its target is drawn (the menu's
# buttons, a page's big button under its new title, the control panel, the chooser's button, the
# question's OK), however slow the machine, and each wait fails on its own after a minute.
#
# Usage: play_one_day.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-day
pass_message="main menu, new game, the day's pages, the evening, end day, the next morning, back to the menu"
extra_tools=compare
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

pages() { grep -c -- '^Day page: ' "$log"; }
# Where the mouse rests between clicks, so that no hover or tooltip gets into the checks: the
# diary sheet on a page, open sky in the evening and the menu. It moves there only once a click has
# shown its effect: the game reads the pointer once a frame, so on a slow frame a click and the
# move after it arrive together and the click lands where the mouse rests.
park() { point 200 500; }
# page_drawn REF: a diary page in the last screenshot (the sheet, the big button at the bottom
# right) whose title differs from the one in the picture REF.
page_drawn() {
  local r g b
  read -r r g b <<<"$(pixel 300 450)"
  [ "$r" -gt 235 ] && [ "$g" -gt 225 ] && [ "$b" -gt 190 ] || return 1
  read -r r g b <<<"$(pixel 1000 735)"
  [ "$r" -lt 100 ] && [ "$b" -lt 100 ] || return 1
  differs "$1" 360x40+125+195
}
# end_of_day_arrow: the end-of-day prompt's gold arrow pointing at the end-day button.
end_of_day_arrow() {
  local r g b
  read -r r g b <<<"$(pixel 912 735)"
  [ "$r" -gt 180 ] && [ "$r" -gt $((b + 80)) ]
}
chooser_open() { is_gold 230 378; }
# main_menu_leaving: the main menu's options button, and no question any more; the mouse may
# still rest on the question's OK, over the menu's logo.
main_menu_leaving() { is_gold 484 705 && ! question_shown; }
chooser_closed_panel() { ! chooser_open && evening_panel; }

# The main menu, then a new game through the new-game screen and the intro page.
xdotool windowfocus --sync "$wid" 2>/dev/null
park
wait_until 60 "the main menu's buttons" on_screen main_menu_shown || finish
shot menu
menu_shot=$(keep)
new_game_from_menu || finish
wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || finish
park
wait_until 60 "the first morning's page" on_screen page_drawn "$menu_shot" || finish
shot wake-up
page_shot=$(keep)
first_morning=$(grep '^Day page: waking up' "$log" | tail -n1)
echo "first morning: $first_morning"

# The day's pages: each has its one big button at the bottom right. A press that opens no new page
# has started the evening.
evening=""
for _ in $(seq 6); do
  before=$(pages)
  click 980 735
  wait_until 60 "a new page or the evening after the page's button" page_or_evening "$before" || finish
  park
  if [ "$(pages)" -gt "$before" ]; then
    page=$(grep '^Day page: ' "$log" | tail -n1 | sed 's/^Day page: \([a-z ]*\) (.*/\1/; s/ /-/g')
    wait_until 60 "the page \"$page\"" on_screen page_drawn "$page_shot" || finish
    shot "$page"
    page_shot=$(keep)
  else
    evening=1
    break
  fi
done
[ -n "$evening" ] || { fail "no evening after the day's pages"; finish; }

# The evening: the in-game screen with the control panel.
shot evening

# One quiet evening at home per evening slot, from the control panel's solo button.
for _ in 1 2; do
  choosers=$(grep -c '^Evening chooser: ' "$log")
  click 692 737
  wait_log_line 60 "the solo button to open a chooser" "$choosers" '^Evening chooser: ' || finish
  park
  wait_until 60 "the chooser's quiet-evening button" on_screen chooser_open || finish
  shot evening-chooser
  evenings=$(grep -c '^Quiet evening at home' "$log")
  click 230 378
  wait_log_line 60 "the quiet evening" "$evenings" '^Quiet evening at home' || finish
  park
  left=$(grep '^Quiet evening at home' "$log" | tail -n1 | sed 's/.*today: \([0-9-]*\)).*/\1/')
  [ "$left" -le 0 ] && break
  wait_until 60 "the chooser to close over the control panel" on_screen chooser_closed_panel || finish
done

# The day is over: the prompt's gold arrow points at the end-day button.
wait_until 60 "the end-of-day arrow" on_screen end_of_day_arrow || finish
shot end-of-day
night_shot=$(keep)

# End day: the night, and the next morning's page with the next date.
mornings=$(grep -c '^Day page: waking up' "$log")
click 988 737
wait_log_line 60 "end day to open the next morning" "$mornings" '^Day page: waking up' || finish
park
wait_until 60 "the next morning's page" on_screen page_drawn "$night_shot" || finish
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
wait_until 60 "the question whether to leave the game" on_screen question_shown || finish
shot quit-question
click 597 442
wait_until 60 "the main menu after leaving the game" on_screen main_menu_leaving || finish
park
wait_until 60 "the main menu after leaving the game" on_screen main_menu_shown || finish
shot back-to-menu
read -r r g b <<<"$(pixel 470 704)"
read -r r0 g0 b0 <<<"$(last_shot=$menu_shot pixel 470 704)"
[ "$r" = "$r0" ] && [ "$g" = "$g0" ] && [ "$b" = "$b0" ] ||
  fail "no main menu after leaving the game (New game button pixel $r $g $b, at start $r0 $g0 $b0)"

# Escape in the main menu asks too; OK ends the program cleanly.
xdotool key Escape
wait_until 60 "the question whether to quit" on_screen question_shown || finish
click 597 442
expect_exit 60 "confirming the quit"
finish
