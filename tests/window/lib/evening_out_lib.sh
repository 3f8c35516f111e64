# The steps of an evening out that the window tests share, sourced beside window_test_lib.sh: an
# event made first and open every day, a new game played to its first evening, the social chooser
# paged to an event with its hints shut, friends dragged from the friend column onto the chooser.

# The friend column as the game lays it out (see people.sh).
friend_count() { sed -n 's/^GV_INITIALFRIENDS=\([0-9]*\).*/\1/p' "$src/data/config.txt"; }
friend_y() { echo $((384 - 35 * $(friend_count) + 25 + 70 * $1)); }
friend_x() { awk -v y="$(friend_y "$1")" 'BEGIN { printf "%d", 538 + sqrt(460 * 460 + (384 - y) ^ 2) - 460 }'; }
# shut_hints: every hint the social screens bring up, closed (they hold the clicks): the chooser's
# (its window at 520,160), the friend tints' (362,120) and the report's two (620,160, one above the
# other). Looked for twice, as one may come a frame after another closed.
shut_hints() {
  local _
  for _ in 1 2; do
    sleep 0.5
    shut_hint 790 182 || return 1
    shut_hint 632 142 || return 1
    shut_hint 890 182 || return 1
  done
}
# kind_of NAME: the kind of an event (its table row's first field), e.g. RESTAURANT.
kind_of() { grep -a "^#,[A-Z_]*,$1," "$src/data/simulation/social_events.csv" | head -n1 | cut -d, -f2; }
shown_type() { grep '^Social chooser: ' "$log" | grep -v ' invited$' | tail -n1 | sed 's/^Social chooser: //'; }

# event_first_every_day KIND NAME (in prepare_world): the private world's event table with the row
# KIND,NAME first, open from the start (no unlock points) and on every day of the week.
event_first_every_day() {
  local table row
  table=$(replace_data simulation/social_events.csv)
  row="^#,$1,$2,"
  {
    grep -a -v '^#' "$src/data/simulation/social_events.csv"
    grep -a "$row" "$src/data/simulation/social_events.csv" |
      awk -F, 'BEGIN { OFS = "," } { $8 = "0"; for (d = 21; d <= 27; ++d) $d = "1"; print }'
    grep -a '^#' "$src/data/simulation/social_events.csv" | grep -a -v "$row"
  } >"$table"
}

# chooser_on NAME...: the social button opens the chooser, its hints shut, paged right until it
# shows one of the events NAME.
shows_one_of() {
  local shown name
  shown=$(shown_type)
  for name in "$@"; do [ "$shown" = "$name" ] && return 0; done
  return 1
}
chooser_on() {
  local opened before _
  opened=$(grep -c '^Social chooser: ' "$log")
  click 766 737
  point 500 60
  wait_log_line 30 "the social chooser" "$opened" '^Social chooser: ' || return 1
  shut_hints || return 1
  for _ in $(seq 30); do
    shows_one_of "$@" && return 0
    before=$(grep -c '^Social chooser: ' "$log")
    xdotool key Right
    wait_log_line 30 "the right arrow key to page" "$before" '^Social chooser: ' || return 1
  done
  shows_one_of "$@" && return 0
  fail "the chooser never showed $*"
  return 1
}

# past_own_screens: the chooser paged on past the evenings that open a screen of their own (a
# restaurant, the cinema, the tables), so that Socialise goes straight to the evening's report.
past_own_screens() {
  local before _
  for _ in $(seq 30); do
    case "$(kind_of "$(shown_type)")" in
      RESTAURANT | MOVIE | GAMBLING) ;;
      *) return 0 ;;
    esac
    before=$(grep -c '^Social chooser: ' "$log")
    xdotool key Right
    wait_log_line 30 "the right arrow key to page" "$before" '^Social chooser: ' || return 1
  done
  fail "every evening on offer opens a screen of its own"
  return 1
}

# invite_friends N: friends dragged from the column and let go over the chooser until N joined the
# guests (the player is persuasive; should one still say no, the next is tried). Fails only when
# nobody joined.
invite_friends() {
  local invited i
  invited=$(grep -c '^Social chooser: .* invited$' "$log")
  for i in $(seq 0 $(($(friend_count) - 1))); do
    point "$(friend_x "$i")" "$(friend_y "$i")"
    xdotool mousedown 1
    sleep 0.2
    xdotool mousemove --window "$wid" 250 300
    sleep 0.2
    xdotool mousemove --window "$wid" 170 330
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
    shut_hints || return 1
    log_has $((invited + $1 - 1)) '^Social chooser: .* invited$' && return 0
  done
  log_has "$invited" '^Social chooser: .* invited$' && return 0
  fail "no friend joined the chooser's guests"
  return 1
}
