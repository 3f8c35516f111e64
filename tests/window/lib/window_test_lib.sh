# shellcheck shell=bash
# shellcheck disable=SC2034,SC2154  # variables shared with the scripts that source this file
# What the window tests (tests/window/*.sh) share; each one sources this file. It lives in a folder
# of its own so that CMake does not take it for a test.
#
# window_test_start gives a script a private world (the game's data through symlinks, a home and
# user folder of its own, a window rather than full screen), its own X server, and the game started
# there with its window found. Everything it starts is ended, and the private folder removed, when
# the script exits. The rest are the small verbs the scripts' steps are written in.
#
# A script sets, before window_test_start:
#   pass_message  what the closing "PASS:" line says
#   shots         (optional) where copies of the numbered screenshots of `shot` go:
#                 <shots>-<step>-<name>.png; old ones are removed at the start
#   extra_tools   (optional) tools it needs beyond the X server, xdotool and ImageMagick
#   quiet_alerts  (optional) when set, an alert answers itself and only writes the debug log (an
#                 "Alert" line), as in the tests without a window, instead of showing a message box
#   prepare_world (optional) a function run once the private world is built, before the game
#                 starts: it may write data files there (data/cheats.txt, or replace_data PATH)
# and may use afterwards: exe, src, work (the private folder), user (the game's user folder),
# game_pid, wid (the window), log (after find_log), failures, code (after expect_exit); and
# game_start to start the game again once it has ended.
#
# Every wait here ends as soon as what it waits for has happened; its deadline only tells a hang
# from a slow start, so it is generous: a busy two-core machine running the sanitizer build is slow,
# and a test must not fail for that.

xvfb_pid=""
game_pid=""
wid=""
log=""
failures=0
step=0
last_shot=""

# window_test_start EXE SRC: the private world, the X server and the game in its window. Without a
# window the script ends here, failed.
window_test_start() {
  local usage
  usage="usage: $(basename "$0") <vorla2 executable> <source dir>"
  exe=$(realpath "${1:?$usage}")
  src=$(realpath "${2:?$usage}")

  local tool
  for tool in Xvfb xdotool xwininfo import convert ${extra_tools:-}; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
  done

  work=$(mktemp -d /tmp/vorla2-window-XXXXXX)
  trap cleanup EXIT

  # A private world: the game's data through symlinks (new files land here), a home and user
  # folder of its own, and a window rather than full screen.
  mkdir -p "$work/res/data" "$work/home/.local/share" "$work/home/.config" "$work/home/.cache"
  local entry
  for entry in "$src"/data/*; do
    [ "$(basename "$entry")" = config.ziz ] && continue
    ln -s "$entry" "$work/res/data/"
  done
  printf '[config]\nIsWindowed=1\n' >"$work/res/data/config.ziz"
  # A script that needs the same figure in every new game keeps one preset (one_preset=FILE).
  if [ -n "${one_preset:-}" ]; then
    rm "$work/res/data/avatarpresets"
    mkdir "$work/res/data/avatarpresets"
    ln -s "$src/data/avatarpresets/$one_preset" "$work/res/data/avatarpresets/"
  fi
  export HOME="$work/home"
  export XDG_DATA_HOME="$work/home/.local/share"
  export XDG_CONFIG_HOME="$work/home/.config"
  export XDG_CACHE_HOME="$work/home/.cache"
  export VORLA2_DATA_DIR="$work/res"
  export SDL_AUDIODRIVER=dummy
  # The software renderer draws on the game's own thread: its helper threads cost more processor
  # time than they save on a small picture, and two scripts run side by side.
  export LP_NUM_THREADS=${LP_NUM_THREADS:-0}
  unset VORLA2_HEADLESS VORLA2_NONINTERACTIVE SDL_VIDEODRIVER
  # A script that cannot answer a message box asks for alerts that only write the log.
  [ -n "${quiet_alerts:-}" ] && export VORLA2_NONINTERACTIVE=1
  user="$XDG_DATA_HOME/Vorla 2"

  # Our own X server; the screen is larger than the game's so that a window is allowed.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY

  [ -n "${shots:-}" ] && rm -f "$shots"-*.png
  # A script that needs its own data in the private world defines prepare_world; it runs here,
  # before the game first starts (see replace_data).
  declare -F prepare_world >/dev/null && prepare_world
  # Friends invite the player only in a world whose script writes its own tuning: an invitation a
  # script lets pass snubs the friend, whose cold shoulder (a hint over the screen, the friend's
  # favours withheld for days) then comes at a moment the script cannot foresee.
  if [ -L "$work/res/data/config.txt" ]; then
    sed 's/^GV_NPC_INVITEPROB=.*/GV_NPC_INVITEPROB=0/' "$src/data/config.txt" >"$(replace_data config.txt)"
  fi
  start_game
  [ -n "$wid" ] || { fail "no window titled \"Vorla 2\""; finish; }
}

