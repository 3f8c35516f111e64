#!/usr/bin/env bash
# What the real program costs when nothing moves, in a real window under its own X server (Mesa's
# software GL): the CPU it uses per wall second on the idle main menu, on a still morning page and
# on a still evening screen, and how long it takes to end after SIGTERM. The goals: at most 10% of
# a core on the main menu and 15% on a still in-game screen; gone within a second of a kill.
#
# Usage: bench/window_cpu.sh <vorla2 executable> <source dir> [seconds per measure, default 10]
# VORLA2_DRAW_EVERY_FRAME=1 in the environment measures the game drawing every frame, for
# comparison.
set -u

seconds=${3:-10}
pass_message="measured (the figures above)"
keep_every_frame=${VORLA2_DRAW_EVERY_FRAME:-}
source "$(dirname "${BASH_SOURCE[0]}")/../tests/window/lib/window_test_lib.sh"
window_test_start "$1" "$(realpath "$2")"
[ -n "$keep_every_frame" ] && echo "(drawing every frame)"
find_log || { fail "no debug log"; finish; }
wait_main_menu || { fail "no main menu"; finish; }

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }

# measure NAME: CPU seconds per wall second over the measuring time, with the mouse still.
measure() {
  local before after start end
  before=$(cpu_ticks)
  start=$(date +%s.%N)
  sleep "$seconds"
  after=$(cpu_ticks)
  end=$(date +%s.%N)
  awk -v n="$1" -v a="$after" -v b="$before" -v t="$ticks" -v s="$start" -v e="$end" \
    'BEGIN { printf "%-18s %5.1f%% of a core (%.1f s)\n", n, 100 * (a - b) / t / (e - s), e - s }'
}

# The pointer rests in a corner where it touches no button.
xdotool windowfocus --sync "$wid" 2>/dev/null
point 1010 10
sleep 3
measure "main menu"

click 512 704
wait_log 0 '^Day page: waking up' || { fail "New game opened no morning page"; finish; }
point 1010 10
sleep 2
measure "morning page"

# Through the day's pages to the evening: a press that opens no new page has started it.
for _ in $(seq 6); do
  before=$(grep -c -- '^Day page: ' "$log")
  click 980 735
  sleep 0.8
  [ "$(grep -c -- '^Day page: ' "$log")" -gt "$before" ] || break
done
point 1010 10
sleep 2
measure "evening screen"

# SIGTERM ends the game as a normal quit does; how long it takes, to the log's last line.
start=$(date +%s.%N)
kill -TERM "$game_pid"
for _ in $(seq 2000); do
  running || break
  sleep 0.01
done
end=$(date +%s.%N)
running && { fail "still running 20 s after SIGTERM"; finish; }
wait "$game_pid"
code=$?
game_pid=""
awk -v s="$start" -v e="$end" -v c="$code" -v l="$(tail -n1 "$log")" \
  'BEGIN { printf "%-18s %5.2f s, exit code %d, log ends \"%s\"\n", "end after SIGTERM", e - s, c, l }'
finish
