#!/usr/bin/env bash
# A night at the fruit machine in a real window under its own X server, in a private world whose
# event table puts the casino first and open, and whose cheats file makes the player persuasive: a
# new game played to its first evening; the social button opens the chooser on the casino; a friend
# dragged onto it comes along; Socialise opens the machine; higher raises the stake twice; spin
# turns the reels until they stop on the drawn result; stop leaves, and the evening's report opens.
# A screenshot of every step lands in /tmp/vorla2-fruit-*.png.
#
# Usage: fruit_machine.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-fruit
pass_message="the casino chosen, the machine opened, a spin played to its result, and the evening's report"
prepare_world() {
  printf '#,%s\n' persuasion,1.0 charisma,1.0 >"$work/res/data/cheats.txt"
  event_first_every_day GAMBLING casino
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/evening_out_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

new_game_to_first_evening || finish
sleep 1

# The social button opens the chooser; the casino is the first page, or paged to.
chooser_on casino || finish

invite_friends 1 || finish
point 500 60
sleep 0.5
shot chooser

# Socialise: the entry is paid and the machine opens (430 x 360, centred).
click 170 $((384 + 215 - 10 - 32))
point 500 60
wait_log_line 60 "the fruit machine" 0 '^Fruit machine: open' || finish
sleep 1
shot machine
# Buttons along the bottom of the client area: stop, higher, lower, spin (80 wide, 90 apart).
by=504
click 467 $by
sleep 0.3
click 467 $by
point 500 60
sleep 0.5
click 647 $by
point 500 60
sleep 2
shot spinning
wait_log_line 60 "the spin to stop on its result" 0 '^Fruit machine: spin ' || finish
sleep 0.5
shot spun
grep '^Fruit machine: spin ' "$log" | tail -n1 | grep -q ' 4$' || fail "the stake was not raised to 4: $(grep '^Fruit machine: spin ' "$log" | tail -n1)"

# Escape leaves the machine where it is (it asks about leaving the game instead; a second Escape
# answers no); stop leaves it and the evening's report opens.
xdotool key Escape
sleep 1
shot escape
log_has 0 '^Fruit machine: left' && fail "Escape closed the machine"
xdotool key Escape
sleep 1
reports=$(grep -c '^Post-mortem: casino' "$log")
click 377 $by
point 500 60
wait_log_line 60 "the machine to close" 0 '^Fruit machine: left' || finish
wait_log_line 60 "the evening's report" "$reports" '^Post-mortem: casino' || finish
sleep 1.5
shut_hints || finish
shot report
running || fail "the game ended"
finish
