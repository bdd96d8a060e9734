#!/usr/bin/env bash
# The game opens its titled window from any working directory, closes on the window's close request,
# and writes its ten-line config.txt beside itself.
source "$(dirname "$0")/lib.sh" "$1"

start_display
install_copy
start_game
window=$(wait_for_window)
wait_for_line "Main menu logo in place" # for the picture
screenshot startup
close_and_expect_clean_exit

config="$WORK_DIR/config.txt"
[ -f "$config" ] || fail "config.txt was not written beside the executable"
[ "$(wc -l <"$config")" -eq 10 ] || fail "config.txt does not have ten lines"
for key in active_music active_sounds fullscreen scrolling nb_teams nb_tumboks nb_ai nb_explosifs game_map game_background; do
  grep -q "^$key:" "$config" || fail "config.txt lacks $key"
done
echo "window $window opened and closed; config.txt written"
