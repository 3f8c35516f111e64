#!/usr/bin/env bash
# The bowling team's invitation in a real window under its own X server, in a private world whose
# cheats file makes the player a fine bowler and persuasive, and whose event table puts bowling
# first and open every day: a new game played to its first evening; the social button opens the
# chooser on bowling; a friend comes along; Socialise plays the game and its report opens; the
# report's continue button brings the team's invitation; "Join the team" joins. A screenshot of
# every step lands in /tmp/vorla2-team-*.png.
#
# Usage: team_invite.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-team
pass_message="bowling chosen, its report, the team's invitation, and joining the team"
prepare_world() {
  printf '#,%s\n' bowling,0.9 persuasion,1.0 charisma,1.0 >"$work/res/data/cheats.txt"
  event_first_every_day BOWLING bowling
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/evening_out_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

new_game_to_first_evening || finish
sleep 1

chooser_on bowling || finish
invite_friends 1 || finish
point 500 60

# Socialise plays the game; its report opens.
click 170 $((384 + 215 - 10 - 32))
point 500 60
wait_log_line 60 "the bowling report" 0 '^Post-mortem: bowling' || finish
sleep 1.5
shut_hints || finish
shot report

# The report's continue button (bottom right) brings the invitation: 520 x 300, centred.
click 980 735
point 500 60
wait_log_line 60 "the team's invitation" 0 '^Bowling team: invited' || finish
sleep 1
shot invitation
accept_gold() { is_gold 700 492; }
on_screen accept_gold || fail "no \"Join the team\" button at the invitation's lower right: $(pixel 700 492)"

click 637 492
point 500 60
wait_log_line 60 "joining the team" 0 '^Bowling team: joined' || finish
sleep 1
shot joined
running || fail "the game ended"
finish
