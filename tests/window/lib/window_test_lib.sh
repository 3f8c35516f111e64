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
# and may use afterwards: exe, src, work (the private folder), user (the game's user folder),
# game_pid, wid (the window), log (after find_log), failures, code (after expect_exit).
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
  src=${2:?$usage}

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
  export HOME="$work/home"
  export XDG_DATA_HOME="$work/home/.local/share"
  export XDG_CONFIG_HOME="$work/home/.config"
  export XDG_CACHE_HOME="$work/home/.cache"
  export VORLA2_DATA_DIR="$work/res"
  export SDL_AUDIODRIVER=dummy
  unset VORLA2_HEADLESS VORLA2_NONINTERACTIVE SDL_VIDEODRIVER
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
  # Started from inside the private world: the game opens data paths as given before it looks in
  # its resources folder, so from the source tree it would read (and create files in) the
  # repository's own data/.
  (cd "$VORLA2_DATA_DIR" && exec "$exe") >"$work/game.out" 2>&1 &
  game_pid=$!

  for _ in $(seq 600); do
    wid=$(xdotool search --name '^Vorla 2$' 2>/dev/null | head -n1)
    [ -n "$wid" ] && break
    running || break
    sleep 0.1
  done
  [ -n "$wid" ] || { fail "no window titled \"Vorla 2\""; finish; }
}

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
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

# peek: a screenshot for polling, kept out of the numbered ones.
peek() {
  import -window "$wid" "$work/peek.png" 2>/dev/null
  last_shot=$work/peek.png
}

# pixel X Y: "r g b" of the last screenshot at that point, 0..255.
pixel() {
  convert "$last_shot" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:
}

# gold X Y: whether the last screenshot is the gold of a text button there.
gold() {
  local r g b
  read -r r g b <<<"$(pixel "$1" "$2")"
  [ -n "$b" ] && [ "$r" -gt 190 ] && [ "$g" -gt 150 ] && [ $((r - b)) -gt 60 ]
}

# menu_shown: whether the last screenshot shows the main menu's three buttons (Tutorial, New game,
# Quit).
menu_shown() { gold 300 704 && gold 470 704 && gold 640 704; }

# question_shown: whether the last screenshot shows the OK button of a question (whether to quit,
# whether to leave the game).
question_shown() { gold 560 442; }

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
