#!/usr/bin/env bash
# The Debian package as a player of a shared machine gets it. make deb builds it and lintian finds nothing to
# say; apt-get installs it. An unprivileged user starts /usr/games/morvatek: the game keeps that user's
# settings in ~/.config/morvatek/config.txt, made at the first exit, reads them back at the next start, and
# writes nothing under /usr. A terrain that morvatek-mapgen draws into the user's own map folder is offered
# and a match is played on it. Purging the package leaves none of its files. Whatever happens, the trap takes
# the package off the machine again. Needs root, and is skipped without it.
set -euo pipefail

SKIP=77
BUILD_DIR=$(cd "$1" && pwd)
SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd)
TITLE="Morvatek - il va y avoir de l'A-Tumbok !"
PLAYER=nobody
DATA=/usr/share/games/morvatek/data
# Another apt-get may be running: wait for its lock instead of failing.
APT=(apt-get -y -q -o DPkg::Lock::Timeout=1800)

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing the package needs root"
  exit $SKIP
fi
if grep -qE '^MORVATEK_(SANITIZE|SDL2):BOOL=ON$' "$BUILD_DIR/CMakeCache.txt"; then
  echo "skipped: the package is the plain build's, and the plain build's suite tests it"
  exit $SKIP
fi
status=$(dpkg-query -W -f '${db:Status-Status}' morvatek 2>/dev/null || true)
if [ -n "$status" ] && [ "$status" != not-installed ]; then
  echo "skipped: morvatek is already installed on this machine, and the test would take it off"
  exit $SKIP
fi

WORK_DIR=$(mktemp -d /tmp/morvatek-deb-XXXXXX)
chmod 755 "$WORK_DIR"
PLAYER_HOME="$WORK_DIR/home"
RUN_DIR="$WORK_DIR/run" # the player's pid file, out of the player's home
mkdir "$PLAYER_HOME" "$RUN_DIR"
chown "$PLAYER:" "$PLAYER_HOME" "$RUN_DIR"
XVFB_PID=""
RUNNER_PID=""
INSTALLED=""

cleanup() {
  if [ -n "$RUNNER_PID" ]; then
    [ -s "$RUN_DIR/game.pid" ] && kill -9 "$(cat "$RUN_DIR/game.pid")" 2>/dev/null
    kill -9 "$RUNNER_PID" 2>/dev/null
  fi
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  [ -n "$INSTALLED" ] && DEBIAN_FRONTEND=noninteractive "${APT[@]}" purge morvatek >/dev/null 2>&1
  rm -rf "$WORK_DIR"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK_DIR/stdout" ] && { echo "--- game output:" >&2; cat "$WORK_DIR/stdout" >&2; }
  exit 1
}

# Polls until the command succeeds; fails with the message after about `tenths` tenths of a second.
wait_until() {
  local tenths=$1 message=$2
  shift 2
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1 # the interval between two tries
  done
  fail "$message"
}

# The player's own run of a program: a clean environment of their own, started from their home folder.
as_player() {
  runuser -u "$PLAYER" -- env -i HOME="$PLAYER_HOME" PATH=/usr/games:/usr/bin:/bin DISPLAY="${DISPLAY:-}" \
    SDL_AUDIODRIVER=dummy MORVATEK_STARTUP_REPORT=1 sh -c 'cd "$HOME" && exec "$@"' sh "$@"
}

game_running() {
  kill -0 "$RUNNER_PID" 2>/dev/null
}

has_line() {
  grep -qxF -- "$1" "$WORK_DIR/stdout" || { game_running || fail "the game ended without printing '$1'"; false; }
}

start_game() {
  rm -f "$RUN_DIR/game.pid"
  : >"$WORK_DIR/stdout" # now: the redirection below runs in the background, after the waits may have looked
  as_player sh -c 'echo $$ >"$0" && exec /usr/games/morvatek' "$RUN_DIR/game.pid" >"$WORK_DIR/stdout" 2>&1 &
  RUNNER_PID=$!
  wait_until 300 "the game did not show its settings file" \
    has_line "Settings are kept in $PLAYER_HOME/.config/morvatek/config.txt"
  wait_until 600 "no main menu" grep -q "^Main menu first frame drawn" "$WORK_DIR/stdout"
  WINDOW=$(xdotool search --name "^${TITLE//\'/.}\$" | head -n1)
  [ -n "$WINDOW" ] || fail "no window titled '$TITLE'"
  xdotool windowfocus --sync "$WINDOW" || fail "could not focus the game window"
}

# The colour of one pixel, of the game's window or of a picture file.
pixel_of() {
  convert "$1" -format '%[pixel:p{4,4}]' info:
}
window_pixel() {
  import -window "$WINDOW" "$WORK_DIR/window.png" && pixel_of "$WORK_DIR/window.png"
}
panel_shown() {
  [ "$(window_pixel)" = "$PANEL_PIXEL" ]
}

# Local match, the first entry of the main menu, opens the setup panel; it takes keys once it draws.
open_setup_panel() {
  xdotool key Return
  wait_until 300 "the setup panel did not open" panel_shown
}

# Right moves the focus from the skies through the terrains and the preview to the number of teams, whose
# Up adds one.
add_a_team() {
  xdotool key Right Right Right Up
}

# The game screen's "p" lists its game states: a match is on once StateNormal shows.
match_on() {
  xdotool key p
  grep -qx StateNormal "$WORK_DIR/stdout"
}

close_game() {
  "$BUILD_DIR/tools/x11_close_window" "$TITLE" || fail "could not ask the window to close"
  local status=0
  wait_until 300 "the game did not exit" eval '! game_running'
  wait "$RUNNER_PID" || status=$?
  RUNNER_PID=""
  [ "$status" -eq 0 ] || fail "exit status $status"
}

