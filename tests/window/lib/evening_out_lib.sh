# The steps of an evening out that the window tests share, sourced after window_test_lib.sh: a new
# game played to its first evening, the social chooser's hints shut, friends dragged from the
# friend column onto the chooser.

# The friend column as the game lays it out (see people.sh).
friends=$(sed -n 's/^GV_INITIALFRIENDS=\([0-9]*\).*/\1/p' "$src/data/config.txt")
friend_y() { echo $((384 - 35 * friends + 25 + 70 * $1)); }
friend_x() { awk -v y="$(friend_y "$1")" 'BEGIN { printf "%d", 538 + sqrt(460 * 460 + (384 - y) ^ 2) - 460 }'; }
page_button() {
  local r g b
  read -r r g b <<<"$(pixel 1000 735)"
  [ "$r" -lt 100 ] && [ "$b" -lt 100 ]
}
# hint_at X Y: a hint window's red close button ringed at that point; shut_hint X Y closes it.
hint_at() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2")"
  [ "$r" -gt 170 ] && [ "$g" -lt 120 ] && [ "$b" -lt 100 ]
}
no_hint_at() { ! hint_at "$@"; }
shut_hint() {
  local _
  for _ in 1 2 3 4; do
    on_screen hint_at "$1" "$2" || return 0
    click $(($1 + 7)) "$2"
    point 500 60
    sleep 1
  done
  on_screen hint_at "$1" "$2" && fail "the hint at $1,$2 does not close" && return 1
  return 0
}
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
shown_type() { grep '^Social chooser: ' "$log" | grep -v ' invited$' | tail -n1 | sed 's/^Social chooser: //'; }

# new_game_to_first_evening: from the main menu, a new game's first day paged through to its
# evening's control panel. Returns 1 (after a failure) when a step does not come.
new_game_to_first_evening() {
  local before
  xdotool windowfocus --sync "$wid" 2>/dev/null
  point 200 100
  new_game_from_menu || return 1
  wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || return 1
  for _ in $(seq 6); do
    on_screen evening_panel && break
    wait_until 60 "the page's button" on_screen page_button || return 1
    close_hint || return 1
    before=$(grep -c -- '^Day page: ' "$log")
    click 980 735
    point 500 60
    wait_until 60 "the next page or the evening" page_or_evening "$before" || return 1
    running || { fail "the game ended during the day"; return 1; }
  done
  wait_until 60 "the evening's control panel" on_screen evening_panel
}

# invite_friends N: friends dragged from the column and let go over the chooser until N joined the
# guests (the player is persuasive; should one still say no, the next is tried). Fails only when
# nobody joined.
invite_friends() {
  local invited i
  invited=$(grep -c '^Social chooser: .* invited$' "$log")
  for i in $(seq 0 $((friends - 1))); do
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