# game_start: the game started (again, after it ended) in the private world, its window found.
# Without a window the script ends here, failed.
game_start() {
  start_game
  [ -n "$wid" ] || { fail "no window titled \"Vorla 2\""; finish; }
}

# start_game: the game started (again) in the private world; sets game_pid, and wid once its window
# shows (nothing after 20 s or when the game ends first). Its output goes to game.out, replaced.
start_game() {
  # Started from inside the private world: the game opens data paths as given before it looks in
  # its resources folder, so from the source tree it would read (and create files in) the
  # repository's own data/.
  (cd "$VORLA2_DATA_DIR" && exec "$exe") >"$work/game.out" 2>&1 &
  game_pid=$!
  wid=""
  for _ in $(seq 600); do
    wid=$(xdotool search --name '^Vorla 2$' 2>/dev/null | head -n1)
    [ -n "$wid" ] && break
    running || break
    sleep 0.1
  done
}

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}

# replace_data PATH: the private world's data/PATH made a file of its own (returned) in place of the
# link to the game's; the folders on its way become real folders linking to their other entries.
replace_data() {
  local rel=$1 dir="$work/res/data" part entry
  local IFS=/
  local -a parts
  read -ra parts <<<"$rel"
  unset IFS
  for part in "${parts[@]:0:${#parts[@]}-1}"; do
    if [ -L "$dir/$part" ]; then
      local target
      target=$(readlink "$dir/$part")
      rm "$dir/$part"
      mkdir "$dir/$part"
      for entry in "$target"/*; do ln -s "$entry" "$dir/$part/"; done
    fi
    dir="$dir/$part"
  done
  rm -f "$dir/${parts[-1]}"
  echo "$dir/${parts[-1]}"
}

# fail MESSAGE: a failed check; the script goes on, and finish fails it.
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# finish: ends the script, failed (with the debug log and the game's output) after any failure.
finish() {
  if [ "$failures" -gt 0 ]; then
    [ -n "$log" ] && [ -f "$log" ] && { echo "--- debug log"; cat "$log"; }
    [ -f "$work/game.out" ] && { echo "--- game output"; cat "$work/game.out"; }
    exit 1
  fi
  echo "PASS: $pass_message"
  exit 0
}

running() { kill -0 "$game_pid" 2>/dev/null; }

# find_log: waits for the debug log (in the resources folder, or the user folder where that cannot
# be written) and sets log; fails after 30 s.
find_log() {
  local candidate
  for _ in $(seq 300); do
    for candidate in "$VORLA2_DATA_DIR/debugdata/debug.txt" "$user/debugdata/debug.txt"; do
      [ -f "$candidate" ] && log=$candidate && return 0
    done
    sleep 0.1
  done
  return 1
}

# wait_log COUNT PATTERN [SECONDS]: until the debug log holds more than COUNT lines matching the
# pattern (30 s unless said otherwise).
wait_log() {
  local tries=$((${3:-30} * 10))
  for _ in $(seq "$tries"); do
    [ "$(grep -c -- "$2" "$log")" -gt "$1" ] && return 0
    running || return 1
    sleep 0.1
  done
  return 1
}

# wait_main_menu: until the main menu has opened (it loads its strip then, after the loading
# screen; 60 s at most, for a sanitizer build on a busy machine). A click before then is lost.
wait_main_menu() { wait_log 0 '^menu_strip.png$' 60; }

# expect_exit SECONDS WHAT [WHY]: the game ends within that long, with exit code 0; otherwise a
# failure that says it still ran (and why that matters) or how it ended, after WHAT. Sets code to
# the exit code, or to nothing while it still runs.
expect_exit() {
  code=""
  for _ in $(seq $(($1 * 10))); do
    if ! running; then
      wait "$game_pid"
      code=$?
      game_pid=""
      break
    fi
    sleep 0.1
  done
  if [ -z "$code" ]; then
    fail "still running $1 s after $2${3:+: $3}"
  elif [ "$code" != 0 ]; then
    fail "exit code $code after $2"
  fi
}

# shot NAME: a screenshot of the window, read by the checks from the private folder (another run of
# the same script elsewhere on the machine cannot remove it) and copied to <shots>-<step>-NAME.png
# for a person to look at.
shot() {
  step=$((step + 1))
  local name
  name=$(printf '%02d-%s.png' "$step" "$1")
  import -window "$wid" "$work/shot-$name" 2>/dev/null || fail "no screenshot $name"
  last_shot=$work/shot-$name
  [ -n "${shots:-}" ] && cp "$last_shot" "$shots-$name" 2>/dev/null
  return 0
}

# pixel X Y: "r g b" of the last screenshot at that point, 0..255. A poll's screenshot is a plain
# 8-bit PPM whose bytes are read in place: the scripts poll several times a second, and decoding
# (or encoding) a PNG each time cost more processor time than the game itself.
pixel() {
  case $last_shot in
    *.ppm)
      local header width
      header=$(head -n 3 "$last_shot" | wc -c)
      width=$(sed -n '2{s/ .*//;p;q}' "$last_shot")
      od -An -tu1 -j $((header + ($2 * width + $1) * 3)) -N3 "$last_shot" | awk '{ print $1, $2, $3 }'
      ;;
    *)
      convert "$last_shot" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:
      ;;
  esac
}

