# Steps shared by the fault tests, on top of lib.sh: a copy of the installed game whose data is its own (so a
# test may break it), and ways to reach the menus' panels and a match.
# Usage: source lib.sh first, then this file.

# The executable with a real copy of the data beside it, and no config.txt.
install_own_copy() {
  rm -rf "$WORK_DIR/data" "$WORK_DIR/config.txt" "$WORK_DIR/config.txt.tmp" "$WORK_DIR/stdout"
  cp "$BUILD_DIR/morvatek" "$WORK_DIR/morvatek"
  cp -r "$BUILD_DIR/data" "$WORK_DIR/data"
  rm -f "$WORK_DIR/data/.generated"
}

start_reporting_game() {
  start_game
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
  press_and_wait "Setup panel shown" Return
}

# Settings is two entries down; a press while the rows still glide is ignored by design, so each press waits
# for the menu to come to rest.
open_settings_panel() {
  focus_game
  press_and_wait "Main menu at rest on Network match" Down
  press_and_wait "Main menu at rest on Settings" Down
  press_and_wait "Settings panel shown" Return
}

# True once the game screen's "p" has listed StateNormal since the mark: a match is on and takes keys.
match_in_normal_state() {
  xdotool key p
  output_since_mark | grep -qx StateNormal && return 0
  game_running || fail "the game ended instead of starting a match"
  return 1
}

# From the setup panel, Play ! and wait until the match is on.
start_match_from_panel() {
  press_and_wait "Match shown" Return
  poll_until "no match started" match_in_normal_state
}

open_match() {
  open_setup_panel
  start_match_from_panel
}

# Bytes that start like the real file (so decoders get past the signature) and then turn to noise.
garble_file() {
  local file=$1 head
  head=$(mktemp "$WORK_DIR/head-XXXXXX")
  head -c 64 "$file" >"$head"
  { cat "$head"; head -c 2048 /dev/urandom; } >"$file"
  rm -f "$head"
}
