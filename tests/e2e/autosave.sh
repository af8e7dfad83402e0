#!/usr/bin/env bash
# With a one-minute autosave interval a game started from the command line is
# autosaved into the program's folder after a minute. A program started again
# loads it from the menu, its station found under "Stacje", and a save of the
# loaded game equals the autosave; "Zapisz stan gry" then asks for a name
# rather than overwrite the autosave. The Windows session then ends
# (wineboot --end-session), which ends the program without a question: the
# game is in the autosave, a save of it loaded again equals the one made just
# before the end, and the settings were written.
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
# Paused, the game stands still to the session's end.
"$run" "$driver" command "$testowo" 40025
"$run" "$driver" command "$testowo" 40003
"$run" "$driver" filedialog "$testowo" "$(winpath "$work/zapisy/po_autozapisie.sav")" 30 ||
  fail "saving after the autosave did not ask for a name"
wait_for_file "$work/zapisy/po_autozapisie.sav" 30 "the save wrote nothing"
cmp "$autosave" "$work/zapisy/po_autozapisie.sav" || fail "the loaded autosave differs from the autosave"

rm "$autosave"
printf '%s[Opcje]\r\nAutozapis_minut=1\r\n' "$frozen_clock" >"$work/gra/semarion.ini"
"$run" wineboot --end-session
expect_exit 0
[ -s "$autosave" ] || fail "the end of the session left no autosave"
[ ! -e "$work/gra/~semarion-zapis.tmp" ] || fail "the end of the session left the autosave's draft"
grep -q '^Bocznica_h=' "$work/gra/semarion.ini" || fail "the end of the session did not write the settings"

start_program
wait_window "$no_game" 60 || fail "no window titled '$no_game' after the session's end"
"$run" "$driver" command "$no_game" 40034
wait_window "$testowo" 30 || fail "the session's autosave did not load"
"$run" "$driver" command "$testowo" 40003
"$run" "$driver" filedialog "$testowo" "$(winpath "$work/zapisy/po_koncu_sesji.sav")" 30 || fail "no save dialog"
wait_for_file "$work/zapisy/po_koncu_sesji.sav" 30 "the save after the session's end wrote nothing"
close_without_saving "$testowo"
trap - EXIT

cmp "$work/zapisy/po_autozapisie.sav" "$work/zapisy/po_koncu_sesji.sav" ||
  fail "the game the session's end kept differs from the one saved just before it"
echo "autosave: $autosave"
