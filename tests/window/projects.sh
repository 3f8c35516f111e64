#!/usr/bin/env bash
# The long projects in a real window under its own X server, in a private world whose solo table
# offers the theory and the story every evening: a new game played to its first evening, the solo
# chooser on the theory shows the theory's panel (title, progress, bar); its start button runs the
# evening and the theory's progress dialog opens; its close button shuts it. The next evening the
# chooser's arrow moves on to the story, whose evening opens the story's dialog with the contacts.
# Screenshots land in /tmp/vorla2-projects-*.png.
#
# Usage: projects.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-projects
pass_message="the theory's panel, the theory dialog, the story dialog, both closed"
# project_table SECOND THIRD: the theory first, then the other two rows in the order given.
project_table() {
  local -A rows=(
    [story]='#,,story,Investigate a story,"Follow the leads.",reporter,0,Call(investigatestory),0,story,0,0,0,-1,-1,1,1,1,1,1,1,1,,"tiredness,0.04,0.6",#'
    [earlynight]="$early_night_row"
  )
  {
    echo 'The test table: the theory and the story every evening, and an early night.'
    echo '#,,sciencetheory,Work on your theory,"Out with the notebooks.",thinker,0,Call(developtheory),0,sciencetheory,0,0,0,-1,-1,1,1,1,1,1,1,1,,"tiredness,0.04,0.6",#'
    echo "${rows[$1]}"
    echo "${rows[$2]}"
  } >"$table"
}
prepare_world() {
  table=$(replace_data simulation/solo_activities.csv)
  project_table story earlynight
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/solo_evening_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# A project dialog, 460 x 360 in the middle of the 1024 x 768 picture: its close button's red at
# the top right, centred at 711,235.
dialog_close_red() { red_at 702 235; }
dialog_gone() { ! dialog_close_red; }

# project_evening LOGLINE NAME: the start button, the project's dialog, a screenshot, its close.
project_evening() {
  local before
  before=$(grep -c "$1" "$log")
  click 235 547
  point 200 500
  wait_log_line 60 "the $2 evening" "$before" "$1" || return 1
  wait_until 60 "the $2 dialog" on_screen dialog_close_red || return 1
  sleep 1
  shot "$2"
  click 711 235
  point 200 500
  wait_until 60 "the $2 dialog to close" on_screen dialog_gone
}

xdotool windowfocus --sync "$wid" 2>/dev/null
point 200 500
new_game_from_menu || finish
wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || finish
day_to_evening || finish
open_solo_chooser || finish
grep '^Solo chooser: ' "$log" | tail -n1 | grep -q 'sciencetheory' || fail "the chooser did not open on the theory"
sleep 1
shot panel
project_evening '^Theory details: ' theory || finish

# The evening's slots used, the day ends; the next evening the arrow moves on to the story.
on_to_next_evening || finish
open_solo_chooser || finish
before=$(grep -c '^Solo chooser: ' "$log")
click 424 262
point 200 500
wait_log_line 60 "the chooser's next arrow" "$before" '^Solo chooser: ' || finish
grep '^Solo chooser: ' "$log" | tail -n1 | grep -q 'story' || fail "the arrow did not move on to the story"
sleep 1
shot story-panel
project_evening '^Story details: ' story || finish
finish
