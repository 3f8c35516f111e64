#!/usr/bin/env bash
# The end of the game in a real window under its own X server. A new game starts on the last day of
# the game's tenth year (VORLA2_TEST_LAST_DAY_OF_YEAR=10, see lib/window_test_lib.sh); the day is
# played to its night, whose end-day opens the end-of-game page: the review's page without its
# continue icon, with "Main menu" and "Play on" on the panel. "Play on" finishes that night and
# opens the next morning at once (the second day, not a third: no second night). The page's other
# button is end_of_game_menu.sh's. A screenshot of every step lands in /tmp/vorla2-endgame-*.png.
#
# Usage: end_of_game.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-endgame
pass_message="the end of the game, and playing on into the next morning"
export VORLA2_TEST_LAST_DAY_OF_YEAR=10
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# new_game_to_the_end: from the main menu into a new game, its day played to the end-of-game page.
new_game_to_the_end() {
  local mornings
  mornings=$(grep -c '^Day page: waking up' "$log")
  new_game_from_menu || return 1
  wait_log_line 60 "New game to open a morning page" "$mornings" '^Day page: waking up' || return 1
  point 200 500
  day_play_to_night || return 1
  wait_until 60 "the end-of-game page" on_screen end_game_buttons || return 1
  review_page || fail "no birthday cake on the end-of-game page"
}

xdotool windowfocus --sync "$wid" 2>/dev/null
point 200 500
new_game_to_the_end || finish
sleep 1
shot end-of-game
read -r r g b <<<"$(pixel 1000 735)"
[ "$r" -lt 100 ] && [ "$b" -lt 100 ] && fail "a continue icon at the bottom right of the end-of-game page"

# Play on: the rest of the night, then the next morning.
mornings=$(grep -c '^Day page: waking up' "$log")
click 530 621
wait_log_line 60 "Play on to open the morning" "$mornings" '^Day page: waking up' || finish
point 200 500
sleep 1
shot played-on
morning=$(grep '^Day page: waking up' "$log" | tail -n1)
case "$morning" in
*", day 2)") ;;
*) fail "the morning after playing on is not day 2: $morning" ;;
esac
on_screen end_game_buttons && fail "the end-of-game page is still drawn over the morning"

# Escape and OK back to the main menu, then Escape and OK to quit.
leave_and_quit || finish
finish