# until_shown SECONDS CHECK [ARG...]: screenshots (peek) until the check passes on one; fails after
# that long, or as soon as the game has ended.
until_shown() {
  local tries=$(($1 * 5))
  shift
  for _ in $(seq "$tries"); do
    running || return 1
    peek
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

# point X Y: the mouse to a point of the game's 1024x768 picture.
point() {
  xdotool mousemove --window "$wid" "$1" "$2"
  sleep 0.15
}

# click X Y: a left click there.
click() {
  point "$1" "$2"
  xdotool click 1
}

# Waiting for a sign rather than a time. On a busy machine, or in the build with sanitizers, a step
# can take many seconds; a script waits for what the player would see (or for the line the game
# logs) before it looks or clicks, and only a wait that runs out fails.

# peek: a screenshot for polling (see pixel), kept out of the numbered ones; sets last_shot.
peek() {
  last_shot=$work/peek.ppm
  rm -f "$last_shot"
  import -window "$wid" -depth 8 "$last_shot" 2>/dev/null
}

# on_screen TEST...: a fresh peek, then TEST on it.
on_screen() { peek && "$@"; }

# log_has COUNT PATTERN: whether the debug log holds more than COUNT lines matching the pattern.
log_has() { [ "$(grep -c -- "$2" "$log" 2>/dev/null)" -gt "$1" ]; }

# is_gold X Y: whether the last screenshot shows the gold of a text button there.
is_gold() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2" 2>/dev/null)"
  [ -n "$b" ] && [ "$r" -gt 190 ] && [ "$g" -gt 150 ] && [ $((r - b)) -gt 60 ]
}

# main_menu_shown: the gold rims of the main menu's tutorial, options and quit buttons, risen into
# place along the strip, in the last screenshot.
main_menu_shown() { is_gold 44 705 && is_gold 484 705 && is_gold 980 705; }

