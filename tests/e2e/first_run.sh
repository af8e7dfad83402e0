#!/usr/bin/env bash
# A player's first run: the play command's headless shift on the staged game
# folder, as scripts/play.sh runs it; a timetable that cannot load, or is not
# there, ends it within seconds with the program's own message; and the
# package, unpacked, plays too.
set -euo pipefail
driver=$2
here=$(cd "$(dirname "$0")" && pwd)
play=$here/../../scripts/play_headless.sh
work=$PWD/e2e/first_run
rm -rf "$work"
mkdir -p "$work"
fail() { echo "$*"; exit 1; }

# The build's own game folder, staged beside the tests in the build tree.
"$play" "$PWD/game" "$driver" "$work/shift.png" || fail "the play command failed on the staged game folder"

printf 'to nie jest rozkład\r\n' >"$work/zepsuty.roz"
rc=0
out=$("$play" "$PWD/game" "$driver" "$work/none.png" "$work/zepsuty.roz" 2>&1) || rc=$?
[ "$rc" -ne 0 ] || fail "a timetable that cannot load was played"
grep -q "Błąd odczytu pliku: Stara wersja pliku z rozkładem" <<<"$out" || fail "the program's message was not printed: $out"

rc=0 began=$SECONDS
out=$("$play" "$PWD/game" "$driver" "$work/none.png" "$work/brak.roz" 2>&1) || rc=$?
[ "$rc" -ne 0 ] || fail "a timetable that is not there was played"
grep -q "Błąd odczytu pliku: Nie udało się otworzyć pliku z tej ścieżki." <<<"$out" ||
  fail "the program's message on a timetable that is not there was not printed: $out"
[ $((SECONDS - began)) -le 20 ] || fail "a timetable that is not there took $((SECONDS - began)) s to report"

cpack --config "$PWD/CPackConfig.cmake" -B "$work/package" >/dev/null || fail "no package was made"
zip=$(ls "$work"/package/semarion-*-win64.zip)
unzip -q "$zip" -d "$work/unpacked"
"$play" "$work/unpacked/$(basename "$zip" .zip)" "$driver" "$work/unpacked.png" ||
  fail "the unpacked package did not play"
