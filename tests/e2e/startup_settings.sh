#!/usr/bin/env bash
# The program, run from a copy of the game folder layout, creates semarion.ini
# with every key at start-up, shows its window with the menu and the status
# bar, and writes the settings back when it is closed: with the changes made by
# menu commands, and clamped when the file held values out of range. Without a
# "Stacje" folder beside the program the settings live one folder up.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
fresh=$here/../fixtures/settings/fresh.ini
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/startup_settings
. "$here/game_helpers.bash"
title=$no_game
rm -rf "$work"
mkdir -p "$work/gra/Stacje" "$work/bez_stacji/bin"
cp "$exe" "$work/gra/semarion.exe"
cp "$exe" "$work/bez_stacji/bin/semarion.exe"

start() {
  program=$1
  launch_program
  wait_window "$title" 60 || fail "no window titled '$title'"
}
stop() {
  "$run" "$driver" close "$title"
  expect_exit 0
}

ini=$work/gra/semarion.ini
start "$work/gra/semarion.exe"
cmp "$ini" "$fresh" || fail "the settings file made at start-up differs from $fresh"
"$run" "$driver" menu "$title" || fail "the window shows no menu bar"
parts=$("$run" "$driver" statusbar "$title" | tr -d '\r')
[ "$parts" = "parts 3" ] || fail "status bar: $parts"
"$run" "$driver" command "$title" 40036   # Utrudnienia off
"$run" "$driver" command "$title" 40037   # Podpowiedzi off ...
"$run" "$driver" command "$title" 40037   # ... and on again
"$run" "$driver" command "$title" 40025   # pause: not a setting
stop
diff <(sed 's/^Utrudnienia=1/Utrudnienia=0/' "$fresh") "$ini" || fail "closing did not write the toggled settings"

sed -i 's/^Autozapis_minut=.*/Autozapis_minut=500/; s/^Szerokosc_tablic=.*/Szerokosc_tablic=3/' "$ini"
start "$work/gra/semarion.exe"
stop
grep -q '^Autozapis_minut=120' "$ini" || fail "Autozapis_minut not clamped to 120"
grep -q '^Szerokosc_tablic=6' "$ini" || fail "Szerokosc_tablic not clamped to 6"

start "$work/bez_stacji/bin/semarion.exe"
stop
cmp "$work/bez_stacji/semarion.ini" "$fresh" || fail "without Stacje the settings belong one folder up"
[ ! -e "$work/bez_stacji/bin/semarion.ini" ] || fail "settings written beside the program without Stacje"
trap - EXIT
echo "settings: $ini"
