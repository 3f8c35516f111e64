#!/usr/bin/env bash
# Web surfing and the television in a real window under its own X server, in a private world whose
# solo table offers only surfing, the television and an early night: a new game played to its first
# evening; from the solo chooser the web screen opens and a website is clicked; then the remote
# slides up, a cable channel is refused (the remote stays), Escape slides it away and the evening is
# still free, and from the chooser again a free channel is watched. When the first evening has one
# slot only, the day is ended and the television waits for the next evening. Screenshots land in
# /tmp/vorla2-web_and_tv-*.png.
#
# Usage: web_and_tv.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-web_and_tv
pass_message="the web screen and a website, the remote, a cable channel refused, Escape, a free channel"
prepare_world() {
  solo_table '#,,surfweb,Surf the web,"Links and more links.",web surfer,0,Call(surfweb),1,default,0,0,0,-1,-1,1,1,1,1,1,1,1,,"boredom,-0.03,0.7",#' \
    '#,TVINSTANCE,watchtv,Watch television,"See what is on.",couch potato,0,,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,,"stress,-0.03,0.6",#'
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/solo_evening_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# The remote's rows: 629 high from the bottom, channels from 80 down its face, 370 / 7 apart.
channel_y() { awk -v k="$1" 'BEGIN { printf "%d", 768 - 629 + 80 + k * 370 / 7 + 25 }'; }
# The first cable channel's row and a free one's, from the game's own table.
cable_row=$(grep -a '^#' "$src/data/simulation/tvchannels.csv" | awk -F, '$5 == 1 { print NR - 1; exit }')
free_row=$(grep -a '^#' "$src/data/simulation/tvchannels.csv" | awk -F, '$5 == 0 { print NR - 1; exit }')

# remote_up N: the chooser's start button, and the remote's N+1st coming out.
remote_up() {
  click 235 547
  point 700 60
  wait_log_line 60 "the remote" "$1" '^Television: the remote comes out' || return 1
  sleep 1.2  # half a second to slide up
}

xdotool windowfocus --sync "$wid" 2>/dev/null
point 200 100
new_game_from_menu || finish
wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || finish
day_to_evening 500 60 || finish

# The web screen.
solo_chooser_on surfweb || finish
click 235 547
point 700 60
wait_log_line 60 "the web screen" 0 '^Web: the browser opens on ' || finish
sleep 1
shot web
grep -q '^Web: the browser opens on 6 websites' "$log" || fail "the web screen did not show six websites"
# The first website: the left column's top row (172..502 across, 178..292 down).
point 337 235
sleep 0.5
shot website_hovered
click 337 235
point 700 60
wait_log_line 60 "a website clicked" 0 '^Web: an evening on ' || finish
sleep 1
shot after_web

# One evening slot on the first day: the day ends and the television waits for the next evening.
if [ "$(solo_evenings_left)" -le 0 ]; then
  wait_until 60 "the end-of-day arrow" on_screen day_arrow || finish
  click 988 737
  point 200 500
  wait_log_line 60 "the next morning" 1 '^Day page: waking up' || finish
  day_to_evening 500 60 || finish
fi

# The remote, a cable channel refused, Escape.
evenings=$(grep -c '^Solo evening: watchtv' "$log")
solo_chooser_on watchtv || finish
remote_up 0 || finish
shot remote
point 256 "$(channel_y "$cable_row")"
sleep 3  # the warning's tooltip comes after the mouse has rested a moment
shot cable_hovered
click 256 "$(channel_y "$cable_row")"
point 700 60
wait_log_line 60 "the cable channel refused" 0 '^Television: .* needs cable' || finish
sleep 0.5
shot cable_refused
grep -q '^Television: the remote is put away' "$log" && fail "the refusal put the remote away"
xdotool key Escape
wait_log_line 60 "Escape to put the remote away" 0 '^Television: the remote is put away' || finish
sleep 1.2
shot remote_away
[ "$(grep -c '^Solo evening: watchtv' "$log")" -eq "$evenings" ] || fail "putting the remote away used the evening"

# The evening is still free: the chooser again, and a free channel watched.
solo_chooser_on watchtv || finish
remote_up 1 || finish
click 256 "$(channel_y "$free_row")"
point 700 60
wait_log_line 60 "a free channel watched" 0 '^Television: an evening of ' || finish
wait_log_line 60 "the evening in front of the set" "$evenings" '^Solo evening: watchtv' || finish
sleep 1.2
shot watched
running || fail "the game ended"
finish
