#!/usr/bin/env bash
# A player's own maps: a terrain made by the generator and a broken file are dropped into data/maps. Chosen on
# the setup panel, the generated terrain starts a match; the broken one is refused with a notice naming it,
# and the panel stays.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/fault_lib.sh"

# The setup panel with the given terrain chosen.
open_panel_on() {
  cat >"$WORK_DIR/config.txt" <<CONFIG
active_music:False
active_sounds:False
fullscreen:False
scrolling:False
nb_teams:2
nb_tumboks:3
nb_ai:0
nb_explosifs:0
game_map:$1
game_background:back_player.png
CONFIG
  start_reporting_game
  wait_for_main_menu
  open_setup_panel
  sleep 0.5 # the panel's first frame
}

# True once the game screen answers its listing key.
match_started() {
  local before
  before=$(grep -c '^TStack.print' "$WORK_DIR/stdout" || true)
  for _ in $(seq 30); do
    xdotool key p
    sleep 0.2
    [ "$(grep -c '^TStack.print' "$WORK_DIR/stdout" || true)" -gt "$before" ] && return 0
  done
  return 1
}

# The brightest pixel of the panel's notice band, 0 to 1.
notice_brightness() {
  import -window "$(wait_for_window)" "$WORK_DIR/panel.png"
  convert "$WORK_DIR/panel.png" -crop 800x24+0+552 -colorspace Gray -format '%[fx:maxima]' info:
}

start_display
install_own_copy
"$BUILD_DIR/assetgen" --terrain islands --seed 42 --size 1600x1000 "$WORK_DIR/data/maps/fore_player.png" ||
  fail "the generator did not write the terrain"
"$BUILD_DIR/assetgen" --sky night --seed 42 --size 800x600 "$WORK_DIR/data/maps/back_player.png" ||
  fail "the generator did not write the sky"
echo "this is not a picture" >"$WORK_DIR/data/maps/fore_broken.png"

open_panel_on fore_broken.png
xdotool key Return # Play ! is refused
sleep 0.5
screenshot player-map-refused
match_started && fail "a match started on a broken terrain"
brightness=$(notice_brightness)
awk -v b="$brightness" 'BEGIN { exit !(b > 0.8) }' || fail "no notice on the panel (brightness $brightness)"
close_and_expect_clean_exit
grep -q "^fore_broken.png cannot be read as a picture$" "$WORK_DIR/stdout" ||
  fail "the refusal was not told"

open_panel_on fore_player.png
xdotool key Return # Play !
sleep 1
match_started || fail "no match on the generated terrain"
screenshot player-map-match
close_and_expect_clean_exit
echo "generated map played, broken file refused on the panel"
