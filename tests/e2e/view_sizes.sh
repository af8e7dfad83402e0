#!/usr/bin/env bash
# The view size dialog of the running program, opened from its menu command:
# the sliders change the view, OK writes the settings at once, Cancel puts
# back what the dialog found, and the program writes that at its end.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
dialog="Widok - rozmiary"
work=$PWD/e2e/view_sizes
. "$here/game_helpers.bash"
make_bare_folder "$work"
start_program
wait_window "$no_game" 60 || fail "no window titled '$no_game'"

open_dialog() {
  "$run" "$driver" command "$no_game" 40014
  wait_window "$dialog" 30 || fail "the view size dialog did not open"
}

open_dialog
"$run" "$driver" slide "$dialog" 494 25   # boards
"$run" "$driver" slide "$dialog" 492 30   # train pane
"$run" "$driver" click "$dialog" 498      # track labels off
import -window root "$work/dialog.png"
"$run" "$driver" click "$dialog" 1        # OK
expect_ini_line '^Szerokosc_tablic=25' "OK did not write the board width"
expect_ini_line '^Wysokosc_podgladu=30' "OK did not write the train pane height"
expect_ini_line '^Opisy_torow=0' "OK did not write the track labels switch"

open_dialog
"$run" "$driver" slide "$dialog" 494 8
"$run" "$driver" click "$dialog" 497      # whole consists on
"$run" "$driver" click "$dialog" 2        # Cancel
"$run" "$driver" close "$no_game"
expect_exit 0
expect_ini_line '^Szerokosc_tablic=25' "Cancel did not put the board width back"
expect_ini_line '^Cale_sklady=0' "Cancel did not put the whole-consists switch back"
trap - EXIT
echo "screenshot: $work/dialog.png"
