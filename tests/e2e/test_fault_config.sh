#!/usr/bin/env bash
# A config.txt that cannot be read (no read permission, or a socket, which fails even for root), one that is
# a pipe with no writer, and a good one that cannot be replaced (its directory immutable, or a stale temporary
# in the way): the game reaches its main menu, says what went wrong, exits cleanly, and a good file is never
# lost. Garbled contents and a directory named config.txt are in test_bad_files.sh.
source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/fault_lib.sh"

config="$WORK_DIR/config.txt"
good='active_music:False
active_sounds:True
fullscreen:False
scrolling:True
nb_teams:3
nb_tumboks:5
nb_ai:1
nb_explosifs:20
game_map:fore_caves.png
game_background:back_night.png'

immutable=""
trap '[ -n "$immutable" ] && chattr -i "$immutable"; cleanup' EXIT

run_to_main_menu_and_close() {
  start_reporting_game
  wait_for_main_menu
  close_and_expect_clean_exit
}

expect_unreadable_kept() {
  expect_line "Cannot read $1: the default settings are used and the file is left as it is."
  expect_line "Settings not saved: $1 could not be read at start and is kept as it was."
}

start_display
install_copy

# No read permission; root reads anything, so there a socket stands in (opening one fails with ENXIO).
if [ "$(id -u)" -ne 0 ]; then
  echo "$good" >"$config"
  chmod 000 "$config"
  run_to_main_menu_and_close
  expect_unreadable_kept config.txt
  chmod 600 "$config"
  [ "$(cat "$config")" = "$good" ] || fail "the unreadable config.txt was changed"
  rm -f "$config"
fi
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$config"
run_to_main_menu_and_close
expect_unreadable_kept config.txt
[ -S "$config" ] || fail "the socket named config.txt was replaced"
rm -f "$config"

# A pipe would block a plain open until some writer came: the game must not wait for one.
mkfifo "$config"
run_to_main_menu_and_close
expect_unreadable_kept config.txt
[ -p "$config" ] || fail "the pipe named config.txt was replaced"
rm -f "$config"

# A stale temporary file that cannot be replaced: the save fails and the good file stays as it was.
echo "$good" >"$config"
mkdir "$WORK_DIR/config.txt.tmp"
run_to_main_menu_and_close
grep -q "^Cannot write config.txt: " "$WORK_DIR/stdout" || fail "the failed save was not reported"
[ "$(cat "$config")" = "$good" ] || fail "a good config.txt was damaged by a failed save"
rmdir "$WORK_DIR/config.txt.tmp"

# The game's directory read-only. Root passes any permission bits, so the directory is made immutable.
if chattr +i "$WORK_DIR" 2>/dev/null; then
  immutable=$WORK_DIR
  run_to_main_menu_and_close
  chattr -i "$WORK_DIR"
  immutable=""
  grep -q "^Cannot write config.txt: " "$WORK_DIR/stdout" || fail "the failed save was not reported"
  [ "$(cat "$config")" = "$good" ] || fail "a good config.txt was damaged in a read-only directory"
  [ ! -e "$WORK_DIR/config.txt.tmp" ] || fail "a temporary file was left behind"
else
  echo "SKIP read-only directory: this file system does not take chattr +i"
fi
echo "unreadable, blocking and unreplaceable config.txt handled; the good file kept"
