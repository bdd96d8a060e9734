#!/usr/bin/env bash
# SIGTERM, in the main menu and in the middle of a match, ends the game as a close request does: exit status
# 0 and config.txt written with the settings of the run.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/fault_lib.sh"

config="$WORK_DIR/config.txt"
settings='active_music:False
active_sounds:False
fullscreen:False
scrolling:True
nb_teams:2
nb_tumboks:3
nb_ai:1
nb_explosifs:4
game_map:fore_islands.png
game_background:back_sunset.png'

terminate_and_check() {
  kill -TERM "$GAME_PID"
  wait_for_exit
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after SIGTERM in $1"
  [ "$(cat "$config")" = "$settings" ] || fail "config.txt after SIGTERM in $1: $(cat "$config")"
}

start_display
install_copy
echo "$settings" >"$config"
start_reporting_game
wait_for_main_menu
terminate_and_check "the main menu"

start_reporting_game
wait_for_main_menu
open_match
terminate_and_check "a match"
echo "SIGTERM ended the main menu and a match cleanly, settings written"
