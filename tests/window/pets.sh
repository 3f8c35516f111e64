#!/usr/bin/env bash
# A dog in a real window under its own X server, in a private world whose solo table offers
# shopping and a walk in the park every evening: a new game played to its first evening; the shop's
# pets department, where the dog and then its food are bought; back on the scene the dog stands
# beside the avatar; a click on its possession icon opens its window (the mood line and the meals
# row); Rename opens the name dialog, a typed name and Done retitle the window; Escape closes it;
# then the solo chooser's walk in the park and the message it ends with. Screenshots land in
# /tmp/vorla2-pets-*.png.
#
# Usage: pets.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-pets
pass_message="the pets department, a dog and its food bought, the dog beside the avatar, its window, a new name, the walk"
prepare_world() {
  solo_table '#,,shopping,Go shopping,"See what catches your eye.",shopper,0,Call(shopping),1,default,0,0,0,-1,-1,1,1,1,1,1,1,1,,"happiness,0.02,0.7",#' \
    '#,,walkpark,Walk in the park,"Fresh air.",walker,0,Call(walkpark),0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,,"fitness,0.02,0.95",#'
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

new_game_to_first_evening || finish
close_hint || finish
shot evening

# The solo chooser opens on shopping; its start button opens the shop.
opened=$(grep -c '^Solo chooser: ' "$log")
click 692 737
point 500 60
wait_log_line 60 "the solo chooser" "$opened" '^Solo chooser: ' || finish
sleep 1
shut_hint 790 182 || finish
click 235 547
point 500 60
wait_log_line 60 "the shop" 0 '^Shopping: the shop opens' || finish
sleep 1
shut_hint 830 182 || finish

# The pets label, on its lettering.
click 137 400
point 500 60
wait_log_line 60 "the pets department" 0 '^Shopping: department 1 page 0' || finish
sleep 0.5
shot pets-department
on_shop_page() { grep '^Shopping: department' "$log" | tail -n1 | grep -q "department 1 page $1,"; }
shown() { grep -c "^Shopping: department 1 page $1," "$log"; }

# The dog is the department's first offer: its buy button (offers from 163 down, 110 apart, the
# button 24 px high, 10 above the offer's foot).
before=$(shown 0)
click 850 247
point 500 60
wait_log_line 60 "the dog bought" 0 '^Shopping: bought dog$' || finish
wait_log_line 60 "the offers rebuilt" "$before" '^Shopping: department 1 page 0' || finish
# Its food is on a later page: the department's rows in the table's order, the dog no longer
# among them; page on to the food's page, then its buy button.
food_index=$(grep -a '^#,' "$src/data/simulation/assets.csv" | grep -a '^#,[^,]*,[^,]*,[^,]*,pets,' |
  grep -a -v '^#,[^,]*,dog,' | grep -a -n '^#,sim_dogfood,' | cut -d: -f1)
[ -n "$food_index" ] || { fail "no dog food in the pets department's rows"; finish; }
food_index=$((food_index - 1))
page=0
while [ "$page" -lt $((food_index / 4)) ]; do
  before=$(shown $((page + 1)))
  xdotool key Right
  page=$((page + 1))
  wait_log_line 60 "page $page of the pets" "$before" "^Shopping: department 1 page $page," || finish
done
sleep 0.5
shot dog-food-page
food_slot=$((food_index % 4))
click 850 $((247 + 110 * food_slot))
point 500 60
wait_log_line 60 "the dog food bought" 0 '^Shopping: bought dogfood$' || finish
sleep 0.5
xdotool key Escape
wait_log_line 60 "Escape to leave the shop" 0 '^Shopping: the shop closes' || finish
sleep 1.5
shot dog-beside-avatar
grep -q '^Pet avatar:' "$log" && fail "the pet avatar warned: $(grep '^Pet avatar:' "$log" | head -n1)"
# The dog beside the avatar: its brown coat left of the figure's feet.
dog_shown() {
  local r g b
  read -r r g b <<<"$(pixel 680 580)"
  [ "$r" -gt 140 ] && [ "$r" -gt $((b + 60)) ] && [ "$g" -gt 80 ]
}
dog_shown || fail "no dog beside the avatar"

# The dog's possession icon, the first on the assets panel, opens its own window.
click 475 35
point 200 700
wait_log_line 60 "the dog's window" 0 '^Pet details: dog "' || finish
sleep 0.5
close_hint
shot dog-window
# The window's rows: the meals left (ten, just bought) beside their label.
grep -q '^Pet details: dog "' "$log" || fail "no dog window"

# Rename (centre - 50 to centre + 150, 44 to 20 above the client's foot) opens the name dialog
# (400 x 160 in the middle), which takes the keyboard: the old name goes letter by letter, the new
# one is typed (its first letter upper case by itself), and Done (across the dialog's foot) keeps it.
name_dialog() { is_gold 360 422; }
# done_lit: Done in its bright gold; disabled it is drawn dimmed.
done_lit() {
  local r g b
  read -r r g b <<<"$(pixel 360 422)"
  [ "$r" -gt 225 ] && [ "$g" -gt 195 ]
}
before=$(keep)
click 562 511
point 200 700
wait_until 60 "the name dialog" on_screen name_dialog || finish
sleep 0.3
shot name-dialog
for _ in $(seq 8); do xdotool key --window "$wid" BackSpace; sleep 0.05; done
sleep 0.3
shot name-emptied
on_screen name_dialog || fail "the name dialog closed"
done_lit && fail "Done is offered for an empty name"
xdotool type --window "$wid" --delay 80 "biscuit"
sleep 0.5
shot name-typed
on_screen done_lit || fail "Done is not offered for a typed name"
click 512 422
point 200 700
wait_log_line 60 "Done to keep the name" 0 '^Pet details: dog renamed "Biscuit"$' || finish
sleep 0.5
shot renamed

# Escape closes the window; the moon ends the day.
xdotool key --window "$wid" Escape
sleep 0.5
wait_until 60 "the end-of-day arrow" on_screen day_arrow || finish
pages=$(grep -c -- '^Day page: ' "$log")
click 988 737
point 200 500
wait_log_line 90 "the next morning" "$pages" '^Day page: ' || finish
day_to_evening 500 60 || finish
close_hint 162 || finish
close_hint || finish

# The solo chooser, turned to the walk in the park, and its start button.
opened=$(grep -c '^Solo chooser: ' "$log")
click 692 737
point 500 60
wait_log_line 60 "the solo chooser" "$opened" '^Solo chooser: ' || finish
sleep 1
for _ in 1 2 3; do
  grep '^Solo chooser: ' "$log" | tail -n1 | grep -q 'walkpark' && break
  opened=$(grep -c '^Solo chooser: ' "$log")
  click 424 262
  point 500 60
  wait_log_line 60 "the chooser's next activity" "$opened" '^Solo chooser: ' || finish
done
grep '^Solo chooser: ' "$log" | tail -n1 | grep -q 'walkpark' || { fail "the chooser never showed the walk"; finish; }
sleep 0.5
shot walk-chosen
peek
before=$(keep)
evenings=$(grep -c '^Solo evening: ' "$log")
click 235 547
point 200 700
wait_log_line 60 "the walk" "$evenings" '^Solo evening: ' || finish
message_over() { peek && differs "$1" 300x120+362+324 2000; }
wait_until 60 "the walk's message" message_over "$before" || finish
sleep 0.5
shot walk-message
finish
