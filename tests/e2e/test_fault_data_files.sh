#!/usr/bin/env bash
# Every data file in turn removed, then in turn replaced by garbage: the game still reaches its main menu,
# reports a picture it needs with its "Loading ... failed." line when the screen that needs it opens, plays
# on without the file, and exits cleanly. Sounds and music fail silently by design. Four workers, each with
# its own display and copy of the game, share the cases: a case spends most of its time waiting for the game's
# frames and the X server, so four overlap well on two cores.
set -euo pipefail
build=$1
workers=${MORVATEK_FAULT_WORKERS:-4}

if [ "${2:-}" != "--worker" ]; then
  files=$(cd "$build/data" && find . -type f ! -name .generated | sed 's|^\./||' | sort)
  [ -n "$files" ] || { echo "FAIL: no data files in $build/data" >&2; exit 1; }
  pids=()
  for index in $(seq 0 $((workers - 1))); do
    echo "$files" | awk -v n="$workers" -v i="$index" 'NR % n == i' >"$build/fault-files-$index.txt"
    bash "$0" "$build" --worker "$build/fault-files-$index.txt" &
    pids+=($!)
  done
  status=0
  for pid in "${pids[@]}"; do wait "$pid" || status=1; done
  rm -f "$build"/fault-files-*.txt
  [ "$status" -eq 0 ] || exit 1
  echo "$(echo "$files" | wc -l) data files each removed and garbled: handled"
  exit 0
fi

source "$(dirname "$0")/lib.sh" "$build"
source "$(dirname "$0")/fault_lib.sh"
case_list=$3

# Where a file is first needed on the way main menu -> setup -> match -> statistics, and whether a failure is
# reported: "<stage> line", "<stage> none" (nothing on the way opens it), or "<stage> any" (opened on first
# use, which the test does not make). Match pictures are loaded when the match starts.
stage_of() {
  local mode=$1 file=$2
  case "$file" in
  fonts/* | other-images/icon.png | other-images/loading.png | other-images/mainmenu-* | \
    other-images/morvatek.small.png | other-images/top.png | other-images/bottom.png)
    echo "start line" ;;
  other-images/ok.png | other-images/cancel.png) echo "setup line" ;;
  other-images/options-bg.png | other-images/options-items-* | other-images/widgets-cross.png)
    echo "settings line" ;;
  # The hands of the bow and the grenade are drawn only once one is chosen.
  game-images/weapons-bow-* | game-images/weapons-grenade-*) echo "match any" ;;
  other-images/options-mini.png | game-images/*) echo "match line" ;;
  other-images/quit-mini.png) echo "statistics line" ;;
  # The chosen maps are opened by the setup panel's preview (a removed one too, before the panel picks
  # another); without them a match starts on the others.
  maps/fore_basic.png | maps/back_day.png)
    [ "$mode" = garble ] && echo "setup line" || echo "match any" ;;
  # The music plays in a match; effects are loaded at start.
  noise/music-game.mod) echo "match none" ;;
  *) echo "start none" ;;
  esac
}

try_case() {
  local mode=$1 file=$2 stage expect
  read -r stage expect <<<"$(stage_of "$mode" "$file")"
  install_own_copy
  # Four teams, so that every flag is needed; music and sounds on, so that they are loaded and played.
  printf '%s\n' active_music:True active_sounds:True fullscreen:False scrolling:False nb_teams:4 nb_tumboks:1 \
    nb_ai:0 nb_explosifs:2 game_map:fore_basic.png game_background:back_day.png >"$WORK_DIR/config.txt"
  if [ "$mode" = remove ]; then rm "$WORK_DIR/data/$file"; else garble_file "$WORK_DIR/data/$file"; fi
  start_reporting_game
  wait_for_main_menu
  case "$stage" in
  setup) open_setup_panel ;;
  settings) open_settings_panel ;;
  match) open_match ;;
  statistics)
    open_match
    press_and_wait "Escape menu shown" Escape
    press_and_wait "Statistics shown" Escape ;;
  esac
  local line="Loading data/$file failed."
  OUTPUT_MARK=0 # the line may have come at any point since the start
  [ "$expect" = line ] && wait_for_line "$line"
  close_and_expect_clean_exit
  if [ "$expect" = none ] && grep -qxF "$line" "$WORK_DIR/stdout"; then
    fail "$file ($mode) was reported though nothing should have opened it"
  fi
  echo "$mode $file: $stage, $expect, exit 0"
}

start_display
while read -r file; do
  for mode in remove garble; do
    try_case "$mode" "$file"
  done
done <"$case_list"
