#!/usr/bin/env bash
# The portable archive: it unpacks into one folder holding the executable, the map generator, data/, the README
# and the licences; its ./morvatek opens the window, finds its data, quits cleanly and keeps config.txt beside
# itself, and its generator puts a player's maps into that data/.
source "$(dirname "$0")/lib.sh" "$1"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")
name="morvatek-$version-linux-$(uname -m)"
cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK_DIR/package" >"$WORK_DIR/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$WORK_DIR/cpack.log")"
archive="$WORK_DIR/package/$name.tar.gz"
[ -f "$archive" ] || fail "no $name.tar.gz"

unpacked="$WORK_DIR/unpacked"
mkdir "$unpacked"
tar -xzf "$archive" -C "$unpacked"
[ "$(ls -A "$unpacked")" = "$name" ] || fail "the archive does not unpack into one folder $name"
game_dir="$unpacked/$name"
[ "$(ls -A "$game_dir" | tr '\n' ' ')" = "LICENSE LICENSE.DejaVu README.md data morvatek morvatek-mapgen " ] ||
  fail "the archive holds: $(ls -A "$game_dir")"
help=$("$game_dir/morvatek-mapgen" --help)
grep -qF " $(realpath "$game_dir")/data/maps," <<<"$help" || fail "the generator does not write into data/maps: $help"

start_display
start_program_in "$game_dir" ./morvatek
wait_for_window >/dev/null
close_and_expect_clean_exit
! grep -q "^Loading .* failed\.$" "$WORK_DIR/stdout" || fail "the unpacked game did not find its data"
[ -f "$game_dir/config.txt" ] || fail "config.txt is not beside the unpacked executable"
echo "$name unpacked, started, closed; config.txt beside it"
