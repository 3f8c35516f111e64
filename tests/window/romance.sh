#!/usr/bin/env bash
# Romance in a real window under its own X server. A saved game (tests/fixtures/savegame/
# romance_ready.xml) whose player has met an old friend, Rebecca, four times is loaded from the load
# menu; the test world makes friends keen to invite and a romance easy to start. The days are played
# to their evenings until Rebecca's invitation is in the inbox; accepted, the evening runs to its
# report, after which she speaks up: the offer, accepted, puts a heart on her contact icon, and the
# heart opens the romance's summary. A screenshot of every step lands in /tmp/vorla2-romance-*.png.
#
# Usage: romance.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-romance
pass_message="a save loaded, the friend's invitation accepted to its report, the romance offer accepted, the heart's summary"

prepare_world() {
  local config
  config=$(replace_data config.txt)
  sed -e 's/^GV_NPC_INVITEPROB=.*/GV_NPC_INVITEPROB=1/' \
      -e 's/^GV_ROMANCE_BEGIN_THRESHHOLD=.*/GV_ROMANCE_BEGIN_THRESHHOLD=0.05/' \
      "$src/data/config.txt" >"$config"
  put_save romance_ready.xml "romance ready"
}

source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# The offer's two gold buttons.
offer_shown() { is_gold 400 442 && is_gold 625 442; }
not_offer_shown() { ! offer_shown; }

load_first_save || finish
sleep 1
shot loaded

# The saved day and those after it to their evenings until Rebecca invites (she may on the saved
# day itself). The other friend may invite first and take her along, so an evening can pass without
# her invitation: the days allowed are enough for the game's unseeded draws to bring one.
evening_invitation 9 "Rebecca Farmer" || finish
sleep 0.5
close_hint 52 || finish
shot invitation

reports=$(grep -c '^Post-mortem: ' "$log")
click 712 512
point 500 100
wait_log_line 20 "Accept to run the evening to its report" "$reports" '^Post-mortem: ' || finish
sleep 1.5
shot report
close_report_hint || finish
offers=$(grep -c '^Romance offer: ' "$log")
click 980 735
point 500 100
wait_log_line 20 "the romance offer after the report" "$offers" '^Romance offer: Rebecca Farmer' || finish
sleep 1
shot offer

# Yes: she is the partner now. The inbox (still up from the invitation) goes down to show the
# contact icons, the heart beside hers.
click 625 442
point 500 100
wait_until 60 "the offer to close" on_screen not_offer_shown || finish
on_screen inbox_up && xdotool key Escape
sleep 1
shot partner

# The heart above her icon opens the summary of the romance.
click 508 307
point 500 100
wait_log_line 10 "the heart to open the romance's summary" 0 '^Romance summary: Rebecca Farmer' || finish
sleep 1
shot summary
finish