# The solo activities' quiet row: a test table keeps it so that an evening can always end early.
early_night_row='#,,earlynight,Early night,"Lights out early.",sleepyhead,0,,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,,"tiredness,-0.08,0.6",#'
# solo_table ROW...: the private world's solo activities, the rows given and then the early night,
# for a script's prepare_world.
solo_table() {
  local table
  table=$(replace_data simulation/solo_activities.csv)
  {
    echo 'The test table: the activities under test every evening, and an early night.'
    printf '%s\n' "$@" "$early_night_row"
  } >"$table"
}
# new_game_to_first_evening [X Y]: from the main menu, a new game's first day paged through to its
# evening's control panel, the pointer parked at X, Y (500, 60) between the pages. Returns 1 (after a
# failure) when a step does not come.
new_game_to_first_evening() {
  xdotool windowfocus --sync "$wid" 2>/dev/null
  point 200 100
  new_game_from_menu || return 1
  wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || return 1
  day_to_evening "${1:-500}" "${2:-60}"
}

# put_save FIXTURE NAME: a saved game of tests/fixtures/savegame/ put in the private world's save
# folder under NAME, for a script's prepare_world.
put_save() {
  mkdir -p "$user/savegames"
  cp "$src/tests/fixtures/savegame/$1" "$user/savegames/$2.xml"
}
# load_menu_shown: the load menu's cream panel, with no name box where the save menu has one.
load_menu_shown() {
  local r g b
  read -r r g b <<<"$(pixel 512 230)"
  [ "$r" -gt 150 ] && [ "$g" -gt 140 ] || return 1
  read -r r g b <<<"$(pixel 512 80)"
  [ "$r" -gt 100 ]
}
# load_first_save: from the main menu, the load menu's first saved game loaded, as a player loads
# one, until its day's page is up. Returns 1 (after a failure) when a screen does not come.
load_first_save() {
  local pages
  xdotool windowfocus --sync "$wid" 2>/dev/null
  point 200 500
  wait_until 60 "the main menu" on_screen main_menu_shown || return 1
  click 374 735
  point 200 500
  wait_until 60 "the load menu" on_screen load_menu_shown || return 1
  sleep 0.5
  shot load-menu
  pages=$(grep -c -- '^Day page: ' "$log")
  click 512 246
  point 200 500
  wait_log_line 60 "the saved game's page" "$pages" '^Day page: '
}

# new_game_from_menu: a new game as a player starts one: the main menu's start button once the
# menu's buttons are in place, the new-game screen's Start (bottom right) once its colour map is
# drawn, and the intro page's start button once the page is drawn. Returns 1 (after a failure) when
# a screen does not come.
new_game_from_menu() {
  wait_until 60 "the main menu's buttons" on_screen main_menu_shown || return 1
  click 154 735
  wait_until 30 "the new-game screen" on_screen new_game_shown || return 1
  click 980 735
  wait_until 30 "the intro page" on_screen intro_shown || return 1
  click 990 735
}
# new_game_shown: the new-game screen's colour map, its pure red at the left edge halfway down.
new_game_shown() {
  local r g b
  read -r r g b <<<"$(pixel 672 588 2>/dev/null)"
  [ -n "$b" ] && [ "$r" -gt 200 ] && [ "$g" -lt 60 ] && [ "$b" -lt 60 ]
}
intro_shown() {
  local r g b
  read -r r g b <<<"$(pixel 300 450 2>/dev/null)"
  [ -n "$b" ] && [ "$r" -gt 235 ] && [ "$g" -gt 225 ] && [ "$b" -gt 190 ]
}

# question_shown: a yes/no question in the middle of the screen, its OK button drawn.
question_shown() { is_gold 560 442; }

# differs REF GEOMETRY [PIXELS]: whether the last screenshot differs from the picture REF inside
# GEOMETRY (WxH+X+Y) in more than PIXELS pixels (100 unless said otherwise).
differs() {
  local n
  n=$(compare -metric AE -fuzz 8% -extract "$2" "$1" "$last_shot" null: 2>&1 | awk '{ printf "%d\n", $1 }')
  [ "${n:-0}" -gt "${3:-100}" ]
}

