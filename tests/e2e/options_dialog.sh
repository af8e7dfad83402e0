#!/usr/bin/env bash
# The options dialog of the running program, opened at its pages by the Opcje
# menu commands: OK keeps the changes in the program and Cancel drops them;
# the settings file gets them when the program ends.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
dialog="Opcje"
work=$PWD/e2e/options_dialog
. "$here/game_helpers.bash"
make_game_folder "$work"
ini=$work/gra/semarion.ini
rm -f "$ini"  # the defaults, written back whole at the end

start_program
wait_window "$no_game" 60 || fail "no window titled '$no_game'"

open_page() {
  "$run" "$driver" command "$no_game" "$1"
  wait_window "$dialog" 30 || fail "the options dialog did not open for command $1"
}

open_page 40020                            # Zegar
"$run" "$driver" click "$dialog" 211       # real time
"$run" "$driver" click "$dialog" 1
open_page 40041                            # Inne
[ "$("$run" "$driver" text "$dialog" 567 | tr -d '\r')" = 17 ] || fail "the water edit does not show 17 hours"
"$run" "$driver" settext "$dialog" 567 20
"$run" "$driver" settext "$dialog" 569 5000
import -window root "$work/dialog.png"
"$run" "$driver" click "$dialog" 1
open_page 40022                            # Ustawienia
"$run" "$driver" click "$dialog" 246       # fixed preview size off...
"$run" "$driver" click "$dialog" 2         # ...and cancelled

"$run" "$driver" close "$no_game"
expect_exit 0
expect_ini_line '^Interval=10000' "the real-time clock was not kept"
expect_ini_line '^Czas_rzeczywisty=1' "the real-time switch was not kept"
expect_ini_line '^Woda_sekund=72000' "the water duration was not kept"
expect_ini_line '^Wegiel_sekund=3596400' "the coal duration was not clamped to 999 hours"
expect_ini_line '^Staly_rozmiar=1' "Cancel did not drop the preview size switch"
trap - EXIT
echo "screenshot: $work/dialog.png"
