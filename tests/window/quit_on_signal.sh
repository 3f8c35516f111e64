#!/usr/bin/env bash
# SIGTERM and SIGINT end the game as a normal quit does, from the main menu and from inside a game:
# exit code 0, the player's options written, the debug log closed with its last line. (How quickly
# is measured in bench/window_cpu.sh; here the game only has to end in a generous while.)
#
# Usage: quit_on_signal.sh <vorla2 executable> <source dir>
# window-test: sanitizer build too
set -u

pass_message="SIGTERM on the main menu and SIGINT in a game quit cleanly"
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"

# ends_cleanly SIGNAL WHERE: sends the signal and checks how the game ended.
ends_cleanly() {
  local options="$user/player_options.txt"
  # Written at start-up too: remove it, so that only the quit can have written it again.
  rm -f "$options"
  kill "-$1" "$game_pid"
  expect_exit 20 "SIG$1 $2" "a signal must end the game as a normal quit does"
  [ -n "$code" ] || return
  local last
  last=$(tail -n1 "$log")
  [ "$last" = "END DEBUG---" ] || fail "after SIG$1 $2 the debug log ends with \"$last\""
  grep -q "^Quitting on signal " "$log" || fail "after SIG$1 $2 the log does not say a signal ended the game"
  [ -f "$options" ] || fail "after SIG$1 $2 the options were not written"
}

window_test_start "$@"
find_log || { fail "no debug log"; finish; }
wait_main_menu || { fail "no main menu"; finish; }
ends_cleanly TERM "on the main menu"

# Again, into a new game; the last run's log goes, so that only this run's is read.
rm -f "$log"
game_start
find_log || { fail "no debug log"; finish; }
wait_main_menu || { fail "no main menu"; finish; }
xdotool windowfocus --sync "$wid" 2>/dev/null
new_game_from_menu || finish
wait_log 0 '^Day page: waking up' || { fail "New game opened no morning page"; finish; }
ends_cleanly INT "in a game"
finish
