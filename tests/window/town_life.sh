#!/usr/bin/env bash
# Town life on the phone, in a real window under its own X server. The test world offers a special
# event every evening and makes friends keen to invite the player. A new game is played to its first
# evening: the phone rings, P slides the inbox up, the messages are opened from the top until the
# event's ticket shows, the event is attended and its report continued. A screenshot of every step
# lands in /tmp/vorla2-town-life-*.png.
#
# Usage: town_life.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-town-life
pass_message="the ringing phone, the inbox, a special event's ticket attended to its report, an invitation accepted to its report"

# The test world: an event every evening, invitations likely.
prepare_world() {
  local config
  config=$(replace_data config.txt)
  sed -e 's/^SPECIAL_EVENT_TRIGGER=.*/SPECIAL_EVENT_TRIGGER=0/' \
      -e 's/^GV_NPC_INVITEPROB=.*/GV_NPC_INVITEPROB=1/' \
      "$src/data/config.txt" >"$config"
}

source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

new_game_to_first_evening 500 100 || finish

# The evening begins: the event's message is waiting and the phone rings (its screen blinks, and a
# slow machine may sample it dark many times over).
wait_until 60 "the phone to light up" on_screen phone_lit || finish
shot phone-ringing

# P: the inbox slides up from the bottom edge in half a second.
inboxes=$(grep -c '^Inbox: ' "$log")
xdotool key p
wait_log_line 10 "P to open the inbox" "$inboxes" '^Inbox: ' || finish
sleep 0.2
shot inbox-rising
sleep 0.8
shot inbox
inbox_up || fail "no inbox at the bottom left after P"

# The rows from the top: each opens its window; a person's message is closed with Escape, until
# the ticket of the special event is up.
found=""
for row in $(seq 0 10); do
  opened=$(grep -c '^Phone message opened: ' "$log")
  click 150 $((164 + 127 + 14 + 32 * row))
  point 500 100
  wait_log_line 10 "row $row to open its message" "$opened" '^Phone message opened: ' || break
  if grep '^Phone message opened: ' "$log" | tail -n1 | grep -q 'type 7 '; then
    found=yes
    break
  fi
  sleep 0.3
  shot "message-$row"
  xdotool key Escape
  sleep 0.3
done
[ -n "$found" ] || { fail "no special event's message in the inbox"; finish; }
sleep 0.5
shot ticket

# Attend: the evening goes to the event and its report opens; continue closes it.
click 662 502
point 500 100
wait_log_line 10 "Attend to open the event's report" 0 '^Special event report: ' || finish
sleep 0.5
shot event-report
click 980 735
point 500 100
sleep 1
shot after-report
running || { fail "the game ended"; finish; }

# The event took the day's last activity: the moon ends the day. The next days are played to
# their evenings until a friend's invitation is in the inbox (friends who have not seen the player
# for a day or more invite; the test world makes them keen).
click 988 737
point 500 100
wait_log_line 60 "the second morning" 1 '^Day page: waking up' || finish
evening_invitation 8 || finish
sleep 0.5
shot invitation

# The first invitation brings its hint above the dialog; it is closed first.
sleep 0.3
close_hint 52 || finish
shot invitation-read

# Accept: the screen fades, the evening runs and its report opens.
reports=$(grep -c '^Post-mortem: ' "$log")
click 712 512
point 500 100
wait_log_line 20 "Accept to run the evening to its report" "$reports" '^Post-mortem: ' || finish
sleep 1.5
shot invitation-report
close_report_hint || finish
click 980 735
point 500 100
sleep 1
shot after-invitation
running || fail "the game ended"
finish
