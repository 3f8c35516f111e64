#!/usr/bin/env bash
# The royalty report in a real window under its own X server. A saved game (tests/fixtures/savegame/
# royalties_due.xml) with two royalty streams is loaded from the load menu on the last day of its
# week and played to the next evening: the night pays the week's cheques, and the phone's royalty
# statement opens the report with both cheques and their total. Screenshots land in
# /tmp/vorla2-royalties-*.png.
#
# Usage: royalty_report.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-royalties
pass_message="a save loaded, its week's cheques paid overnight, the phone's statement opens the report"
prepare_world() {
  put_save royalties_due.xml "royalties due"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

load_first_save || finish
mornings=$(grep -c -- '^Day page: waking up' "$log")
day_play_to_night || finish
wait_log_line 60 "the next morning" "$mornings" '^Day page: waking up' || finish
grep -q '^Royalties: .* paid this week' "$log" || fail "no royalties paid at the end of the week"
# The phone is in reach in the evening.
day_to_evening 500 100 || finish

# P: the inbox; its rows opened from the top (others closed with Escape) until the statement.
inboxes=$(grep -c '^Inbox: ' "$log")
xdotool key p
wait_log_line 10 "P to open the inbox" "$inboxes" '^Inbox: ' || finish
sleep 1
found=""
for row in $(seq 0 10); do
  # A friend's first-time hint (the cold shoulder) can come up over the evening and hold the clicks.
  shut_hint 632 142 || finish
  shut_hint 632 162 || finish
  opened=$(grep -c '^Phone message opened: ' "$log")
  click 150 $((164 + 127 + 14 + 32 * row))
  point 500 100
  wait_log_line 10 "row $row to open its message" "$opened" '^Phone message opened: ' || break
  if grep '^Phone message opened: ' "$log" | tail -n1 | grep -q 'type 5 '; then
    found=yes
    break
  fi
  sleep 0.3
  xdotool key Escape
  sleep 0.3
done
[ -n "$found" ] || { fail "no royalty statement in the inbox"; finish; }
wait_log_line 10 "the royalty report" 0 '^Royalty report: 2 cheques' || finish
sleep 1
shot royalty-report

# Escape closes the report.
xdotool key Escape
sleep 1
finish
