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

shots=/tmp/vorla2-day
pass_message="main menu, new game, the day's pages, the evening, end day, the next morning, back to the menu"
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

pages() { grep -c -- '^Day page: ' "$log"; }

# in_evening: whether the last screenshot is the evening's screen: no diary page on the left, the
# sky there, and the control panel's buttons along the bottom.
in_evening() {
  local r g b
  read -r r g b <<<"$(pixel 300 450)"
  [ -n "$b" ] && [ "$b" -gt $((r + 20)) ] || return 1
  read -r r g b <<<"$(pixel 600 745)"
  [ "$r" -lt 100 ] && [ "$b" -gt "$r" ]
}

# The main menu, then its "New game" button (the middle one of the bottom strip).
until_shown 60 menu_shown || { fail "no main menu with three buttons"; finish; }
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
# evening_or_page COUNT: waits until the log holds more than COUNT pages or the evening shows, and
# says which.
evening_or_page() {
  for _ in $(seq 150); do
    running || return 1
    [ "$(pages)" -gt "$1" ] && echo page && return 0
    peek
    in_evening && echo evening && return 0
    sleep 0.2
  done
}
evening=""
for _ in $(seq 6); do
  before=$(pages)
  click 980 735
  outcome=$(evening_or_page "$before")
  running || { fail "the game ended during the day"; finish; }
  if [ "$outcome" = page ]; then
    sleep 0.5
    page=$(grep '^Day page: ' "$log" | tail -n1 | sed 's/^Day page: \([a-z ]*\) (.*/\1/; s/ /-/g')
    shot "$page"
  else
    evening=$outcome
    break
  fi
done

# The evening: the in-game screen with the control panel, whose evening-class button (enabled in
# the evening) shows its gold rim.
[ -n "$evening" ] || { fail "neither a next page nor the evening after a day page"; finish; }
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
end_arrow() {
  read -r r g b <<<"$(pixel 912 735)"
  [ -n "$b" ] && [ "$r" -gt 180 ] && [ "$r" -gt $((b + 80)) ]
}
until_shown 30 end_arrow || fail "no end-of-day arrow (pixel $r $g $b)"
shot end-of-day

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
until_shown 30 question_shown || fail "Escape in the game asked nothing"
shot quit-question
read -r r0 g0 b0 <<<"$(last_shot=$work/shot-01-menu.png pixel 470 704)"
click 597 442
# The menu is back when its New game button looks as it did at the start.
menu_back=""
for _ in $(seq 150); do
  running || { fail "leaving the game ended the program"; finish; }
  peek
  read -r r g b <<<"$(pixel 470 704)"
  [ "$r $g $b" = "$r0 $g0 $b0" ] && menu_back=1 && break
  sleep 0.2
done
shot back-to-menu
[ -n "$menu_back" ] ||
  fail "no main menu after leaving the game (New game button pixel $r $g $b, at start $r0 $g0 $b0)"

# Escape in the main menu asks too; OK ends the program cleanly.
xdotool key Escape
until_shown 30 question_shown || fail "Escape in the main menu asked nothing"
click 597 442
expect_exit 30 "confirming the quit"
finish
