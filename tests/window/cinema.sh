#!/usr/bin/env bash
# A night at the cinema in a real window under its own X server, in a private world whose event
# table puts the cinema first, and whose cheats file makes the player persuasive
# and a film buff (film knowledge 1.0: every review readable): a new game played to its first
# evening; the social chooser paged to the cinema; a friend dragged onto it comes along; Socialise
# opens the film chooser with its stars lit; unticking popcorn dims the tub; the arrow shows the
# next film; watch runs the evening and its report opens.
# A screenshot of every step lands in /tmp/vorla2-cinema-*.png.
#
# Usage: cinema.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-cinema
pass_message="the cinema chosen, the film chooser with lit stars, popcorn declined, a film watched and the evening's report"
prepare_world() {
  printf '#,%s\n' persuasion,1.0 charisma,1.0 glob_movieknowledge,1.0 >"$work/res/data/cheats.txt"
  local table
  table=$(replace_data simulation/social_events.csv)
  # The cinema (open from the start, every day) first among the rows. The table is Windows-1252:
  # grep reads it as text.
  {
    grep -av '^#' "$src/data/simulation/social_events.csv"
    grep -a '^#,MOVIE,cinema,' "$src/data/simulation/social_events.csv"
    grep -a '^#' "$src/data/simulation/social_events.csv" | grep -av '^#,MOVIE,cinema,'
  } >"$table"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

source "$(dirname "${BASH_SOURCE[0]}")/lib/evening_out_lib.sh"

new_game_to_first_evening || finish
sleep 1

chooser_on cinema || finish

invite_friends 1 || finish
point 500 60
sleep 0.5
shot social

# Socialise: the film chooser opens (750 x 340, centred: 137,214 - 887,554) with its hint beside.
click 170 $((384 + 215 - 10 - 32))
point 500 60
wait_log_line 60 "the film chooser" 0 '^Film chooser: open' || finish
sleep 1
shut_hint 830 182 || finish
sleep 0.5
shot chooser

# Stars along the review panel's bottom (centres 432..592 at y 422): lit, not faint outlines. A
# lit star is white or gold; a faint one is the dialog showing through a dark film.
star_lit() {
  local r g b
  read -r r g b <<<"$(pixel "$1" 424)"
  [ "$r" -gt 200 ] && [ "$g" -gt 150 ]
}
for x in 432 472 512 552 592; do
  on_screen star_lit "$x" || fail "the star at $x is not lit: $(pixel "$x" 424)"
done

# The popcorn tick (its box at the left of 387,464 - 719,479): the tub dims.
with_popcorn=$(keep)
click 395 471
point 500 60
sleep 1
shot no-popcorn
differs "$with_popcorn" 116x200+739+329 400 || fail "the popcorn tub did not dim"

# The next arrow (825,281 - 858,313) shows the second film.
click 841 297
point 500 60
wait_log_line 60 "the second film" 0 '^Film chooser: 1 ' || finish
sleep 0.5
shot second-film

# Watch (387,500 - 719,524): the film runs and the evening's report opens.
reports=$(grep -c '^Post-mortem: cinema' "$log")
click 553 512
point 500 60
wait_log_line 60 "the film to be watched" 0 '^Film chooser: watching ' || finish
wait_log_line 60 "the evening's report" "$reports" '^Post-mortem: cinema' || finish
sleep 1.5
close_report_hint || finish
shot report
running || fail "the game ended"
finish
