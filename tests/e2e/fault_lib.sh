# Steps shared by the fault tests, on top of lib.sh: a copy of the installed game whose data is its own (so a
# test may break it), a start that reports the first main-menu frame, and ways to reach the menus' panels.
# Usage: source lib.sh first, then this file.

GAME_AUDIO=dummy

# The executable with a real copy of the data beside it, and no config.txt.
install_own_copy() {
  rm -rf "$WORK_DIR/data" "$WORK_DIR/config.txt" "$WORK_DIR/config.txt.tmp" "$WORK_DIR/stdout"
  cp "$BUILD_DIR/morvatek" "$WORK_DIR/morvatek"
  cp -r "$BUILD_DIR/data" "$WORK_DIR/data"
  rm -f "$WORK_DIR/data/.generated"
}

# Like lib.sh's start_game, with the start-up report on, so that reaching the main menu can be polled for.
start_reporting_game() {
  (cd / && exec env SDL_AUDIODRIVER="$GAME_AUDIO" MORVATEK_STARTUP_REPORT=1 "$WORK_DIR/morvatek" \
    >"$WORK_DIR/stdout" 2>&1) &
  GAME_PID=$!
}

# Polls the game's output for a whole line; fails when the game ends or 20 s pass without it.
wait_for_line() {
  for _ in $(seq 200); do
    grep -qxF -- "$1" "$WORK_DIR/stdout" 2>/dev/null && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended without printing '$1'"
    sleep 0.1
  done
  fail "no line '$1' after 20 s"
}

wait_for_main_menu() {
  for _ in $(seq 600); do
    grep -q "^Main menu first frame drawn" "$WORK_DIR/stdout" 2>/dev/null && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its main menu"
    sleep 0.1
  done
  fail "no main menu after 60 s"
}

expect_line() {
  grep -qxF -- "$1" "$WORK_DIR/stdout" || fail "expected the line '$1'"
}

focus_game() {
  xdotool windowfocus --sync "$(wait_for_window)" || fail "could not focus the game window"
}

# The main menu's first entry, Local match, is selected when it opens.
open_setup_panel() {
  focus_game
  xdotool key Return
}

# Settings is two entries down; a press while the rows still glide is ignored by design, and the glide (a few
# 50 ms frames) shows nowhere the test could poll, so the test waits it out.
open_settings_panel() {
  focus_game
  xdotool key Down
  sleep 0.6
  xdotool key Down Return
}

# The game screen's "p" lists its game states: a match is on once StateNormal shows.
wait_for_match() {
  for _ in $(seq 100); do
    xdotool key p
    grep -qx StateNormal "$WORK_DIR/stdout" && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended instead of starting a match"
    sleep 0.2
  done
  fail "no match started"
}

open_match() {
  open_setup_panel
  sleep 0.5 # the panel takes Return only once it is on top; nothing shows when that is
  xdotool key Return
  wait_for_match
}

# Bytes that start like the real file (so decoders get past the signature) and then turn to noise.
garble_file() {
  local file=$1 head
  head=$(mktemp "$WORK_DIR/head-XXXXXX")
  head -c 64 "$file" >"$head"
  { cat "$head"; head -c 2048 /dev/urandom; } >"$file"
  rm -f "$head"
}
