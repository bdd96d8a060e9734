#!/usr/bin/env bash
# With data/maps empty the setup panel says no map was found, and Play ! starts nothing: Escape goes back to
# the main menu and a second Escape ends the game cleanly. The notice is text on the panel's bottom band,
# which is plain dark background when maps are there.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/fault_lib.sh"

# The brightest pixel of the window's notice band, 0 to 1.
notice_brightness() {
  local window
  window=$(wait_for_window)
  import -window "$window" "$WORK_DIR/panel.png"
  convert "$WORK_DIR/panel.png" -crop 800x24+0+552 -colorspace Gray -format '%[fx:maxima]' info:
}

# The line is printed while the panel is built, before its first frame.
show_setup_panel() {
  start_reporting_game
  wait_for_main_menu
  open_setup_panel
  OUTPUT_MARK=0
  wait_for_line "$1"
}

start_display
install_own_copy
rm -f "$WORK_DIR"/data/maps/*
show_setup_panel "u_data_maps/TMaps.setlist ERROR : cannot find first"
screenshot maps-empty
empty=$(notice_brightness)
# Play ! is refused: the Escape after it still finds the panel, which leads back to the main menu (in a match
# it would open the escape menu instead).
xdotool key Return
press_and_wait "Main menu at rest on Local match" Escape
grep -qx "Match shown" "$WORK_DIR/stdout" && fail "a match started without maps"
xdotool key Escape
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"

# The same panel with maps, for the band without a notice; a garbled chosen terrain marks the panel built
# (its notice only shows once Play ! is refused).
install_own_copy
garble_file "$WORK_DIR/data/maps/fore_basic.png"
show_setup_panel "Loading data/maps/fore_basic.png failed."
with_maps=$(notice_brightness)
close_and_expect_clean_exit
echo "notice band brightness: $empty without maps, $with_maps with maps"
awk -v e="$empty" -v m="$with_maps" 'BEGIN { exit !(e > 0.8 && m < 0.6) }' || fail "no notice shown without maps"
echo "no map found: said on the panel, no match started, clean exit"
