#!/usr/bin/env bash
# Starts the game in a real window under its own X server, as a player would: the window appears
# with a 1024x768 client area, the main menu's backdrop is drawn, the frame loop sleeps while the
# game idles, and Escape (confirmed) ends it cleanly (exit code 0, the debug log closed, the user
# folder made).
#
# Usage: startup_and_escape.sh <vorla2 executable> <source dir>
# window-test: sanitizer build too
set -u

shot_copy=/tmp/vorla2-startup.png
pass_message="window, main menu, idle, Escape"
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"

size=$(xwininfo -id "$wid" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "1024x768" ] || fail "client area is $size, not 1024x768"

find_log || fail "no debug log"

# The loading bar passes, however long it takes on a busy machine; once the main menu's buttons
# are drawn, look at what the whole menu draws.
point 200 500
wait_until 60 "the main menu's three buttons" on_screen main_menu_shown
import -window "$wid" "$work/shot.png" 2>/dev/null || fail "no screenshot"
if [ -f "$work/shot.png" ]; then
  cp "$work/shot.png" "$shot_copy"
  deviation=$(convert "$work/shot.png" -colorspace Gray -format '%[fx:standard_deviation]' info:)
  colours=$(convert "$work/shot.png" -format '%k' info:)
  mean=$(convert "$work/shot.png" -colorspace Gray -format '%[fx:mean]' info:)
  awk -v d="$deviation" -v c="$colours" -v m="$mean" 'BEGIN { exit !(d > 0.02 && c > 16 && m > 0.05) }' ||
    fail "the main menu looks blank (deviation $deviation, $colours colours, mean $mean)"
fi

[ -n "$log" ] && { grep -q '^Vorla 2 Debug File\. App version ' "$log" || fail "no banner in the debug log"; }

# Idle in the main menu the frame loop sleeps between its frames. What this guards is a loop that
# never sleeps: its thread then takes a whole core. The game's main thread alone is measured (the
# GL driver's own threads are not the loop), and only a whole core fails, so a slow or busy machine
# or a sanitizer build cannot (on a busy machine a spinning loop may get less and pass: the guard
# is for the machine that has a core to give). What idling costs is measured in bench/.
ticks=$(getconf CLK_TCK)
loop_cpu() { awk '{print $14 + $15}' "/proc/$game_pid/task/$game_pid/stat"; }
before=$(loop_cpu)
sleep 5
after=$(loop_cpu)
share=$(awk -v a="$after" -v b="$before" -v t="$ticks" 'BEGIN {printf "%.2f", (a - b) / t / 5}')
echo "main thread idling in the main menu: $share of a core"
awk -v s="$share" 'BEGIN { exit !(s <= 0.9) }' || fail "the idle main menu's loop spins: its thread used $share of a core"

# Escape in the main menu asks whether to quit; the question's OK button quits.
xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool key Escape
until_shown 60 question_shown || fail "Escape in the main menu asked nothing"
click 597 442
expect_exit 30 Escape

if [ -n "$log" ]; then
  last=$(tail -n1 "$log")
  [ "$last" = "END DEBUG---" ] || fail "the debug log ends with \"$last\""
fi

[ -f "$user/player_actions.txt" ] || fail "no player_actions.txt in the user folder"
for sub in savegames avatars mods mods/layers mods/classes mods/jobs mods/scripts mods/bitmaps; do
  [ -d "$user/$sub" ] || fail "no user folder \"$sub\""
done
finish
