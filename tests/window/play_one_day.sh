#!/usr/bin/env bash
# Plays one whole day in a real window under its own X server, as a player would, with the mouse:
# from the main menu into a new game, the way to work changed in the morning's commute chooser,
# through the morning's diary pages, the evening (an evening alone from the control panel's solo
# activity chooser, twice on a two-evening day), the end-of-day prompt and
# the end-day button, to the next morning, whose date has moved on; the second day's pages up to
# the evening, with the after-work page's news of a dirty home. Then Escape asks to leave the game
# and OK goes back to the main menu. A screenshot of every step lands in /tmp/vorla2-day-*.png (or
# $VORLA2_DAY_SHOTS-*.png).
#
# The pages say in the debug log which page opened ("Day page: ..."), so the script knows where the
# day stands without reading the screen. Every click waits until its target is drawn (the menu's
# buttons, a page's big button under its new title, the control panel, the chooser's button, the
# question's OK), however slow the machine, and each wait fails on its own after a minute.
#
# Usage: play_one_day.sh <vorla2 executable> <source dir>
# window-test: sanitizer build too
set -u

shots=${VORLA2_DAY_SHOTS:-/tmp/vorla2-day}
pass_message="main menu, new game, the day's pages, the evening, end day, the next morning and its pages to the after-work page, back to the menu"
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
  read -r r g b <<<"$(pixel 300 560)"
  [ "$r" -gt 235 ] && [ "$g" -gt 225 ] && [ "$b" -gt 190 ] || return 1
  read -r r g b <<<"$(pixel 1000 735)"
  [ "$r" -lt 100 ] && [ "$b" -lt 100 ] || return 1
  differs "$1" 360x40+125+195
}
# The solo chooser's start button, left of its label.
chooser_open() { is_gold 95 547; }
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
# A home already dirty at the start: the night's dirt step leaves news for the second day's
# after-work page. The file lands in the private world's data folder, never in the repository.
printf '#,glob_dirt,0.6
' >"$work/res/data/cheats.txt"
new_game_from_menu || finish
wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || finish
park
wait_until 60 "the first morning's page" on_screen page_drawn "$menu_shot" || finish
shot wake-up
page_shot=$(keep)
first_morning=$(grep '^Day page: waking up' "$log" | tail -n1)
echo "first morning: $first_morning"

# The way to work: the morning page's "Change how you travel" opens the chooser over the page (its
# gold choose button across the middle of the screen), with its hint above it, closed once read); the right arrow shows the next way, the bus,
# and the choose button takes it, which closes the chooser over the morning page again.
chooser_shown() { is_gold 300 487; }
chooser_gone() { ! chooser_shown && page_drawn "$menu_shot"; }
click 275 452
park
wait_until 60 "the commute chooser" on_screen chooser_shown || finish
shot commute-chooser
close_hint 52 || finish
chooser_shot=$(keep)
click 740 322
park
wait_until 60 "the chooser's next way to work" on_screen differs "$chooser_shot" 540x40+232+290 || finish
shot commute-chooser-bus
click 512 487
park
wait_until 60 "the chooser to close after the choice" on_screen chooser_gone || finish

# The day's pages: each has its one big button at the bottom right. A press that opens no new page
# has started the evening.
play_pages() {
  local before page
  for _ in $(seq 6); do
    before=$(pages)
    click 980 735
    wait_until 60 "a new page or the evening after the page's button" page_or_evening "$before" || return 1
    park
    [ "$(pages)" -gt "$before" ] || return 0
    page=$(grep '^Day page: ' "$log" | tail -n1 | sed 's/^Day page: \([a-z ]*\) (.*/\1/; s/ /-/g')
    wait_until 60 "the page \"$page\"" on_screen page_drawn "$page_shot" || return 1
    # The first work day's hint: looked at, then closed.
    if on_screen hint_shown; then
      shot "$page-hint"
      close_hint || return 1
    fi
    shot "$page"
    page_shot=$(keep)
  done
  fail "no evening after the day's pages"
  return 1
}
play_pages || finish

# The evening: the in-game screen with the control panel.
shot evening

# One evening alone per evening slot, from the control panel's solo button: the chooser opens on
# the first activity of the evening (cleaning), the arrows page on and back, on again, and the start
# button spends the slot on the second activity, so the home stays dirty for the next day.
for _ in 1 2; do
  choosers=$(grep -c '^Solo chooser: ' "$log")
  click 692 737
  wait_log_line 60 "the solo button to open the chooser" "$choosers" '^Solo chooser: ' || finish
  park
  wait_until 60 "the solo chooser's start button" on_screen chooser_open || finish
  if on_screen hint_shown 181 790; then
    shot solo-chooser-hint
    close_hint 181 790 || finish
  fi
  shot evening-chooser
  first=$(grep '^Solo chooser: ' "$log" | tail -n1)
  pages=$(grep -c '^Solo chooser: ' "$log")
  click 424 262
  wait_log_line 60 "the chooser's next arrow" "$pages" '^Solo chooser: ' || finish
  park
  shot evening-chooser-next
  pages=$(grep -c '^Solo chooser: ' "$log")
  click 45 262
  wait_log_line 60 "the chooser's previous arrow" "$pages" '^Solo chooser: ' || finish
  park
  [ "$(grep '^Solo chooser: ' "$log" | tail -n1)" = "$first" ] || fail "the arrows did not come back to the first activity"
  pages=$(grep -c '^Solo chooser: ' "$log")
  click 424 262
  wait_log_line 60 "the chooser's next arrow again" "$pages" '^Solo chooser: ' || finish
  park
  evenings=$(grep -c '^Solo evening: ' "$log")
  click 235 547
  wait_log_line 60 "the evening alone" "$evenings" '^Solo evening: ' || finish
  grep '^Solo evening: ' "$log" | tail -n1 | grep -vq '^Solo evening: clean ' || fail "the start button cleaned the house"
  park
  left=$(grep '^Solo evening: ' "$log" | tail -n1 | sed 's/.*today: \([0-9-]*\)).*/\1/')
  [ "$left" -le 0 ] && break
  wait_until 60 "the chooser to close over the control panel" on_screen chooser_closed_panel || finish
done

# The day is over: the prompt's gold arrow points at the end-day button.
wait_until 60 "the end-of-day arrow" on_screen day_arrow || finish
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

# The second day: the home got dirty in the night, so after the trip home the after-work page tells
# of it before the evening.
page_shot=$(keep)
play_pages || finish
grep -q '^Day page: after work' "$log" || fail "no after-work page on the second day"
shot second-evening

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
