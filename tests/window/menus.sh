#!/usr/bin/env bash
# The front end as a player meets it, in a real window under its own X server: the main menu, the
# options (music volume down to nothing, autosave off), the currency chooser (the pound), the
# credits; quit, start again: the options show what was chosen, and a new game through the
# new-game screen and the intro page shows its money in pounds. A screenshot of every screen lands
# in /tmp/vorla2-menus-*.png.
#
# Usage: menus.sh <vorla2 executable> <source dir>
# window-test: sanitizer build too
set -u

shots=/tmp/vorla2-menus
pass_message="main menu, options, currency, credits, quit, restart, options kept, intro, pounds in game"
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

park() { point 700 300; }
# is_green X Y: the green of a tick there.
is_green() { local r g b; read -r r g b <<<"$(pixel "$1" "$2")"; [ "$g" -gt $((r + 40)) ]; }
# box_ticked X Y: the tick inside the check box centred there (its white stroke runs through the
# middle, the green shows just below and right of it).
box_ticked() { is_green $(($1 + 6)) $(($2 + 6)); }
# knob_at X: the music volume's knob (a green tick) centred at x on its strip.
knob_at() { is_green $(($1 + 4)) 316; }
options_shown() { is_cream 512 140; }
not_options_shown() { ! options_shown; }
is_cream() { local r g b; read -r r g b <<<"$(pixel "$1" "$2")"; [ "$r" -gt 180 ] && [ "$g" -gt 170 ]; }

xdotool windowfocus --sync "$wid" 2>/dev/null
park
wait_until 60 "the main menu" on_screen main_menu_shown || finish
sleep 1.2
shot main-menu

# The options: music volume to nothing, autosave off; the back button saves them.
click 484 735
park
wait_until 30 "the options" on_screen options_shown || finish
shot options
xdotool mousemove --window "$wid" 600 312 mousedown 1
sleep 0.3
xdotool mousemove --window "$wid" 500 312
sleep 0.3
xdotool mousemove --window "$wid" 380 312
sleep 0.3
xdotool mouseup 1
click 530 436
park
sleep 0.5
shot options-changed
box_ticked 530 436 && fail "autosave still ticked after its click"
knob_at 400 || fail "the music volume knob did not reach the left end"
click 990 735
park
wait_until 30 "the main menu after the options" on_screen main_menu_shown || finish

# The currency chooser, from the options: the pound. Its back button leads to the main menu.
click 484 735
park
wait_until 30 "the options again" on_screen options_shown || finish
# A click while the options still come in can go unheard: clicked again until they give way.
for _ in 1 2 3 4 5; do
  click 512 566
  park
  until_shown 3 not_options_shown && break
done
on_screen options_shown && { fail "the currency button opened nothing"; finish; }
sleep 1
shot currency
click 512 384
park
sleep 0.5
shot currency-pound
click 990 735
park
wait_until 30 "the main menu after the chooser" on_screen main_menu_shown || finish

# The credits.
click 880 735
park
sleep 1
shot credits
click 990 735
park
wait_until 30 "the main menu after the credits" on_screen main_menu_shown || finish

# Quit, and start again.
click 980 735
until_shown 30 question_shown || fail "the quit button asked nothing"
click 597 442
expect_exit 30 "quitting from the main menu"
options_file="$user/player_options.txt"
grep -qa $'CURRENCY = \xa3' "$options_file" || fail "the pound is not in the options file: $(cat "$options_file")"

game_start
xdotool windowfocus --sync "$wid" 2>/dev/null
park
wait_until 60 "the main menu after the restart" on_screen main_menu_shown || finish
sleep 1.2
click 484 735
park
wait_until 30 "the options after the restart" on_screen options_shown || finish
sleep 0.5
shot options-after-restart
box_ticked 530 436 && fail "autosave is ticked again after the restart"
box_ticked 300 486 || fail "music is not ticked after the restart"
knob_at 400 || fail "the music volume knob is not at the left end after the restart"

# Into a game: the new-game screen, the intro page, its start button.
xdotool key Escape
park
wait_until 30 "the main menu from the options" on_screen main_menu_shown || finish
click 154 735
park
wait_until 30 "the new-game screen" on_screen new_game_shown || finish
click 980 735
park
wait_until 30 "the intro page" on_screen is_cream 300 450 || finish
sleep 3
shot intro
click 990 735
wait_log_line 60 "the first morning's page" 0 '^Day page: waking up' || finish
sleep 1
[ "$(grep -c '^Day page: ' "$log")" -eq 1 ] || fail "the intro's start button also pressed the first page's button"
# Through the day's pages to the evening, where the cash shows.
for _ in $(seq 8); do
  on_screen evening_panel && break
  close_hint || finish
  click 990 735
  park
  sleep 2
done
on_screen evening_panel || fail "no evening after the day's pages"
shot evening-cash
finish