config_line() {
  grep -qx "$1" "$PLAYER_HOME/.config/morvatek/config.txt" ||
    fail "no line $1 in config.txt: $(cat "$PLAYER_HOME/.config/morvatek/config.txt")"
}

# The package, from a build of its own beside the test build's; the compiler launcher carries over.
launcher=$(sed -n 's/^CMAKE_CXX_COMPILER_LAUNCHER:[A-Z]*=//p' "$BUILD_DIR/CMakeCache.txt")
make -s -C "$SOURCE_DIR" deb DEB_BUILD="$BUILD_DIR/deb" \
  ${launcher:+CMAKE_ARGS=-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher} >"$WORK_DIR/make.log" 2>&1 ||
  fail "make deb failed: $(tail -n 30 "$WORK_DIR/make.log")"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")
package="$BUILD_DIR/deb/morvatek_${version}_$(dpkg --print-architecture).deb"
[ -f "$package" ] || fail "make deb made no $package"

lintian --fail-on error,warning "$package" >"$WORK_DIR/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$WORK_DIR/lintian.log")"
[ "$(dpkg-deb -f "$package" Section)" = games ] || fail "the package is not in the games section"
dpkg-deb -f "$package" Depends | grep -q libsdl || fail "the package depends on no SDL library"
contents=$(dpkg-deb -c "$package" | awk '{ print $6 }')
for file in games/morvatek games/morvatek-mapgen share/games/morvatek/data/fonts/font_big.png \
  share/games/morvatek/data/maps/fore_basic.png share/man/man6/morvatek.6.gz share/man/man6/morvatek-mapgen.6.gz \
  share/doc/morvatek/copyright share/doc/morvatek/changelog.gz; do
  grep -qx "./usr/$file" <<<"$contents" || fail "the package holds no /usr/$file"
done

INSTALLED=yes
DEBIAN_FRONTEND=noninteractive "${APT[@]}" install --no-install-recommends "$package" >"$WORK_DIR/apt.log" 2>&1 ||
  fail "apt-get install failed: $(tail -n 20 "$WORK_DIR/apt.log")"
dpkg-query -L morvatek >"$WORK_DIR/package-files"
touch "$WORK_DIR/installed"
PANEL_PIXEL=$(pixel_of "$DATA/other-images/options-bg.png")
[ "$PANEL_PIXEL" != "$(pixel_of "$DATA/other-images/mainmenu-bg.png")" ] ||
  fail "the setup panel cannot be told from the main menu"

# The player's own terrain, drawn where the game offers the player's maps; --help says where that is.
own_maps="$PLAYER_HOME/.local/share/morvatek/maps"
help=$(as_player morvatek-mapgen --help)
grep -qF " $own_maps," <<<"$help" || fail "morvatek-mapgen --help does not name $own_maps: $help"
[ "$(as_player morvatek-mapgen --terrain islands --seed 42 --size 1600x1000 fore_mine.png)" = \
  "Wrote $own_maps/fore_mine.png" ] || fail "morvatek-mapgen did not tell where it wrote the terrain"
[ -f "$own_maps/fore_mine.png" ] || fail "morvatek-mapgen wrote no $own_maps/fore_mine.png"

fifo="$WORK_DIR/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
XVFB_PID=$!
wait_until 100 "Xvfb did not start" test -s "$fifo"
export DISPLAY=":$(head -n1 "$fifo")"

# First start: no settings yet. One more team, then quit: the settings folder is made, the player's alone.
start_game
open_setup_panel
add_a_team
close_game
config_line nb_teams:3
[ "$(stat -c '%U %a' "$PLAYER_HOME/.config/morvatek")" = "$PLAYER 700" ] ||
  fail "the settings folder is not the player's alone: $(stat -c '%U %a' "$PLAYER_HOME/.config/morvatek")"

# The player picks their own terrain in config.txt; next start, the number of teams comes back (one more
# gives 4, where the defaults would give 3), and the terrain is offered and played.
as_player sed -i 's/^game_map:.*/game_map:fore_mine.png/' .config/morvatek/config.txt
start_game
open_setup_panel
add_a_team
xdotool key Return # Play !
wait_until 300 "no match on the player's terrain" match_on
close_game
config_line nb_teams:4
config_line game_map:fore_mine.png
! grep -q "failed\.$" "$WORK_DIR/stdout" || fail "the installed game did not find all its files"

# The game wrote the player's two files and nothing else; under /usr nothing of the player's or the game's
# is newer than the install (the rest of /usr is left out: other packages may be installed meanwhile).
left=$(cd "$PLAYER_HOME" && find . ! -type d | sort | tr '\n' ' ')
[ "$left" = "./.config/morvatek/config.txt ./.local/share/morvatek/maps/fore_mine.png " ] ||
  fail "the player's home holds: $left"
written=$(find /usr -xdev -newer "$WORK_DIR/installed" \( -user "$PLAYER" -o -path '*morvatek*' -o -name 'config.txt*' \))
[ -z "$written" ] || fail "written under /usr: $written"

DEBIAN_FRONTEND=noninteractive "${APT[@]}" purge morvatek >"$WORK_DIR/apt.log" 2>&1 ||
  fail "apt-get purge failed: $(tail -n 20 "$WORK_DIR/apt.log")"
INSTALLED=""
while read -r path; do
  if [ -e "$path" ] && { [ ! -d "$path" ] || [[ "$path" == */morvatek* ]]; }; then
    fail "left after purging: $path"
  fi
done <"$WORK_DIR/package-files"
echo "package built, lintian-clean, installed; settings kept in the player's home, own map played; purged"
