# Helpers for the window tests of an evening alone that opens a dialog of its own (sourced after
# window_test_lib.sh).

# red_at X Y: the pixel is the red of a dialog's close button.
red_at() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2")"
  [ "$r" -gt 170 ] && [ "$g" -lt 120 ]
}

# open_solo_chooser: the control panel's solo button, the chooser's first-time hint closed.
open_solo_chooser() {
  local before
  before=$(grep -c '^Solo chooser: ' "$log")
  click 692 737
  point 200 500
  wait_log_line 60 "the solo chooser" "$before" '^Solo chooser: ' || return 1
  wait_until 60 "the solo chooser's start button" on_screen is_gold 95 547 || return 1
  close_hint 181 790
}

# solo_chooser_on ACTIVITY: the solo chooser opened and paged on with its next arrow until it shows
# the activity.
solo_chooser_on() {
  local before _
  open_solo_chooser || return 1
  for _ in 1 2 3 4 5; do
    grep '^Solo chooser: ' "$log" | tail -n1 | grep -q ": $1\$" && return 0
    before=$(grep -c '^Solo chooser: ' "$log")
    click 424 262
    point 500 60
    wait_log_line 60 "the solo chooser's next arrow" "$before" '^Solo chooser: ' || return 1
  done
  grep '^Solo chooser: ' "$log" | tail -n1 | grep -q ": $1\$" && return 0
  fail "the chooser never showed $1"
  return 1
}

# on_to_next_evening: when the day's evening slots are used, the end-of-day arrow and the next day
# played to its evening; otherwise nothing.
on_to_next_evening() {
  [ "$(solo_evenings_left)" = "1" ] && return 0
  wait_until 60 "the end-of-day arrow" on_screen day_arrow || return 1
  click 988 737
  point 200 500
  day_to_evening
}
