#!/usr/bin/env bash
# A social evening in a real window under its own X server, in a private world whose cheats file
# gives the player a handful of skills and a persuasive manner: a new game played to its first
# evening shows the skills panel; the control panel's social button opens the social chooser; the
# right arrow key and the arrow button page through what is on; a friend dragged from the friend
# column onto the chooser takes a place; Socialise runs the evening and its report opens; a click
# on another guest's face shows that guest's opinion; the continue button closes the report. A
# screenshot of every step lands in /tmp/vorla2-social-*.png.
#
# Usage: social_evening.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-social
pass_message="the skills panel, the social chooser paged, a friend invited, the evening's report and another guest's opinion"
prepare_world() {
  printf '#,%s\n' persuasion,1.0 charisma,1.0 exp_cooking,0.4 music_guitar,0.3 chess,0.6 dancing,0.2 \
    painting,0.5 language_french,0.3 kungfu,0.2 bowling,0.3 basic_physics,0.2 xp_writing,0.4 \
    music_piano,0.1 language_italian,0.2 photography,0.3 first_aid,0.5 gardening,0.2 \
    >"$work/res/data/cheats.txt"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/evening_out_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

new_game_to_first_evening || finish
sleep 1
shot evening-skills
evening_shot=$(keep)
# The skills panel in the bottom-left corner: its rows of skills where the town would show.
not_town() {
  local r g b
  read -r r g b <<<"$(pixel 100 700)"
  [ $((r + g + b)) -gt 200 ]
}
not_town || fail "no skills panel at the bottom left: $(pixel 100 700)"

# Sixteen skills: two columns of seven and the expand button at the panel's top right (the panel is
# 375 wide and 246 high); expanded, a third column shows the rest, 545 wide.
click 350 547
point 500 60
sleep 1
shot skills-expanded
expanded() {
  local r g b
  read -r r g b <<<"$(pixel 450 600)"
  [ $((r + g + b)) -gt 450 ] && [ $((r - b)) -lt 80 ]
}
on_screen expanded || fail "the skills panel did not widen to a third column: $(pixel 450 600)"
click 520 547
point 500 60
sleep 1
on_screen expanded && fail "the skills panel did not fold back to two columns"

# The social button (the third of the strip) opens the chooser.
opened=$(grep -c '^Social chooser: ' "$log")
click 766 737
point 500 60
wait_log_line 30 "the social chooser" "$opened" '^Social chooser: ' || finish
shut_hints || finish
shot chooser
first=$(shown_type)

# The right arrow key pages on; then the arrow button at the chooser's top right.
before=$(grep -c '^Social chooser: ' "$log")
xdotool key Right
wait_log_line 30 "the right arrow key to page" "$before" '^Social chooser: ' || finish
second=$(shown_type)
[ "$second" != "$first" ] || fail "the right arrow key did not page ($first)"
shut_hints || finish
before=$(grep -c '^Social chooser: ' "$log")
click 294 252
point 500 60
wait_log_line 30 "the arrow button to page" "$before" '^Social chooser: ' || finish
past_own_screens || finish
sleep 0.3
shot chooser-paged

# Two friends join the guests, so that the report has another guest to look at.
invite_friends 2 || finish
point 500 60
sleep 0.5
shot friend-invited

# Socialise: the evening runs and its report opens.
reports=$(grep -c '^Post-mortem: .*guest' "$log")
click 170 $((384 + 215 - 10 - 32))
point 500 60
wait_log_line 60 "the evening's report" "$reports" '^Post-mortem: .*guest' || finish
sleep 1.5
shut_hints || finish
shot report
report_shot=$(keep)
guests=$(grep '^Post-mortem: .*guest' "$log" | tail -n1 | sed 's/.*, \([0-9]*\) guest.*/\1/')
[ "${guests:-0}" -ge 1 ] || fail "the report has no guests"

# Another guest's face (or the same one again with a single guest) shows that guest's opinion.
k=$((guests > 1 ? 1 : 0))
opinions=$(grep -c "^Post-mortem: .*'s opinion" "$log")
click 52 $((384 - 36 * guests - 80 + 76 * k + 36))
point 500 60
wait_log_line 30 "another guest's opinion" "$opinions" "^Post-mortem: .*'s opinion" || finish
sleep 0.5
shot report-other-guest

# A fortune cookie lies by the Chinese restaurant's report: resting the mouse on it reads the fortune.
if grep '^Post-mortem: .*guest' "$log" | tail -n1 | grep -q chineserestaurant; then
  point 412 736
  sleep 3
  shot fortune-cookie
  point 500 60
fi

# Continue closes the report; the in-game screen is back, the evening's slot spent.
closed=$(grep -c '^Post-mortem: closed' "$log")
click 980 735
point 500 60
wait_log_line 60 "the report to close" "$closed" '^Post-mortem: closed' || finish
sleep 1.5
shot after-report
grep -q "^STAND-IN: GUI_PostMortem\|^STAND-IN: GUI_Skills\|^STAND-IN: GUI_SocialActivityChooser" "$log" &&
  fail "a replaced screen still says it is a stand-in"
running || fail "the game ended"
finish
