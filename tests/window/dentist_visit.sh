#!/usr/bin/env bash
# The dentist in a real window under its own X server, in a private world whose solo table offers
# the dentist every evening: a new game played to its first evening, the control panel's solo button
# opens the chooser on the dentist, its start button seats the player; the pain chart is traced
# with the close button greyed, and after ten seconds the window names the practice and shows the
# bill; the close button then shuts it. Screenshots land in /tmp/vorla2-dentist-*.png.
#
# The evening's cost is charged once, by the solo activity: the window itself charges nothing.
#
# Usage: dentist_visit.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-dentist
pass_message="the first evening, the chooser on the dentist, the pain chart, the bill, closed"
prepare_world() {
  solo_table '#,,dentist,Visit the dentist,"A check-up tonight.",patient,0,Call(dentist),1,default,0,0,60,-1,-1,1,1,1,1,1,1,1,,"stress,0.03,0.6",#'
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# The chooser sits at the left, 470 x 410, centred in height; its start button runs along its foot.
start_x=235
start_y=547
# The dentist's window, 400 x 300 in the middle: its chart's light grey, then the bill's page.
# Two points clear of the grid lines, in case the trace crosses one.
light_at() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2")"
  [ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -gt 200 ]
}
chart_shown() { light_at 407 389 || light_at 607 449; }
# The close button at the window's top right (centred at 681,265): red once enabled.
close_red() {
  local r g b
  read -r r g b <<<"$(pixel 670 265)"
  [ "$r" -gt 170 ] && [ "$g" -lt 120 ]
}

new_game_to_first_evening || finish

opened=$(grep -c '^Solo chooser: ' "$log")
click 692 737
point 500 60
wait_log_line 60 "the solo chooser" "$opened" '^Solo chooser: ' || finish
# The chooser's first-time hint beside it (its red close button at 797,182) takes clicks.
solo_hint() {
  local r g b
  read -r r g b <<<"$(pixel 790 182)"
  [ "$r" -gt 170 ] && [ "$g" -lt 120 ] && [ "$b" -lt 100 ]
}
no_solo_hint() { ! solo_hint; }
sleep 1
if on_screen solo_hint; then
  click 797 182
  point 500 60
  wait_until 60 "the chooser's hint to close" on_screen no_solo_hint || finish
fi
shot chooser
grep '^Solo chooser: ' "$log" | tail -n1 | grep -q 'dentist' || fail "the chooser did not open on the dentist"

click "$start_x" "$start_y"
point 500 60
wait_log_line 60 "the dentist's chair" 0 '^Dentist: the chart' || finish
wait_until 60 "the pain chart" on_screen chart_shown || finish
sleep 3
shot chart
on_screen close_red && fail "the close button is enabled during the chart"

wait_log_line 60 "the bill" 0 '^Dentist: the bill' || finish
sleep 1
shot bill
on_screen chart_shown && fail "the chart still shows over the bill"
wait_until 60 "the close button to turn red" on_screen close_red || finish
click 681 265
point 500 60
# Gone: the window's pale teal no longer in its middle (the evening's slots are used up, so the
# control panel's buttons stay grey).
dentist_gone() {
  local r g b
  read -r r g b <<<"$(pixel 512 450)"
  ! { [ "$g" -gt 190 ] && [ "$b" -gt 180 ] && [ "$r" -gt 140 ]; }
}
wait_until 60 "the dentist's window to close" on_screen dentist_gone || finish
shot closed
finish
