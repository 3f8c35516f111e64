#!/usr/bin/env bash
# The video game in a real window under its own X server, in a private world whose solo table
# offers the video game first: a new game played to its first evening, the control panel's solo
# button opens the chooser on the game, its start button opens the game's intro; a click in the sky
# starts it, the mouse aims the crosshair (it follows, the close button stays grey) and clicks fire
# volleys, until the time is up and the result shows; the close button then shuts the window and
# uses up the evening. Screenshots land in /tmp/vorla2-videogame-*.png.
#
# Usage: video_game.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-videogame
pass_message="the first evening, the chooser on the video game, the intro, aimed and fired, the result, closed"
prepare_world() {
  solo_table "$(grep -a '^#,,videogame,' "$src/data/simulation/solo_activities.csv")"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# The game's window, 700 x 500 in the middle of the screen: (162,134) to (862,634); the sky, its
# play area, from (182,192) to (842,614); the close button at its top right.
close_x=831
close_y=165
close_red() {
  local r g b
  read -r r g b <<<"$(pixel $((close_x - 11)) "$close_y")"
  [ "$r" -gt 170 ] && [ "$g" -lt 120 ]
}
# The sky's blue at a point.
sky_at() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2")"
  [ "$b" -gt 150 ] && [ "$b" -gt $((r + 40)) ]
}
sky_shown() { sky_at 200 560 && sky_at 830 560; }
# The crosshair's red upright above the point X Y.
crosshair_at() {
  local x y r g b
  for y in $(($2 - 20)) $(($2 - 18)) $(($2 - 16)); do
    for x in $(($1 - 1)) "$1" $(($1 + 1)); do
      read -r r g b <<<"$(pixel "$x" "$y")"
      [ "$r" -gt 170 ] && [ "$g" -lt 110 ] && [ "$b" -lt 110 ] && return 0
    done
  done
  return 1
}

new_game_to_first_evening 200 500 || finish

opened=$(grep -c '^Solo chooser: ' "$log")
click 692 737
point 500 60
wait_log_line 60 "the solo chooser" "$opened" '^Solo chooser: ' || finish
wait_until 60 "the solo chooser's start button" on_screen is_gold 95 547 || finish
close_hint 181 790 || finish
shot chooser
grep '^Solo chooser: ' "$log" | tail -n1 | grep -q 'videogame' || fail "the chooser did not open on the video game"

click 235 547
point 500 60
wait_log_line 60 "the video game" 0 '^Video game: open' || finish
wait_until 60 "the sky" on_screen sky_shown || finish
sleep 1
shot intro
on_screen close_red && fail "the close button is enabled in the intro"
# Escape does not leave the game before it is over.
xdotool key Escape
sleep 0.5
log_has 0 '^Video game: closed' && fail "Escape closed the game before its end"

click 512 420
wait_log_line 30 "the click in the sky to start" 0 '^Video game: started' || finish
# Aimed and fired: the crosshair follows the mouse over the sky, and every click fires a volley.
aims=(300 300 700 260 512 330 420 380 640 300 260 400 760 360 512 280)
fire_volleys() {
  local i
  for ((i = 0; i < ${#aims[@]}; i += 2)); do
    click "${aims[i]}" "${aims[i + 1]}"
    sleep "$1"
  done
}
fire_volleys 0.4
point 600 320
wait_until 10 "the crosshair under the mouse" on_screen crosshair_at 600 320 || finish
xdotool click 1
sleep 0.9
shot playing
on_screen close_red && fail "the close button is enabled during the game"
fire_volleys 0.3

wait_log_line 60 "the end of the game" 0 '^Video game: finished' || finish
wait_until 30 "the close button to turn red" on_screen close_red || finish
point 500 60
sleep 1
shot result
grep '^Video game: finished' "$log" | tail -n1

evenings=$(grep -c '^Solo evening: ' "$log")
click "$close_x" "$close_y"
point 500 60
wait_log_line 30 "the game's window to close" 0 '^Video game: closed' || finish
game_gone() { ! sky_shown; }
wait_until 30 "the game's window to leave the screen" on_screen game_gone || finish
sleep 0.5
shot closed
finish
