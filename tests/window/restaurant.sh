#!/usr/bin/env bash
# A restaurant evening in a real window under its own X server, in a private world whose cheats
# file makes the player cultured and fluent in the restaurants' languages: from the first
# evening's social chooser a restaurant evening is picked and a friend invited; Socialise opens the
# restaurant chooser; the hip restaurant at the end of the list is asked first (it rarely has a
# table for a newcomer), then the others from the end back, until a waiter finds a table; the menu
# opens with the restaurant's music; a drink and a main course are clicked and ordered; the
# evening's report opens and closes. A screenshot of every step lands in /tmp/vorla2-restaurant-*.png.
#
# Usage: restaurant.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-restaurant
pass_message="the restaurant chooser, the waiter, the menu, an order and the evening's report"
prepare_world() {
  printf '#,%s\n' persuasion,1.0 charisma,1.0 culture,1.0 language_chinese,1.0 language_italian,1.0 \
    language_french,1.0 language_japanese,1.0 language_spanish,1.0 >"$work/res/data/cheats.txt"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

source "$(dirname "${BASH_SOURCE[0]}")/lib/evening_out_lib.sh"

new_game_to_first_evening || finish
sleep 1

# The social button (the third of the strip) opens the chooser; it is paged to a restaurant.
chooser_on chineserestaurant pizzeria || finish
evening=$(shown_type)
restaurants=$(grep -c "^#,$evening," "$src/data/simulation/restaurants.csv")
shut_hints || finish
invite_friends 1 || finish
point 500 60
sleep 0.5

# Socialise: the restaurant chooser opens on the first restaurant (a dialog of 500 x 320 in the
# middle of the screen: arrows at its top corners, the book button along its foot).
choosers=$(grep -c '^Restaurant chooser: ' "$log")
click 170 $((384 + 215 - 10 - 32))
point 500 60
wait_log_line 60 "the restaurant chooser" "$choosers" '^Restaurant chooser: ' || finish
sleep 1
shut_hints || finish
shot chooser
shown() { grep '^Restaurant chooser: ' "$log" | tail -n1 | sed 's/^Restaurant chooser: //'; }
first=$(shown)

# To the last restaurant with the right arrow.
for _ in $(seq $((restaurants - 1))); do
  before=$(grep -c '^Restaurant chooser: ' "$log")
  click 716 307
  point 500 60
  wait_log_line 60 "the chooser's right arrow" "$before" '^Restaurant chooser: ' || finish
done
[ "$restaurants" -lt 2 ] || [ "$(shown)" != "$first" ] || fail "the chooser's right arrow did not page"
sleep 0.5
shot chooser-last

# Ask for a table at each restaurant from the last back to the first, until one has one; the
# waiter's note sits in the middle of the screen, its OK button along its foot.
seated=""
for k in $(seq "$restaurants"); do
  answers=$(grep -c '^Waiter: ' "$log")
  waiters=$(grep -c '^GUI_WaiterDialog::GUI_WaiterDialog() ends' "$log")
  click 512 502
  point 500 60
  wait_log_line 60 "the waiter" "$waiters" '^GUI_WaiterDialog::GUI_WaiterDialog() ends' || finish
  sleep 1
  shot waiter
  waiter_shot=$(keep)
  click 512 467
  point 500 60
  wait_log_line 60 "the waiter's answer" "$answers" '^Waiter: ' || finish
  if grep '^Waiter: ' "$log" | tail -n1 | grep -q '^Waiter: a table at '; then
    seated=yes
    break
  fi
  convert "$waiter_shot" "$shots-waiter-full.png"
  [ "$k" -lt "$restaurants" ] || break
  before=$(grep -c '^Restaurant chooser: ' "$log")
  sleep 1
  click 307 307
  point 500 60
  wait_log_line 60 "the chooser's left arrow" "$before" '^Restaurant chooser: ' || finish
done
[ -n "$seated" ] || { fail "no restaurant had a table"; finish; }
convert "$waiter_shot" "$shots-waiter-free.png"

# The menu: today's drinks and main courses, the restaurant's own music.
wait_log 0 '^GUI_RestaurantInstance::GUI_RestaurantInstance() ends' 60 || { fail "the menu did not open"; finish; }
sleep 1.5
shut_hint 830 182 || finish
shot menu

# A drink (the first, top left) and a main course (at y 400 the left column holds a main course
# whatever the number of drinks, one to four), then the order button at the bottom right.
click 200 150
point 500 60
sleep 0.5
click 200 400
point 500 60
sleep 0.5
shot menu-ordered
reports=$(grep -c '^Post-mortem: .*guest' "$log")
click 980 735
point 500 60
wait_log_line 60 "the evening's report" "$reports" '^Post-mortem: .*guest' || finish
sleep 1.5
close_report_hint
shut_hints || finish
shot report

closed=$(grep -c '^Post-mortem: closed' "$log")
click 980 735
point 500 60
wait_log_line 60 "the report to close" "$closed" '^Post-mortem: closed' || finish
sleep 1
shot after-report
grep -q "^STAND-IN: GUI_RestaurantChooser\|^STAND-IN: GUI_RestaurantInstance" "$log" &&
  fail "a replaced restaurant screen still says it is a stand-in"
running || fail "the game ended"
finish
