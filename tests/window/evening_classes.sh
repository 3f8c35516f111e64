#!/usr/bin/env bash
# The evening classes in a real window under its own X server, in a private world whose class table
# runs two adult courses every evening, and whose cheats file has the player all but through the
# second. On the first evening the control panel's evening-class button opens the school picker,
# the adult school its class list, and Enrol signs up for cookery, which ends the day. On the next
# evening the class's note is up; it opens the solo chooser on the class, the lesson runs and its
# report is closed. The third evening enrols in painting, and the fourth evening's lesson finishes
# that course: the diploma. Screenshots land in /tmp/vorla2-classes-*.png.
#
# Usage: evening_classes.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-classes
pass_message="picker, school, class list, enrol; the note, the chooser, a lesson and its report; a second course finished with its diploma"
prepare_world() {
  local table
  table=$(replace_data simulation/eveningclasses.csv)
  {
    echo 'The test table: two adult courses every evening.'
    echo '#,ADULT,adult_cookery,"Knife skills, sauces and a proper Sunday roast.","ApplyEffect(exp_cooking,0.05,1.0,Cookery);",12,-1,-1,1,1,1,1,1,1,1,,#,0.05'
    echo '#,ADULT,adult_painting,"Washes, skies and the patience to let the paper dry.","ApplyEffect(painting,0.05,1.0,Painting);",9,-1,-1,1,1,1,1,1,1,1,,#,0.5'
  } >"$table"
  printf '#,adult_painting,0.95\n' >"$work/res/data/cheats.txt"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# A hint window whose top left is at X, Y, closed if it is up (it can take a click or two while it
# fades in).
shut_hint_window() {
  local _
  for _ in $(seq 20); do
    on_screen hint_window_at "$1" "$2" || return 0
    click $(($1 + 277)) $(($2 + 22))
    point 500 60
    until_shown 2 not_hint_window_at "$1" "$2" && return 0
  done
  fail "the hint at $1,$2 did not close"
  return 1
}
# A lesson can bring a new acquaintance: the message (centred, its close button ringed at 683,315)
# is closed before the day is.
end_day() {
  sleep 1
  shut_hint 683 315 || return 1
  wait_until 60 "the end-of-day arrow" on_screen day_arrow || return 1
  click 988 737
  point 200 500
}
# enrol_in NAME: the evening-class button, the picker (its hint closed), the adult school, and the
# Enrol button of the class the list proposes, which must be NAME.
enrol_in() {
  local before
  before=$(grep -c '^Evening schools: the picker opens' "$log")
  click 618 737
  point 500 60
  wait_log_line 60 "the school picker" "$before" '^Evening schools: the picker opens' || return 1
  sleep 1
  shut_hint_window 560 160 || return 1
  shot picker
  before=$(grep -c '^Evening classes: page ' "$log")
  click 625 472
  point 500 60
  wait_log_line 60 "the adult school's classes" "$before" '^Evening classes: page ' || return 1
  grep '^Evening classes: page ' "$log" | tail -n1 | grep -q "$1 proposed" || fail "the list did not propose $1"
  sleep 1
  shut_hint_window 560 160 || return 1
  point 500 320
  shot classes
  before=$(grep -c "^Enrolled in the evening class $1" "$log")
  click 662 594
  point 200 500
  wait_log_line 60 "the enrolment" "$before" "^Enrolled in the evening class $1" || return 1
}
# The first note's place (top left 111, 84; 155 square) and the second's (232, 84): note yellow.
note_at() {
  local r g b
  read -r r g b <<<"$(pixel "$1" 200)"
  [ "$r" -gt 200 ] && [ "$g" -gt 180 ] && [ "$b" -lt 150 ]
}
# lesson NOTE_X NAME: the note clicked, the chooser on the class (its hint closed), the start button;
# the lesson's report opens.
lesson() {
  local before
  wait_until 60 "the class's note" on_screen note_at "$1" || return 1
  # A hint that came up in the evening (a friend's cold shoulder) takes the click until closed.
  close_hint 162 || return 1
  close_hint || return 1
  shot note
  before=$(grep -c "^Solo chooser: $2" "$log")
  click "$1" 200
  point 200 500
  wait_log_line 60 "the chooser on the class" "$before" "^Solo chooser: $2" || return 1
  wait_until 60 "the solo chooser's start button" on_screen is_gold 95 547 || return 1
  close_hint 181 790 || return 1
  shot chooser
  before=$(grep -c '^Evening class report: ' "$log")
  click 235 547
  point 500 60
  wait_log_line 60 "the lesson's report" "$before" '^Evening class report: ' || return 1
  sleep 1
  close_hint 52 || return 1
}

xdotool windowfocus --sync "$wid" 2>/dev/null
point 200 500
new_game_from_menu || finish
wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || finish

# Evening 1: enrol in cookery; that ends the day.
day_to_evening || finish
enrol_in adult_cookery || finish
# Enrolling wrote the week's lessons on the calendar, and its first-time hint came up.
shut_hint_window 440 140 || finish
end_day || finish

# Evening 2: the note, the chooser, the lesson and its report.
day_to_evening || finish
lesson 188 adult_cookery || finish
grep '^Evening class report: ' "$log" | tail -n1 | grep -q '(progress)' || fail "the first lesson did not show its progress"
shot report
click 620 497
point 200 500
end_day || finish

# Evening 3: enrol in painting.
day_to_evening || finish
enrol_in adult_painting || finish
end_day || finish

# Evening 4: the painting lesson finishes the course.
day_to_evening || finish
lesson 310 adult_painting || finish
grep '^Evening class report: ' "$log" | tail -n1 | grep -q '(diploma)' || fail "the last lesson did not bring the diploma"
grep -q '^Evening class completed: adult_painting' "$log" || fail "the course was not completed"
shot diploma
click 512 539
point 200 500
end_day || finish
finish
