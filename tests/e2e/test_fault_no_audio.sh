#!/usr/bin/env bash
# With no audio device at all the game says so once, then runs silent: main menu, a match with music and
# sounds switched on, and a clean exit.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/fault_lib.sh"

start_display
install_copy
GAME_AUDIO=nonexistent
start_reporting_game
wait_for_main_menu
grep -q "^No sound: " "$WORK_DIR/stdout" || fail "the missing audio device was not reported"
open_match
close_and_expect_clean_exit
grep -qx "active_music:True" "$WORK_DIR/config.txt" || fail "the music setting was lost"
echo "silent game: main menu, a match, clean exit"
