#!/usr/bin/env bash
# The shop in a real window under its own X server, in a private world whose solo table offers
# shopping every evening: a new game played to its first evening, the control panel's solo button
# opens the chooser on shopping, its start button opens the shop; the books label switches the
# department, the right arrow key pages, a buy button buys the offer (the page stays), Escape
# leaves the shop and the possession is on the assets panel. Screenshots land in
# /tmp/vorla2-shopping-*.png.
#
# Usage: shopping.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-shopping
pass_message="the first evening, the chooser on shopping, departments and pages, a purchase, Escape"
prepare_world() {
  solo_table '#,,shopping,Go shopping,"See what catches your eye.",shopper,0,Call(shopping),1,default,0,0,0,-1,-1,1,1,1,1,1,1,1,,"happiness,0.02,0.7",#'
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

last_shop_line() { grep '^Shopping: department' "$log" | tail -n1; }
# shown DEPARTMENT PAGE: how often the log has told of that page so far.
shown() { grep -c "^Shopping: department $1 page $2," "$log"; }

new_game_to_first_evening || finish

opened=$(grep -c '^Solo chooser: ' "$log")
click 692 737
point 500 60
wait_log_line 60 "the solo chooser" "$opened" '^Solo chooser: ' || finish
sleep 1
shut_hint 790 182 || finish
grep '^Solo chooser: ' "$log" | tail -n1 | grep -q 'shopping' || fail "the chooser did not open on shopping"

click 235 547
point 500 60
wait_log_line 60 "the shop" 0 '^Shopping: the shop opens' || finish
sleep 1
# The shop's first-time hint (its window's top left at 560, 160).
shut_hint 830 182 || finish
shot general
last_shop_line | grep -q 'department 0 page 0' || fail "the shop did not open on the general department: $(last_shop_line)"

# The books label, on its lettering.
before=$(shown 2 0)
click 179 586
point 500 60
wait_log_line 60 "the books department" "$before" '^Shopping: department 2 page 0' || finish
sleep 0.5
shot books

# Back to the general department; the right arrow key turns to its second page.
before=$(shown 0 0)
click 143 290
point 500 60
wait_log_line 60 "the general department" "$before" '^Shopping: department 0 page 0' || finish
before=$(shown 0 1)
xdotool key Right
wait_log_line 60 "the second page" "$before" '^Shopping: department 0 page 1' || finish
sleep 0.5
shot page2

# The third offer's buy button (the bicycle, within a new player's means: offer 493,383 to 1010,489;
# its button 24 px high, 10 above the foot).
before=$(shown 0 1)
click 850 467
point 500 60
wait_log_line 60 "a purchase" 0 '^Shopping: bought ' || finish
wait_log_line 60 "the offers rebuilt" "$before" '^Shopping: department 0 page 1' || finish
bought=$(grep '^Shopping: bought ' "$log" | tail -n1 | sed 's/^Shopping: bought //')
sleep 0.5
shot bought

xdotool key Escape
wait_log_line 60 "Escape to leave the shop" 0 '^Shopping: the shop closes' || finish
sleep 1.5
shot after
running || fail "the game ended"
[ -n "$bought" ] || fail "nothing was bought"
finish
