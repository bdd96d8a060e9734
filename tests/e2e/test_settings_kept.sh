#!/usr/bin/env bash
# A setting changed in the settings panel is written at exit and read back at the next start; screenshots of
# the main menu, the match setup panel and the settings panel are left in the artefacts.
source "$(dirname "$0")/lib.sh" "$1"

config="$WORK_DIR/config.txt"

focus_game() {
  window=$(wait_for_window)
  xdotool windowfocus --sync "$window" || fail "could not focus the game window"
}

# The main menu lists Local match, Network match, Settings, Quit; Up twice wraps round to Settings. The rows
# glide for a few 50 ms frames after each press, and a press during the glide is ignored by design, so each
# press waits for the menu to come to rest.
open_settings() {
  press_and_wait "Main menu at rest on Quit" Up
  press_and_wait "Main menu at rest on Settings" Up
  press_and_wait "Settings panel shown" Return
}

# Return flips the focused toggle, which is Music; Escape leaves the panel, then the main menu ends the game.
flip_music_and_leave() {
  xdotool key Return
  press_and_wait "Main menu at rest on Settings" Escape
  xdotool key Escape
  wait_for_exit
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
}

start_display
install_copy

start_game
focus_game
wait_for_line "Main menu logo in place"
screenshot main-menu
press_and_wait "Setup panel shown" Return
screenshot setup-panel
press_and_wait "Main menu at rest on Local match" Escape
open_settings
screenshot settings
flip_music_and_leave
grep -qx "active_music:False" "$config" || fail "music switched off was not saved: $(cat "$config")"

# The second start reads False: flipping it again gives True.
start_game
focus_game
wait_for_main_menu_on "Local match"
open_settings
flip_music_and_leave
grep -qx "active_music:True" "$config" || fail "the saved setting was not read back: $(cat "$config")"
echo "music setting saved, read back and saved again"
