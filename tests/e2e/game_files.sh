#!/usr/bin/env bash
# A game started from the command line on Testowo is saved through the menu's
# "save as" under a typed name; the program is closed, started again without
# a timetable, the save is loaded through the menu and saved again: the two
# saves are the same. (The INI of the test makes the clock all but stand, so
# nothing moves between the two.)
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/game_files
. "$here/game_helpers.bash"
make_game_folder "$work"

start_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"
wait_window "$testowo" 60 || fail "the command line did not start Testowo"
import -window root "$work/game.png"
save_as "$testowo" "$work/zapisy/pierwszy.sav"
close_without_saving "$testowo"

start_program
wait_window "$no_game" 60 || fail "no window titled '$no_game'"
"$run" "$driver" command "$no_game" 40002
"$run" "$driver" filedialog "$no_game" "$(winpath "$work/zapisy/pierwszy.sav")" 30 || fail "no load dialog"
wait_window "$testowo" 30 || fail "the save did not load"
save_as "$testowo" "$work/zapisy/drugi.sav"
close_without_saving "$testowo"
trap - EXIT

cmp "$work/zapisy/pierwszy.sav" "$work/zapisy/drugi.sav" || fail "the loaded game differs from the saved one"
echo "screenshot: $work/game.png"
