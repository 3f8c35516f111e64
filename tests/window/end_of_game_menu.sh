#!/usr/bin/env bash
# The end-of-game page's "Main menu" in a real window under its own X server: a new game started on
# the last day of the game's tenth year (VORLA2_TEST_LAST_DAY_OF_YEAR=10, see
# lib/window_test_lib.sh) is played to its night and the end-of-game page; "Main menu" leaves the
# game for the main menu, from which a new game can start again. A screenshot of every step lands
# in /tmp/vorla2-endmenu-*.png.
#
# Usage: end_of_game_menu.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-endmenu
pass_message="the end of the game and its main-menu button"
export VORLA2_TEST_LAST_DAY_OF_YEAR=10
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

first_day_to_night || finish
wait_until 60 "the end-of-game page" on_screen end_game_buttons || finish
shot end-of-game

# The button's tooltip, then the button: the main menu.
point 170 621
sleep 2
shot main-menu-tooltip
click 170 621
point 200 500
wait_until 60 "the main menu after the end's main-menu button" on_screen main_menu_shown || finish
shot main-menu

# A new game from there starts on its first morning.
mornings=$(grep -c '^Day page: waking up' "$log")
new_game_from_menu || finish
wait_log_line 60 "New game after the end to open a morning page" "$mornings" '^Day page: waking up' || finish
point 200 500
morning=$(grep '^Day page: waking up' "$log" | tail -n1)
case "$morning" in
*", day 1)") ;;
*) fail "the new game after the end does not start on day 1: $morning" ;;
esac

# Escape and OK back to the main menu, then Escape and OK to quit.
leave_and_quit || finish
finish
