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
work=$PWD/e2e/autosave
. "$here/game_helpers.bash"
make_game_folder "$work"
printf '%s[Opcje]\r\nAutozapis_minut=1\r\n' "$frozen_clock" >"$work/gra/semarion.ini"
autosave=$work/gra/autozapis.sav

start_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"
wait_window "$testowo" 60 || fail "the command line did not start Testowo"
sleep 50
[ ! -e "$autosave" ] || fail "autosaved before its minute"
wait_for_file "$autosave" 90 "no autosave after its minute"
close_without_saving "$testowo"

start_program
wait_window "$no_game" 60 || fail "no window titled '$no_game'"
"$run" "$driver" command "$no_game" 40034
wait_window "$testowo" 30 || fail "the autosave did not load"
"$run" "$driver" command "$testowo" 40003
"$run" "$driver" filedialog "$testowo" "$(winpath "$work/zapisy/po_autozapisie.sav")" 30 ||
  fail "saving after the autosave did not ask for a name"
wait_for_file "$work/zapisy/po_autozapisie.sav" 30 "the save wrote nothing"
close_without_saving "$testowo"
trap - EXIT

cmp "$autosave" "$work/zapisy/po_autozapisie.sav" || fail "the loaded autosave differs from the autosave"
echo "autosave: $autosave"