# wait_until SECONDS WHAT TEST...: runs TEST every 0.2 s until it succeeds. When SECONDS pass, or
# the game ends, a failure that names WHAT and where the screen as it then was is kept
# (<shots>-timeout.png); returns 1.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local end=$((SECONDS + seconds))
  while ! "$@"; do
    if ! running; then
      fail "the game ended while waiting for $what"
      return 1
    fi
    if [ "$SECONDS" -ge "$end" ]; then
      local kept="${shots:-/tmp/vorla2-window}-timeout.png"
      if peek && convert "$last_shot" "$kept"; then
        fail "waited $seconds s for $what; the screen then: $kept"
      else
        fail "waited $seconds s for $what; no screenshot"
      fi
      return 1
    fi
    sleep 0.2
  done
}

# quiet_until SECONDS TEST...: runs TEST every 0.2 s until it succeeds; returns 1 when SECONDS pass
# or the game ends, without a failure, for a sign that may rightly never come.
quiet_until() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    running && [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}

# wait_log_line SECONDS WHAT COUNT PATTERN: wait_until the debug log holds more than COUNT lines
# matching the pattern.
wait_log_line() { wait_until "$1" "$2" log_has "$3" "$4"; }

# keep: a private copy of the last screenshot, for later comparison, and its path. The numbered
# screenshots in /tmp are shared: another run of the same script removes them when it starts.
keep() {
  local copy
  copy=$(mktemp --suffix=".${last_shot##*.}" "$work/kept-XXXXXX")
  cp "$last_shot" "$copy" && echo "$copy"
}

# evening_panel: the in-game screen with the control panel, whose evening-class button (enabled in
# the evening) shows its gold rim; the town, not a diary sheet, behind it. The town's colour
# follows the time of day and the weather, so only the sheet's pale paper rules it out.
evening_panel() {
  local r g b
  read -r r g b <<<"$(pixel 618 708)"
  [ "$r" -gt 245 ] && [ $((r - b)) -gt 70 ] || return 1
  read -r r g b <<<"$(pixel 300 450)"
  ! { [ "$r" -gt 235 ] && [ "$g" -gt 225 ] && [ "$b" -gt 190 ]; }
}

# page_or_evening COUNT: a page beyond the COUNT so far has opened, or the evening has started.
page_or_evening() { log_has "$1" '^Day page: ' || on_screen evening_panel; }

# --- A day played to its night, for the scripts that start on a year's last day.
# A new game started with VORLA2_TEST_LAST_DAY_OF_YEAR=N (1 to 10) in the environment plays the last
# day of the game's year N: its night opens the yearly review, or for N = 10 the end-of-game screen.
# Nothing but these tests sets the variable.

# day_arrow: the end-of-day prompt's gold arrow pointing at the end-day button (988, 737).
day_arrow() {
  local r g b
  read -r r g b <<<"$(pixel 912 735)"
  [ "$r" -gt 180 ] && [ "$r" -gt $((b + 80)) ]
}
# day_page_button: a diary page's big dark button at the bottom right.
day_page_button() {
  local r g b
  read -r r g b <<<"$(pixel 1000 735)"
  [ "$r" -lt 100 ] && [ "$b" -lt 100 ]
}
# day_to_evening [X Y]: the day's pages, each continued by its big button (a hint in the way closed
# first), until the evening's control panel shows; the pointer is parked at X, Y (200, 500) after
# each click. Returns 1 (after a failure) when a step does not come.
day_to_evening() {
  local before park_x=${1:-200} park_y=${2:-500}
  for _ in $(seq 6); do
    on_screen evening_panel && return 0
    wait_until 60 "the page's button" on_screen day_page_button || return 1
    close_hint || return 1
    before=$(grep -c -- '^Day page: ' "$log")
    click 980 735
    point "$park_x" "$park_y"
    wait_until 60 "the next page or the evening" page_or_evening "$before" || return 1
    running || { fail "the game ended during the day"; return 1; }
  done
  wait_until 60 "the evening's control panel" on_screen evening_panel
}

