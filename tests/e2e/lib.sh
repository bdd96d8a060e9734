# Shared steps of the end-to-end tests: a private X display, a copy of the installed game, and cleanup.
# Usage: source it with the build directory as $1.
set -euo pipefail

BUILD_DIR=$(cd "$1" && pwd)
WORK_DIR=$(mktemp -d /tmp/morvatek-e2e-XXXXXX)
ARTEFACT_DIR="$BUILD_DIR/e2e-artefacts"
TITLE="Morvatek - il va y avoir de l'A-Tumbok !"
XVFB_PID=""
GAME_PID=""
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

start_display() {
  local fifo="$WORK_DIR/displayfd"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fifo" ] && break
    sleep 0.1
  done
  [ -s "$fifo" ] || fail "Xvfb did not start"
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

# Starts the given executable from the given working directory.
start_program_in() {
  local directory=$1 program=$2
  (cd "$directory" && exec env SDL_AUDIODRIVER=dummy "$program" >"$WORK_DIR/stdout" 2>&1) &
  GAME_PID=$!
}

# Starts the game from another working directory, so it must find its own folder.
start_game() {
  start_program_in / "$WORK_DIR/morvatek"
}

# Waits for a window with exactly the game's title; prints its id.
wait_for_window() {
  local id=""
  for _ in $(seq 600); do
    id=$(xdotool search --name "^${TITLE//\'/.}\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game exited before showing its window"
    sleep 0.1
  done
  fail "no window titled '$TITLE'"
}

# Waits for the game to end on its own; its exit status is left in GAME_STATUS.
wait_for_exit() {
  for _ in $(seq 200); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      GAME_STATUS=0
      wait "$GAME_PID" || GAME_STATUS=$?
      GAME_PID=""
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not exit"
}

# Saves what the game's window shows as an artefact of the test.
screenshot() {
  local id
  id=$(xdotool search --name "^${TITLE//\'/.}\$" 2>/dev/null | head -n1 || true)
  [ -n "$id" ] || fail "no window to take a screenshot of"
  import -window "$id" "$ARTEFACT_DIR/$1.png"
}
