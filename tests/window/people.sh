#!/usr/bin/env bash
# The town's people on the in-game screen, in a real window under its own X server: a new game
# played to the evening shows the player's friends in a column round the avatar; a click on a
# friend lays out that friend's acquaintances; a right click opens the friend's person window,
# whose two tabs are looked at in turn; a right click on the window closes it. A screenshot of
# every step lands in /tmp/vorla2-people-*.png.
#
# Usage: people.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-people
pass_message="the friend column, a friend's acquaintances, the person window and its two tabs"
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# Sky is bluer than it is red; a face, a bar or a window is not.
not_sky() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2")"
  [ "$b" -lt $((r + 20)) ]
}

# The friend column as the game lays it out: n friends from 35n - 25 above the avatar's height
# (384), 70 apart, curving right the further they are from the point (998, 384).
friends=$(sed -n 's/^GV_INITIALFRIENDS=\([0-9]*\).*/\1/p' "$src/data/config.txt")
friend_y() { echo $((384 - 35 * friends + 25 + 70 * $1)); }
friend_x() { awk -v y="$(friend_y "$1")" 'BEGIN { printf "%d", 538 + sqrt(460 * 460 + (384 - y) ^ 2) - 460 }'; }

# The main menu's "New game", then the day's pages to the evening; each step waits for what it
# looks for, so a slow machine only takes longer.
xdotool windowfocus --sync "$wid" 2>/dev/null
point 200 100
new_game_from_menu || finish
wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || finish
day_to_evening 200 100 || finish

# The friend column: every friend's face where the layout puts it.
shot friend-column
for i in $(seq 0 $((friends - 1))); do
  not_sky "$(friend_x "$i")" "$(friend_y "$i")" || fail "no friend's icon at $(friend_x "$i"),$(friend_y "$i")"
done
column_shot=$(keep)

# Resting the mouse on the first friend brings up the icon's tooltip under it.
point "$(friend_x 0)" "$(friend_y 0)"
sleep 3
shot friend-tooltip
point 200 100
sleep 0.5

# A click on the middle friend: its acquaintances stand in a column at x 385.
mid=$((friends / 2))
click "$(friend_x "$mid")" "$(friend_y "$mid")"
sleep 0.3
point 200 100
sleep 0.5
shot acquaintances
acquaintances_shot=$(keep)
# The town behind moves (clouds, a passing helicopter), but a column of faces changes far more.
differs "$column_shot" 64x620+353+80 1500 || fail "no acquaintance icon at x 385 after clicking a friend"

# A right click on the friend: the person window opens at the mouse, on the summary tab.
x=$(friend_x "$mid")
y=$(friend_y "$mid")
point "$x" "$y"
xdotool click 3
sleep 0.5
point $((x + 330)) $((y + 240))
sleep 0.3
shot person-summary
wx=$((x < 654 ? x : 654))
wy=$((y < 508 ? y : 508))
window_box="200x200+$((wx + 85))+$((wy + 50))"
differs "$acquaintances_shot" "$window_box" 3000 || fail "no person window at $wx,$wy"

# The interests tab: its button sits on the frame, right of the summary's.
click $((wx + 10 + 220)) $((wy + 51 - 5))
sleep 0.3
point $((wx + 330)) $((wy + 240))
sleep 0.3
shot person-interests

# A right click on the window closes it; the friend's icon shows again.
point $((wx + 185)) $((wy + 150))
xdotool click 3
sleep 0.5
point 200 100
sleep 0.3
shot closed
differs "$acquaintances_shot" "$window_box" 3000 && fail "the person window stayed open after a right click on it"
running || fail "the game ended"
finish
