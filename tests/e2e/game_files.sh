#!/usr/bin/env bash
# A game started from the command line on Testowo is saved through the menu's
# "save as" under a typed name; the program is closed, started again without
# a timetable, the save is loaded through the menu and saved again: the two
# saves are the same. (While the simulation step is not driven by the timer
# the clock stands, so nothing moves between the two.)
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
no_game="Semarion Win32 port - Phase 1"
testowo="Semarion Win32 port - Phase 2 - Testowo.stc"
question="Zapis stanu gry"
work=$PWD/e2e/game_files
rm -rf "$work"
mkdir -p "$work/gra/Stacje" "$work/zapisy"
cp "$exe" "$work/gra/semarion.exe"
cp -r "$here/../../game/Stacje/Testowo" "$work/gra/Stacje/"
cp -r "$here/../../game/Tabor" "$work/gra/"

fail() { echo "$*"; exit 1; }
winpath() { winepath -w "$1" 2>/dev/null; }
wait_for_file() {
  for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.2; done
  fail "$2"
}
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null || true' EXIT

# Closing a running game asks whether to save it: No, and the program ends.
close_without_saving() {
  "$run" "$driver" close "$1"
  "$run" "$driver" wait "$question" 30 || fail "no save question at the end"
  "$run" "$driver" click "$question" 7
  local rc=0
  wait "$pid" || rc=$?
  pid=
  [ "$rc" -eq 0 ] || fail "semarion.exe ended with $rc"
}

"$run" "$work/gra/semarion.exe" "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")" &
pid=$!
"$run" "$driver" wait "$testowo" 60 || fail "the command line did not start Testowo"
import -window root "$work/game.png"
"$run" "$driver" command "$testowo" 40004
"$run" "$driver" filedialog "$testowo" "$(winpath "$work/zapisy/pierwszy.sav")" 30 || fail "no save dialog"
wait_for_file "$work/zapisy/pierwszy.sav" "save as wrote nothing"
close_without_saving "$testowo"

"$run" "$work/gra/semarion.exe" &
pid=$!
"$run" "$driver" wait "$no_game" 60 || fail "no window titled '$no_game'"
"$run" "$driver" command "$no_game" 40002
"$run" "$driver" filedialog "$no_game" "$(winpath "$work/zapisy/pierwszy.sav")" 30 || fail "no load dialog"
"$run" "$driver" wait "$testowo" 30 || fail "the save did not load"
"$run" "$driver" command "$testowo" 40004
"$run" "$driver" filedialog "$testowo" "$(winpath "$work/zapisy/drugi.sav")" 30 || fail "no save dialog"
wait_for_file "$work/zapisy/drugi.sav" "the second save as wrote nothing"
close_without_saving "$testowo"
trap - EXIT

cmp "$work/zapisy/pierwszy.sav" "$work/zapisy/drugi.sav" || fail "the loaded game differs from the saved one"
echo "screenshot: $work/game.png"
