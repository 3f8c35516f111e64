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
  printf '#,persuasion,1.0\n#,charisma,1.0\n#,cooking,0.4\n#,guitar,0.3\n#,chess,0.6\n#,dancing,0.2\n' \
    >"$work/res/data/cheats.txt"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# The friend column as the game lays it out (see people.sh).
friends=$(sed -n 's/^GV_INITIALFRIENDS=\([0-9]*\).*/\1/p' "$src/data/config.txt")
friend_y() { echo $((384 - 35 * friends + 25 + 70 * $1)); }
friend_x() { awk -v y="$(friend_y "$1")" 'BEGIN { printf "%d", 538 + sqrt(460 * 460 + (384 - y) ^ 2) - 460 }'; }
page_button() {
  local r g b
  read -r r g b <<<"$(pixel 1000 735)"
  [ "$r" -lt 100 ] && [ "$b" -lt 100 ]
}
# hint_at X Y: a hint window's red close button ringed at that point; shut_hint X Y closes it.
hint_at() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2")"
  [ "$r" -gt 170 ] && [ "$g" -lt 120 ] && [ "$b" -lt 100 ]
}
no_hint_at() { ! hint_at "$@"; }
shut_hint() {
  on_screen hint_at "$1" "$2" || return 0
  click $(($1 + 7)) "$2"
  point 500 60
  wait_until 30 "the hint at $1,$2 to close" on_screen no_hint_at "$1" "$2"
}
# The chooser: 340 wide at the left edge, 430 high round the middle; its title bar's frame.
chooser_shown() { log_has "$1" '^Social chooser: ' && ! on_screen evening_only; }
evening_only() { ! differs "$evening_shot" 300x380+20+200 3000; }
report_shown() {
  local r g b
  read -r r g b <<<"$(pixel 52 300)"
  log_has "$1" '^Post-mortem: .*guest'
}
shown_type() { grep '^Social chooser: ' "$log" | grep -v ' invited$' | tail -n1 | sed 's/^Social chooser: //'; }

xdotool windowfocus --sync "$wid" 2>/dev/null
point 200 100
new_game_from_menu || finish
wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || finish
pages() { grep -c -- '^Day page: ' "$log"; }
for _ in $(seq 6); do
  on_screen evening_panel && break
  wait_until 60 "the page's button" on_screen page_button || finish
  close_hint || finish
  before=$(pages)
  click 980 735
  point 500 60
  wait_until 60 "the next page or the evening" page_or_evening "$before" || finish
  running || { fail "the game ended during the day"; finish; }
done
wait_until 60 "the evening's control panel" on_screen evening_panel || finish
sleep 1
shot evening-skills
evening_shot=$(keep)
# The skills panel in the bottom-left corner: six skills in one column, 205 wide and 216 high.
differs "$src/data/bitmaps/menu_strip.png" 1x1+0+0 0 >/dev/null 2>&1
not_town() {
  local r g b
  read -r r g b <<<"$(pixel 100 700)"
  [ $((r + g + b)) -gt 200 ]
}
not_town || fail "no skills panel at the bottom left: $(pixel 100 700)"

# The social button (the third of the strip) opens the chooser.
opened=$(grep -c '^Social chooser: ' "$log")
click 766 737
point 500 60
wait_log_line 30 "the social chooser" "$opened" '^Social chooser: ' || finish
sleep 0.5
shut_hint 808 182 || finish
shot chooser
first=$(shown_type)

# The right arrow key pages on; then the arrow button at the chooser's top right.
before=$(grep -c '^Social chooser: ' "$log")
xdotool key Right
wait_log_line 30 "the right arrow key to page" "$before" '^Social chooser: ' || finish
second=$(shown_type)
[ "$second" != "$first" ] || fail "the right arrow key did not page ($first)"
before=$(grep -c '^Social chooser: ' "$log")
click 294 252
point 500 60
wait_log_line 30 "the arrow button to page" "$before" '^Social chooser: ' || finish
sleep 0.3
shot chooser-paged

# A friend dragged from the column and let go over the chooser joins the guests (the player is
# persuasive; should one still say no, the next is tried).
invited=$(grep -c '^Social chooser: .* invited$' "$log")
for i in $(seq 0 $((friends - 1))); do
  point "$(friend_x "$i")" "$(friend_y "$i")"
  xdotool mousedown 1
  sleep 0.2
  xdotool mousemove --window "$wid" 250 300
  sleep 0.2
  xdotool mousemove --window "$wid" 170 330
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
  shut_hint 650 142 || finish
  # A refusal speaks in a message box of its own: Escape closes it.
  log_has "$invited" '^Social chooser: .* invited$' && break
  xdotool key Escape
  sleep 0.3
done
log_has "$invited" '^Social chooser: .* invited$' || fail "no friend joined the chooser's guests"
point 500 60
sleep 0.5
shot friend-invited

# Socialise: the evening runs and its report opens.
reports=$(grep -c '^Post-mortem: .*guest' "$log")
click 170 $((384 + 215 - 10 - 32))
point 500 60
wait_log_line 60 "the evening's report" "$reports" '^Post-mortem: .*guest' || finish
sleep 1.5
shut_hint 908 182 || finish
shut_hint 908 182 || finish
sleep 0.5
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

# Continue closes the report; the evening is back, its slot spent.
click 980 735
point 500 60
wait_until 60 "the report to close" on_screen evening_panel || finish
sleep 1
shot after-report
grep -q "^STAND-IN: GUI_PostMortem\|^STAND-IN: GUI_Skills\|^STAND-IN: GUI_SocialActivityChooser" "$log" &&
  fail "a replaced screen still says it is a stand-in"
running || fail "the game ended"
finish
