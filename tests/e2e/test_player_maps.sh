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

# Play ! is refused with a line and a notice on the panel, drawn in a frame after it; the panel stays, and the
# game ends cleanly on a close request, never having shown a match.
refuse_on_panel() {
  press_and_wait "$1 cannot be read as a picture" Return
  poll_until "no notice on the panel" notice_shown
  screenshot "$2"
  close_and_expect_clean_exit
  grep -qx "Match shown" "$WORK_DIR/stdout" && fail "a match started on $1"
  return 0
}

notice_shown() {
  brightness=$(notice_brightness)
  awk -v b="$brightness" 'BEGIN { exit !(b > 0.8) }'
}

open_panel_on fore_broken.png
refuse_on_panel fore_broken.png player-map-refused

# Other formats under a map's name, declaring 65535 x 65535: a GIF reached its own decoder and crashed the
# game before pictures were read as PNG only.
printf 'GIF89a\xff\xff\xff\xff\x80\0\0\0\0\0\0\0\0,\0\0\0\0\xff\xff\xff\xff\0\x02\x02\x44\x01\0;' \
  >"$WORK_DIR/data/maps/fore_x.png"
open_panel_on fore_x.png
refuse_on_panel fore_x.png player-map-gif-refused

open_panel_on fore_player.png
start_match_from_panel # Play !
screenshot player-map-match
close_and_expect_clean_exit
echo "generated map played, broken file and a GIF under a map's name refused on the panel"
