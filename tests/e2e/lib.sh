# Shared steps of the end-to-end tests: a private X display, a copy of the installed game, waits for what the
# game does, and cleanup. Every wait polls for an event the program makes (a window, a file, a line of its
# output) under one generous ceiling, so that a slow or loaded machine makes a test slower, never red. The
# game runs with MORVATEK_STARTUP_REPORT, which makes each screen say when its first frame is shown.
# Usage: source it with the build directory as $1.
set -euo pipefail

BUILD_DIR=$(cd "$1" && pwd)
WORK_DIR=$(mktemp -d /tmp/morvatek-e2e-XXXXXX)
ARTEFACT_DIR="$BUILD_DIR/e2e-artefacts"
TITLE="Morvatek - il va y avoir de l'A-Tumbok !"
XVFB_PID=""
GAME_PID=""
GAME_AUDIO=dummy
# Seconds any one wait may take before the test gives up.
POLL_CEILING=${MORVATEK_E2E_CEILING:-180}
# How many lines of the game's output had been seen at the last mark_output.
OUTPUT_MARK=0
mkdir -p "$ARTEFACT_DIR"

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK_DIR/stdout" ] && { echo "--- game output:" >&2; cat "$WORK_DIR/stdout" >&2; }
  exit 1
}

cleanup() {
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK_DIR"
}
trap cleanup EXIT

# Runs the command until it succeeds; fails with the message once POLL_CEILING seconds have passed.
poll_until() {
  local message=$1 deadline=$((SECONDS + POLL_CEILING))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$message (after $POLL_CEILING s)"
    sleep 0.05 # the interval between two tries
  done
}

start_display() {
  local fifo="$WORK_DIR/displayfd"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
  XVFB_PID=$!
  poll_until "Xvfb did not start" test -s "$fifo"
  export DISPLAY=":$(head -n1 "$fifo")"
}

# The game as installed: the executable with its data beside it, in a folder of its own.
# With "--no-data" the data directory is left out.
install_copy() {
  cp "$BUILD_DIR/morvatek" "$WORK_DIR/morvatek"
  [ "${1:-}" = "--no-data" ] || ln -s "$BUILD_DIR/data" "$WORK_DIR/data"
}

# Closes the game through its window and checks that it ended cleanly.
close_and_expect_clean_exit() {
  "$BUILD_DIR/tools/x11_close_window" "$TITLE" || fail "could not ask the window to close"
  wait_for_exit
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
}

# Under the sanitizers, leaks are checked by the unit tests only: the real program's video back-end is
# loaded and unloaded by SDL at run time, and what it keeps cannot be traced to a library by then.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# Starts the given executable from the given working directory, with the screens' reports on.
start_program_in() {
  local directory=$1 program=$2
  OUTPUT_MARK=0
  # Emptied here, not only by the redirection below, which runs later in the background: until then the
  # waits would read the lines of the game run before.
  : >"$WORK_DIR/stdout"
  (cd "$directory" && exec env SDL_AUDIODRIVER="$GAME_AUDIO" MORVATEK_STARTUP_REPORT=1 "$program" \
    >"$WORK_DIR/stdout" 2>&1) &
  GAME_PID=$!
}

# Starts the game from another working directory, so it must find its own folder.
start_game() {
  start_program_in / "$WORK_DIR/morvatek"
}

game_running() {
  kill -0 "$GAME_PID" 2>/dev/null
}

# True once the game's window is there, its id in WINDOW_ID; fails when the game has ended.
window_found() {
  WINDOW_ID=$(xdotool search --name "^${TITLE//\'/.}\$" 2>/dev/null | head -n1 || true)
  [ -n "$WINDOW_ID" ] && return 0
  game_running || fail "the game exited before showing its window"
  return 1
}

# Waits for a window with exactly the game's title; prints its id.
wait_for_window() {
  poll_until "no window titled '$TITLE'" window_found
  echo "$WINDOW_ID"
}

# Waits for the game to end on its own; its exit status is left in GAME_STATUS.
wait_for_exit() {
  poll_until "the game did not exit" eval '! game_running'
  GAME_STATUS=0
  wait "$GAME_PID" || GAME_STATUS=$?
  GAME_PID=""
}

# The lines the game printed since the last mark_output.
output_since_mark() {
  tail -n +"$((OUTPUT_MARK + 1))" "$WORK_DIR/stdout" 2>/dev/null
}

# Remembers how far the output goes, so that the next waits see only lines printed after this point. Taken
# before the key that makes the line, so that a quick answer is never missed.
mark_output() {
  OUTPUT_MARK=$(wc -l <"$WORK_DIR/stdout" 2>/dev/null || echo 0)
}

# True once a whole line equal to $1 was printed since the mark; fails when the game has ended without it.
line_seen() {
  output_since_mark | grep -qxF -- "$1" && return 0
  game_running || fail "the game ended without printing '$1'"
  return 1
}

# Waits for a whole line printed since the mark (since the start, without one).
wait_for_line() {
  poll_until "no line '$1'" line_seen "$1"
}

# Presses the keys and waits for the line they make the game print.
press_and_wait() {
  local line=$1
  shift
  mark_output
  xdotool key "$@"
  wait_for_line "$line"
}

# The main menu is on the window and takes keys.
wait_for_main_menu() {
  wait_for_line "Main menu shown"
}

# The main menu takes Up and Down only while its list is still; it says so with the entry shown.
wait_for_main_menu_on() {
  wait_for_line "Main menu at rest on $1"
}

# Saves what the game's window shows as an artefact of the test.
screenshot() {
  local id
  id=$(xdotool search --name "^${TITLE//\'/.}\$" 2>/dev/null | head -n1 || true)
  [ -n "$id" ] || fail "no window to take a screenshot of"
  import -window "$id" "$ARTEFACT_DIR/$1.png"
}
