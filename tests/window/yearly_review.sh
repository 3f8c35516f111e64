#!/usr/bin/env bash
# The yearly review in a real window under its own X server. A new game starts on the last day of
# the game's first year (VORLA2_TEST_LAST_DAY_OF_YEAR=1, see lib/window_test_lib.sh); the day is
# played to its night, whose end-day opens the review over the sunset: the cake, the year's lines
# and statistics, and the continue button at the bottom right. Continue opens the next morning,
# which is the second day of the game. A screenshot of every step lands in /tmp/vorla2-review-*.png.
#
# Usage: yearly_review.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-review
pass_message="the last day of a year, its review, and the morning after the review's continue"
export VORLA2_TEST_LAST_DAY_OF_YEAR=1
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

first_day_to_night || finish
wait_until 60 "the yearly review" on_screen review_page || finish
sleep 1
shot review
on_screen end_game_buttons && fail "the yearly review shows the end-of-game buttons"
read -r r g b <<<"$(pixel 1000 735)"
[ "$r" -lt 100 ] && [ "$b" -lt 100 ] || fail "no continue button at the bottom right of the review ($r $g $b)"

# The continue button's tooltip, then the button: the screen fades and the next morning opens.
point 980 735
sleep 2
shot review-tooltip
mornings=$(grep -c '^Day page: waking up' "$log")
click 980 735
wait_log_line 60 "the review's continue to open the morning" "$mornings" '^Day page: waking up' || finish
point 200 500
sleep 1
shot next-morning
morning=$(grep '^Day page: waking up' "$log" | tail -n1)
case "$morning" in
*", day 2)") ;;
*) fail "the morning after the review is not day 2: $morning" ;;
esac
review_page && fail "the review is still drawn over the morning"

# Escape and OK back to the main menu, then Escape and OK to quit.
leave_and_quit || finish
finish
