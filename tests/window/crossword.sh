#!/usr/bin/env bash
# The crossword in a real window under its own X server, in a private world whose solo table
# offers the easy crossword every evening and whose easy word list holds two clues with known
# answers: a new game played to its first evening, the solo chooser's start button on the
# crossword opens it; the answer typed on the keyboard solves it; its close button shuts it. The
# next evening's crossword is left alone until the stopwatch runs out, then closed. Screenshots
# land in /tmp/vorla2-crossword-*.png.
#
# Usage: crossword.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-crossword
pass_message="a crossword typed and solved, one left to time out, both closed"
prepare_world() {
  local table list
  table=$(replace_data simulation/solo_activities.csv)
  {
    echo 'The test table: the easy crossword every evening, and an early night.'
    echo '#,,crossword,Do the crossword,"A pencil and the crossword.",puzzler,0,Call(easycrossword),1,default,0,1,0,-1,-1,1,1,1,1,1,1,1,,"happiness,0.02,0.7",#'
    echo '#,,earlynight,Early night,"Lights out early.",sleepyhead,0,,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,,"tiredness,-0.08,0.6",#'
  } >"$table"
  list=$(replace_data simulation/easy_crossword.txt)
  {
    echo 'The test list: two clues with known answers.'
    echo '#,901,lemon,A sour yellow fruit'
    echo '#,902,piano,Instrument with black and white keys'
  } >"$list"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/solo_evening_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# The crossword, 420 x 355 in the middle of the 1024 x 768 picture: its close button's red at the
# top right, centred at 691,237.
crossword_close_red() { red_at 682 237; }
crossword_gone() { ! crossword_close_red; }

# crossword_evening: the chooser from the control panel (on the crossword, the first row) and its
# start button; the crossword's dialog on screen.
crossword_evening() {
  local before
  open_solo_chooser || return 1
  grep '^Solo chooser: ' "$log" | tail -n1 | grep -q 'crossword' || { fail "the chooser did not open on the crossword"; return 1; }
  before=$(grep -c '^Crossword: clue [0-9]* (easy)' "$log")
  click 235 547
  point 200 500
  wait_log_line 60 "the crossword" "$before" '^Crossword: clue [0-9]* (easy)' || return 1
  wait_until 60 "the crossword's dialog" on_screen crossword_close_red
}
clue_id() { grep '^Crossword: clue [0-9]* (easy)' "$log" | tail -n1 | sed 's/^Crossword: clue \([0-9]*\).*/\1/'; }
close_crossword() {
  click 691 237
  point 200 500
  wait_until 60 "the crossword to close" on_screen crossword_gone
}

xdotool windowfocus --sync "$wid" 2>/dev/null
point 200 500
new_game_from_menu || finish
wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || finish
day_to_evening || finish

# The first evening: the answer typed as a player types it.
crossword_evening || finish
sleep 1
shot clue
id=$(clue_id)
case "$id" in
  901) answer=lemon ;;
  902) answer=piano ;;
  *) fail "an unknown clue $id"; finish ;;
esac
xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool type --delay 150 "$answer"
wait_log_line 20 "the typed answer to solve clue $id" 0 "^Crossword: clue $id solved" || finish
sleep 1
shot solved
close_crossword || finish

# The next crossword (the other clue) is left alone until time runs out.
on_to_next_evening || finish
crossword_evening || finish
second=$(clue_id)
[ "$second" != "$id" ] || fail "the same clue was given twice"
sleep 5
shot ticking
wait_log_line 40 "the stopwatch to run out" 0 "^Crossword: clue $second timed out" || finish
sleep 1
shot timed-out
close_crossword || finish
finish
