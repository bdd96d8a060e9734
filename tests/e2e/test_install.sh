#!/usr/bin/env bash
# A player's install into a prefix with a blank in its path: the desktop entry and the metainfo validate, the
# entry's icon exists at the sizes its folders say, and the entry's command, started from another directory,
# finds the data and keeps config.txt beside the installed executable. Uninstalling removes every installed
# file but config.txt. A staged install (DESTDIR) points at the final prefix and uninstalls as cleanly.
source "$(dirname "$0")/lib.sh" "$1"
SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd)

prefix="$WORK_DIR/player home/.local"
elsewhere="$WORK_DIR/elsewhere"
mkdir -p "$elsewhere"

installed_files() {
  (cd "$1" && find . ! -type d | sort)
}

start_display
cmake --install "$BUILD_DIR" --prefix "$prefix" >"$WORK_DIR/install.log" 2>&1 ||
  fail "install failed: $(cat "$WORK_DIR/install.log")"

entry=$(echo "$prefix"/share/applications/*.desktop)
[ -f "$entry" ] || fail "no desktop entry installed"
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >"$WORK_DIR/appstream.log" 2>&1 ||
  fail "the metainfo does not validate: $(cat "$WORK_DIR/appstream.log")"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 32x32 256x256; do
  file="$prefix/share/icons/hicolor/$size/apps/$icon.png"
  [ "$(identify -format %wx%h "$file")" = "$size" ] || fail "no $size icon named $icon"
done

# A menu runs the entry's Exec line: the installed link, quoted for the blank.
[ "$(sed -n 's/^Exec=//p' "$entry")" = "\"$prefix/bin/morvatek\"" ] || fail "the entry does not run bin/morvatek"
start_program_in "$elsewhere" "$prefix/bin/morvatek"
wait_for_window >/dev/null
close_and_expect_clean_exit
! grep -q "^Loading .* failed\.$" "$WORK_DIR/stdout" || fail "the installed game did not find its data"
[ -f "$prefix/lib/morvatek/config.txt" ] || fail "config.txt is not beside the installed executable"
[ -z "$(ls -A "$elsewhere")" ] || fail "the game wrote into the directory it was started from"

# The map generator is installed under the player's name for it.
"$prefix/bin/morvatek-mapgen" --sky night --seed 3 --size 800x600 "$WORK_DIR/back_mine.png" ||
  fail "the installed morvatek-mapgen did not draw a sky"
[ "$(identify -format %wx%h "$WORK_DIR/back_mine.png")" = 800x600 ] || fail "morvatek-mapgen drew no 800x600 sky"

make -s -C "$SOURCE_DIR" uninstall PREFIX="$prefix" >"$WORK_DIR/uninstall.log" ||
  fail "uninstall failed: $(cat "$WORK_DIR/uninstall.log")"
left=$(installed_files "$prefix")
[ "$left" = "./lib/morvatek/config.txt" ] || fail "left after uninstalling: $left"

stage="$WORK_DIR/stage"
DESTDIR="$stage" cmake --install "$BUILD_DIR" --prefix /opt/morvatek >"$WORK_DIR/install.log" 2>&1 ||
  fail "staged install failed: $(cat "$WORK_DIR/install.log")"
[ "$(readlink -f "$stage/opt/morvatek/bin/morvatek")" = "$stage/opt/morvatek/lib/morvatek/morvatek" ] ||
  fail "bin/morvatek does not lead to the staged executable"
grep -qx 'Exec="/opt/morvatek/bin/morvatek"' "$stage"/opt/morvatek/share/applications/*.desktop ||
  fail "the staged desktop entry does not run the final bin/morvatek"
make -s -C "$SOURCE_DIR" uninstall DESTDIR="$stage" PREFIX=/opt/morvatek >"$WORK_DIR/uninstall.log" ||
  fail "staged uninstall failed: $(cat "$WORK_DIR/uninstall.log")"
left=$(installed_files "$stage")
[ -z "$left" ] || fail "left after uninstalling the staged install: $left"
echo "installed, started from the desktop entry's command, uninstalled; staged install and uninstall"