# day_play_to_night: from a morning page, the day's pages, an evening alone per evening slot, the
# end-of-day arrow and the end-day button. Returns 1 (after a failure) when a step does not come.
day_play_to_night() {
  local evenings left before
  day_chooser_gone() { ! is_gold 95 547 && evening_panel; }
  day_to_evening || return 1
  for _ in 1 2; do
    # A hint that came up in the evening (a friend's cold shoulder) takes the click until closed.
    close_hint 162 || return 1
    close_hint || return 1
    solo_evening || return 1
    left=$(solo_evenings_left)
    [ "$left" -le 0 ] && break
    wait_until 60 "the chooser to close over the control panel" on_screen day_chooser_gone || return 1
  done
  wait_until 60 "the end-of-day arrow" on_screen day_arrow || return 1
  click 988 737
  point 200 500
}

# solo_evening: an evening alone as a player spends one: the control panel's solo button, the
# chooser's first-time hint closed, the next arrow once (past cleaning the home, which would change
# the scene the tests look at) and the start button. solo_evenings_left: the evening slots the last
# one left.
solo_evening() {
  local before evenings
  before=$(grep -c '^Solo chooser: ' "$log")
  click 692 737
  wait_log_line 60 "the solo button to open the chooser" "$before" '^Solo chooser: ' || return 1
  point 200 500
  wait_until 60 "the solo chooser's start button" on_screen is_gold 95 547 || return 1
  close_hint 181 790 || return 1
  before=$(grep -c '^Solo chooser: ' "$log")
  click 424 262
  wait_log_line 60 "the solo chooser's next arrow" "$before" '^Solo chooser: ' || return 1
  point 200 500
  evenings=$(grep -c '^Solo evening: ' "$log")
  click 235 547
  wait_log_line 60 "the evening alone" "$evenings" '^Solo evening: ' || return 1
  point 200 500
}
solo_evenings_left() { grep '^Solo evening: ' "$log" | tail -n1 | sed 's/.*today: \([0-9-]*\)).*/\1/'; }

# first_day_to_night: from the main menu, a new game through the new-game screen, its first day
# played to its night (day_play_to_night).
first_day_to_night() {
  xdotool windowfocus --sync "$wid" 2>/dev/null
  point 200 500
  new_game_from_menu || return 1
  wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || return 1
  point 200 500
  day_play_to_night
}

# leave_and_quit: from a game, Escape and OK back to the main menu, then Escape and OK to quit; the
# game must exit.
leave_and_quit() {
  xdotool key Escape
  wait_until 60 "the question whether to leave the game" on_screen question_shown || return 1
  click 597 442
  point 200 500
  wait_until 60 "the main menu after leaving the game" on_screen main_menu_shown || return 1
  xdotool key Escape
  wait_until 60 "the question whether to quit" on_screen question_shown || return 1
  click 597 442
  expect_exit 60 "confirming the quit"
}

