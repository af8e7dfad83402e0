#!/usr/bin/env bash
# With a one-minute autosave interval a game started from the command line is
# autosaved into the program's folder after a minute. A program started again
# loads it from the menu, its station found under "Stacje", and a save of the
# loaded game equals the autosave; "Zapisz stan gry" then asks for a name
# rather than overwrite the autosave.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
no_game="Semarion Win32 port - Phase 1"
testowo="Semarion Win32 port - Phase 2 - Testowo.stc"
question="Zapis stanu gry"
work=$PWD/e2e/autosave
rm -rf "$work"
mkdir -p "$work/gra/Stacje" "$work/zapisy"
cp "$exe" "$work/gra/semarion.exe"
cp -r "$here/../../game/Stacje/Testowo" "$work/gra/Stacje/"
cp -r "$here/../../game/Tabor" "$work/gra/"
printf '[Opcje]\r\nAutozapis_minut=1\r\n' >"$work/gra/semarion.ini"
autosave=$work/gra/autozapis.sav

fail() { echo "$*"; exit 1; }
winpath() { winepath -w "$1" 2>/dev/null; }
wait_for_file() {
  for _ in $(seq "$2"); do [ -s "$1" ] && return 0; sleep 0.5; done
  fail "$3"
}
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null || true' EXIT
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
sleep 50
[ ! -e "$autosave" ] || fail "autosaved before its minute"
wait_for_file "$autosave" 60 "no autosave after its minute"
close_without_saving "$testowo"

"$run" "$work/gra/semarion.exe" &
pid=$!
"$run" "$driver" wait "$no_game" 60 || fail "no window titled '$no_game'"
"$run" "$driver" command "$no_game" 40034
"$run" "$driver" wait "$testowo" 30 || fail "the autosave did not load"
"$run" "$driver" command "$testowo" 40003
"$run" "$driver" filedialog "$testowo" "$(winpath "$work/zapisy/po_autozapisie.sav")" 30 ||
  fail "saving after the autosave did not ask for a name"
wait_for_file "$work/zapisy/po_autozapisie.sav" 50 "the save wrote nothing"
close_without_saving "$testowo"
trap - EXIT

cmp "$autosave" "$work/zapisy/po_autozapisie.sav" || fail "the loaded autosave differs from the autosave"
