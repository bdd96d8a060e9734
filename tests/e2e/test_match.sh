#!/usr/bin/env bash
# One short match against the computer: the player fires, the computer plays its turn, the turn comes back;
# then Escape twice abandons the match for the statistics screen, and its Escape leads back to the main menu.
# Four tumboks a team, so that two shots do not end the match by themselves.
# The game screen's "p" key lists the game states on stdout, which is how the script follows the match.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/fault_lib.sh"

cat >"$WORK_DIR/config.txt" <<'CONFIG'
active_music:False
active_sounds:False
fullscreen:False
scrolling:False
nb_teams:2
nb_tumboks:4
nb_ai:1
nb_explosifs:0
game_map:fore_basic.png
game_background:back_day.png
CONFIG

# True once stdout holds at least $1 lines equal to $2; presses the listing key for the next try.
state_listed() {
  local wanted=$1 state=$2
  [ "$(grep -c "^$state\$" "$WORK_DIR/stdout" || true)" -ge "$wanted" ] && return 0
  game_running || fail "the game ended before $state ($wanted)"
  xdotool key p
  return 1
}

# Holds Enter for the gauge to fill a little, lists the states while charging, and lets go. The game reads
# the gauge from how long Enter is held, so the pauses are part of the input, not waits for a result.
charge_and_fire() {
  xdotool keydown Return
  sleep 0.3 # the hold that fills the gauge
  xdotool key p
  sleep 0.1 # the listing key pressed and released apart from the release of Enter
  xdotool keyup Return
}

# One more charge is under way once stdout lists StateLaunch for the second time; fires until it does.
second_charge_seen() {
  charge_and_fire
  state_listed 2 StateLaunch
}

start_display
install_copy
start_game
window=$(wait_for_window)
xdotool windowfocus --sync "$window" || fail "could not focus the game window"
wait_for_main_menu_on "Local match"
press_and_wait "Setup panel shown" Return
start_match_from_panel # Play !
screenshot match-start

xdotool key Up Up Up Up Up # aim 30 degrees up, away from the shooter's own feet
charge_and_fire
poll_until "Enter did not charge the shot" state_listed 1 StateLaunch
poll_until "the shot never landed" state_listed 1 StateAfterMotion
screenshot match-shot

# The computer plays (it gives up after 10 s at most); Enter only charges once the turn is back.
poll_until "the turn never came back from the computer" second_charge_seen
screenshot match-second-turn

press_and_wait "Escape menu shown" Escape
screenshot escape-menu
press_and_wait "Statistics shown" Escape
screenshot statistics
press_and_wait "Main menu at rest on Local match" Escape
screenshot main-menu-after-match
xdotool key Escape # the main menu's Escape ends the program
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
grep -q "Stack wasn't empty" "$WORK_DIR/stdout" && fail "a stack was left with items"
echo "shot fired, computer turn played, match abandoned to the statistics screen and back to the main menu"