# review_page: the yearly review or the end-of-game page: the iced side of the birthday cake in the
# middle of the left-hand panel.
review_page() {
  local r g b
  read -r r g b <<<"$(pixel 300 215)"
  [ "$r" -gt 170 ] && [ $((r - b)) -gt 50 ] && [ "$g" -lt 215 ] && [ "$g" -gt 100 ]
}
# end_game_buttons: the end-of-game screen's two text buttons near the panel's foot.
end_game_buttons() { is_gold 100 621 && is_gold 460 621; }
# hint_shown [Y [X]]: a hint window with the ring of its red close button (left of the white cross)
# at (X, Y): X 632 and Y 142 for the first work day's hint, Y 52 for one raised above a dialog,
# (790, 181) for the one beside the solo chooser. close_hint [Y [X]] closes it if one is up, waiting
# until it has gone.
hint_shown() {
  local r g b
  read -r r g b <<<"$(pixel "${2:-632}" "${1:-142}")"
  [ "$r" -gt 170 ] && [ "$g" -lt 120 ] && [ "$b" -lt 100 ]
}
close_hint() {
  on_screen hint_shown "${1:-142}" "${2:-632}" || return 0
  click $((${2:-632} + 7)) "${1:-142}"
  point 200 500
  wait_until 60 "the hint to close" on_screen not_hint_shown "${1:-142}" "${2:-632}"
}
not_hint_shown() { ! hint_shown "$@"; }
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
# hint_window_at X Y: a hint window whose top left is X, Y, by the red ring of its close button.
hint_window_at() {
  local r g b
  read -r r g b <<<"$(pixel $(($1 + 270)) $(($2 + 22)))"
  [ "$r" -gt 170 ] && [ "$g" -lt 120 ] && [ "$b" -lt 100 ]
}
not_hint_window_at() { ! hint_window_at "$@"; }
# close_report_hint: an evening report's own first-time hint (its window's top left at 620, 160),
# closed if it is up.
close_report_hint() {
  # A click while the hint still fades in can go unheard: it is clicked again until it has gone.
  local tries
  for tries in $(seq 30); do
    on_screen hint_window_at 620 160 || return 0
    click 898 181
    point 500 100
    until_shown 2 not_hint_window_at 620 160 && return 0
  done
  fail "the report's hint did not close"
  return 1
}

# --- The phone.
# phone_lit: the phone's screen in the top right corner lit (pale yellow), not at rest (grey-blue).
phone_lit() {
  local r g b
  read -r r g b <<<"$(pixel 971 58)"
  [ "$r" -gt 220 ] && [ "$g" -gt 200 ] && [ "$b" -lt 200 ]
}
# inbox_up: the inbox's title bar (blue) over the bottom left of the screen, once it has risen.
inbox_up() {
  local r g b
  read -r r g b <<<"$(pixel 200 270)"
  [ "$b" -gt 120 ] && [ "$b" -gt $((r + 40)) ]
}
# find_invitation [SENDER]: P opens the inbox, and its rows are opened from the top until an
# invitation (from SENDER, when given) opens, which is left open; returns 1 with the inbox closed
# again when there is none.
find_invitation() {
  local inboxes opened row
  inboxes=$(grep -c '^Inbox: ' "$log")
  xdotool key p
  wait_log_line 10 "P to open the inbox" "$inboxes" '^Inbox: ' || return 1
  sleep 1
  shot inbox-later
  for row in $(seq 0 12); do
    # A hint that came up meanwhile (a friend's cold shoulder) takes the clicks until it is closed.
    close_hint 162 || return 1
    close_hint || return 1
    opened=$(grep -c '^Phone message opened: ' "$log")
    click 150 $((164 + 127 + 14 + 32 * row))
    point 500 100
    # A row past the last opens nothing: the end of the list, not a failure.
    quiet_until 10 log_has "$opened" '^Phone message opened: ' || break
    grep '^Phone message opened: ' "$log" | tail -n1 | grep -q "type 2 from ${1:-}" && return 0
    sleep 0.3
    xdotool key Escape
    sleep 0.3
  done
  # Escape closes a hint or message still up before the inbox, and with nothing up asks whether to
  # leave the game: it is pressed only while the inbox shows.
  for _ in 1 2 3 4; do
    sleep 0.8
    close_hint 162 || return 1
    close_hint || return 1
    on_screen inbox_up || break
    xdotool key Escape
  done
  return 1
}
# evening_invitation DAYS [SENDER]: the next DAYS days played to their evenings until an invitation
# (from SENDER, when given) is open on the screen; the days without one are played to their nights.
evening_invitation() {
  local day mornings
  for day in $(seq "$1"); do
    mornings=$(grep -c -- '^Day page: waking up' "$log")
    day_to_evening 500 100 || return 1
    close_hint || return 1
    if until_shown 3 phone_lit && find_invitation "${2:-}"; then
      return 0
    fi
    day_play_to_night || return 1
    wait_log_line 60 "the next morning" "$mornings" '^Day page: waking up' || return 1
  done
  fail "no invitation${2:+ from $2} in the inbox in $1 evenings"
  return 1
}
