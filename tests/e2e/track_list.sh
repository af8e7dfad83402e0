#!/usr/bin/env bash
# The track list of the running program: Testowo started from the command
# line, the key T opens the window over the game with its pane,
# its button closes it, and the key opens it again with its pane as before.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/track_list
. "$here/game_helpers.bash"
make_game_folder "$work"
window="Tory postojowe - co gdzie stoi"

start_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"
wait_window "$testowo" 60 || fail "the command line did not start Testowo"
sleep 1
# The keys go to the window with the focus: a click on the schematic's
# empty corner gives it to the main window.
read -r pane_x pane_y _ _ < <("$run" "$driver" pane "$testowo" 101 | tr -d '\r')
xdotool mousemove --sync $((pane_x + 3)) $((pane_y + 3)) click 1
sleep 0.3

open_by_key() {
  xdotool key t
  wait_window "$window" 30 || fail "the key T did not open the track list"
}

open_by_key
read -r _ _ list_w list_h < <("$run" "$driver" pane "$window" 501 | tr -d '\r')
[ "$list_w" -gt 100 ] && [ "$list_h" -gt 100 ] || fail "the track list's pane is ${list_w} x ${list_h}"
sleep 1.5  # a refresh of its timer
import -window root "$work/track_list.png"
"$run" "$driver" click "$window" 1
wait_closed "$window" 20 || fail "Zamknij did not close the track list"

open_by_key
read -r _ _ again_w again_h < <("$run" "$driver" pane "$window" 501 | tr -d '\r')
[ "$again_w" -eq "$list_w" ] && [ "$again_h" -eq "$list_h" ] || fail "reopened at ${again_w} x ${again_h}"
"$run" "$driver" click "$window" 1

close_without_saving "$testowo"
trap - EXIT
echo "screenshot: $work/track_list.png"
