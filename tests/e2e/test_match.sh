#!/usr/bin/env bash
# One short match against the computer: the player fires, the computer plays its turn, the turn comes back;
# then Escape twice abandons the match for the statistics screen, and its Escape leads back to the main menu.
# Four tumboks a team, so that two shots do not end the match by themselves.
# The game screen's "p" key lists the game states on stdout, which is how the script follows the match.
source "$(dirname "$0")/lib.sh" "$1"

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

launch_count() {
  grep -c '^StateLaunch$' "$WORK_DIR/stdout" || true
}

# Waits until stdout holds at least $1 lines equal to $2, pressing the listing key as it goes.
wait_for_state() {
  local wanted=$1 state=$2
  for _ in $(seq 100); do
    xdotool key p
    sleep 0.2
    [ "$(grep -c "^$state\$" "$WORK_DIR/stdout" || true)" -ge "$wanted" ] && return 0
  done
  fail "never reached $state ($wanted)"
}

# Holds Enter long enough for the gauge to fill a little, lists the states while charging, and lets go.
charge_and_fire() {
  xdotool keydown Return
  sleep 0.3
  xdotool key p
  sleep 0.1
  xdotool keyup Return
  sleep 0.2
}

start_display
install_copy
start_game
window=$(wait_for_window)
xdotool windowfocus --sync "$window" || fail "could not focus the game window"
sleep 1.5 # the logo's entrance
xdotool key Return # Local match
sleep 1
xdotool key Return # Play !
sleep 2
screenshot match-start

xdotool key Up Up Up Up Up # aim 30 degrees up, away from the shooter's own feet
charge_and_fire
[ "$(launch_count)" -ge 1 ] || fail "Enter did not charge the shot"
wait_for_state 1 StateAfterMotion
screenshot match-shot

# The computer plays (it gives up after 10 s at most); Enter only charges once the turn is back.
for _ in $(seq 60); do
  charge_and_fire
  [ "$(launch_count)" -ge 2 ] && break
  sleep 0.5
done
[ "$(launch_count)" -ge 2 ] || fail "the turn never came back from the computer"
screenshot match-second-turn

xdotool key Escape
sleep 0.5
screenshot escape-menu
xdotool key Escape
sleep 1.5
screenshot statistics
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended instead of showing the statistics screen"
listings=$(grep -c '^TStack.print' "$WORK_DIR/stdout" || true)
xdotool key p
sleep 0.5
[ "$(grep -c '^TStack.print' "$WORK_DIR/stdout" || true)" -eq "$listings" ] || fail "still on the game screen"
xdotool key Escape # back to the main menu
sleep 1
screenshot main-menu-after-match
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended instead of going back to the main menu"
xdotool key Escape # the main menu's Escape ends the program
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
grep -q "Stack wasn't empty" "$WORK_DIR/stdout" && fail "a stack was left with items"
echo "shot fired, computer turn played, match abandoned to the statistics screen and back to the main menu"
