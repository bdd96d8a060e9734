#!/usr/bin/env bash
# Missing data and unusable settings files never stop the game: it reports them, runs and exits cleanly,
# and never destroys a settings file it could not read.
source "$(dirname "$0")/lib.sh" "$1"
start_display

# No data directory at all.
install_copy --no-data
start_game
wait_for_window >/dev/null
close_and_expect_clean_exit
grep -q "^Loading data/other-images/loading.png failed.$" "$WORK_DIR/stdout" || fail "missing loading picture not reported"
grep -q "^Loading data/fonts/font_big.png failed.$" "$WORK_DIR/stdout" || fail "missing font not reported"

# A garbled config.txt: binary bytes, a huge line, CR-LF lines, no final line feed.
rm -f "$WORK_DIR/morvatek" "$WORK_DIR/config.txt"
install_copy
{ for byte in $(seq 0 255); do printf "\\$(printf %03o "$byte")"; done; printf '\n'; printf 'nb_teams:3\r\nnb_tumboks:99999999999999\n'; head -c 200000 /dev/zero | tr '\0' 'x'; printf 'fullscreen:maybe'; } >"$WORK_DIR/config.txt"
start_game
wait_for_window >/dev/null
close_and_expect_clean_exit
[ "$(wc -l <"$WORK_DIR/config.txt")" -eq 10 ] || fail "config.txt was not rewritten whole"
grep -q "^nb_tumboks:7$" "$WORK_DIR/config.txt" || fail "an out-of-range number was not defaulted"
grep -q "^fullscreen:False$" "$WORK_DIR/config.txt" || fail "a bad boolean changed the setting"

# A config.txt that cannot be read (a directory of that name) is reported and left alone.
rm -f "$WORK_DIR/config.txt"
mkdir "$WORK_DIR/config.txt"
touch "$WORK_DIR/config.txt/keep"
start_game
wait_for_window >/dev/null
close_and_expect_clean_exit
grep -q "^Cannot read config.txt" "$WORK_DIR/stdout" || fail "unreadable config.txt not reported"
[ -f "$WORK_DIR/config.txt/keep" ] || fail "the unreadable config.txt was touched"
echo "bad files handled"
