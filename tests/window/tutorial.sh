#!/usr/bin/env bash
# Takes the tutorial in a real window under its own X server, as a player would, with the mouse:
# the main menu's "Tutorial" button starts it and its first window shows; a control-panel button
# that the step does not allow refuses the click (nothing opens, the step stays); the window's
# Next button moves on exactly one step; Escape leaves the tutorial for the main menu, where the
# game is no longer in progress (Escape and OK there end the program). A screenshot of every step
# lands in /tmp/vorla2-tutorial-*.png.
#
# The tutorial says in the debug log which step it runs ("Tutorial step <n>: <script>") and when
# it ends ("Tutorial ended"), so the script follows it from the log; the screen is checked where a
# player would look (the main menu's buttons, the tutorial window and its Next button). Every
# click waits until its target is drawn, however slow the machine; each wait fails after a minute.
#
# Usage: tutorial.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-tutorial
pass_message="main menu, tutorial's first window, a refused button, Next one step, Escape to the menu"
extra_tools=compare
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# Where the mouse rests between clicks, so that its cursor and any hover stay out of the checks:
# open sky, clear of the menu's buttons, the tutorial's windows and the in-game panels. It moves
# there only once a click has shown its effect: the game reads the pointer once a frame, so on a
# slow frame a click and the move after it arrive together and the click lands where it rests.
park() { point 200 500; }
# changed A B: how many pixels differ noticeably between two screenshots.
changed() {
  compare -metric AE -fuzz 8% "$1" "$2" null: 2>&1 | awk '{ printf "%d\n", $1 }'
}
steps() { grep -c -- '^Tutorial step ' "$log"; }
# next_button: "y" of the middle of the open tutorial window's Next button in the last screenshot,
# or nothing. Every tutorial window of these steps is 450 wide with its right edge at x 737, and
# its Next button spans x 577..717 at the bottom; the window's height follows its text, so the
# button is looked for down a column through it: the longest run of button gold.
next_button() {
  convert "$last_shot" -crop 1x490+600+150 +repage -depth 8 txt:- |
    awk -F'[(),: ]+' 'NR > 1 {
        y = $2 + 150; r = $3; g = $4; b = $5
        gold = r > 190 && g > 150 && r - b > 60
        if (gold) { if (run == 0) start = y; run++; next }
        # A button is a short gold run inside the window; an evening sky is a long one.
        if (run >= 8 && run <= 40 && run > best) { best = run; top = start }
        run = 0
      }
      END { if (best >= 8) print top + int(best / 2) }'
}
# next_shown: whether the last screenshot shows a tutorial window with a Next button; sets next_y.
next_shown() {
  next_y=$(next_button)
  [ -n "$next_y" ]
}
# second_step_shown: a tutorial window with a Next button that differs from the first step's.
second_step_shown() {
  next_shown && [ "$(changed "$refused_shot" "$last_shot")" -gt 500 ]
}

# The main menu: polled until its buttons have risen into place.
xdotool windowfocus --sync "$wid" 2>/dev/null
park
wait_until 60 "the main menu's buttons" on_screen main_menu_shown || finish
shot menu
menu_shot=$(keep)

# The tutorial, the left-hand button of the strip: the tutorial starts its own game and shows the
# first step's window, centred, with its Next button.
click 44 735
wait_log_line 60 "the Tutorial button to start the tutorial" 0 '^Tutorial step 1: ' || finish
park
wait_until 60 "the first step's window with its Next button" on_screen next_shown || finish
# The sky blends from the menu's day into the hour's colours over three seconds: let it settle.
sleep 3.5
shot first-step
first_shot=$(keep)
last_shot=$first_shot
first_next=$(next_button)
[ -n "$first_next" ] || fail "the first step's window has no Next button"
read -r r g b <<<"$(pixel 295 250)"
[ "$r" -gt 230 ] && [ "$g" -gt 220 ] && [ "$b" -gt 180 ] || fail "no tutorial window in the middle (pixel $r $g $b)"
first_step=$(grep '^Tutorial step ' "$log" | tail -n1)
echo "first step:  $first_step"

# The first step allows only its Next button. The control panel's solo button (which would open
# the solo activity chooser) and its leave-game button (which would ask whether to leave) refuse the
# click: nothing opens and the step stays.
choosers=$(grep -cE '^(Evening|Solo) chooser: ' "$log")
click 692 737
sleep 1
click 914 737
sleep 1
park
sleep 0.8
shot refused-clicks
refused_shot=$(keep)
running || { fail "the game ended after a refused click"; finish; }
[ "$(steps)" -eq 1 ] || fail "a refused click moved the tutorial on: $(grep '^Tutorial step ' "$log" | tail -n1)"
[ "$(grep -cE '^(Evening|Solo) chooser: ' "$log")" -eq "$choosers" ] || fail "a refused click opened the evening chooser"
moved=$(changed "$first_shot" "$last_shot")
[ "${moved:-0}" -lt 8000 ] || fail "the screen changed after refused clicks ($moved pixels)"

# Next: exactly one step on. Had the refused clicks gone through, their windows would have opened
# before this step's line (the game takes the clicks in order).
click 647 "$first_next"
wait_log_line 60 "Next to move the tutorial on" 0 '^Tutorial step 2: ' || finish
park
wait_until 60 "the second step's window, changed, with its Next button" on_screen second_step_shown || finish
shot second-step
[ "$(steps)" -eq 2 ] || fail "Next moved on more than one step: $(grep '^Tutorial step ' "$log" | tail -n1)"
[ "$(grep -cE '^(Evening|Solo) chooser: ' "$log")" -eq "$choosers" ] || fail "a refused click opened the evening chooser"
second_step=$(grep '^Tutorial step ' "$log" | tail -n1)
echo "second step: $second_step"
[ "$second_step" != "$first_step" ] || fail "the step did not change"

# Escape leaves the tutorial: its window closes and the main menu shows, as it was at the start.
xdotool key Escape
wait_log_line 60 "Escape to end the tutorial" 0 '^Tutorial ended' || finish
wait_until 60 "the main menu after leaving the tutorial" on_screen main_menu_shown || finish
shot back-to-menu
moved=$(changed "$menu_shot" "$last_shot")
[ "${moved:-0}" -lt 8000 ] || fail "the main menu looks different after the tutorial ($moved pixels)"

# No game is in progress: Escape in the main menu asks whether to quit (in a game it would ask to
# leave the game, and OK would only return to the menu); OK ends the program cleanly.
xdotool key Escape
wait_until 60 "Escape in the main menu to ask whether to quit" on_screen question_shown || finish
shot quit-question
click 597 442
expect_exit 60 "confirming the quit" "a game is still in progress"
finish
