#!/usr/bin/env bash
# Testowo, started from the command line, played with the mouse while its
# clock runs four times the default pace: a refused move shows its message in
# the status bar and costs penalty points; a right click selects the unit on
# platform 2, a left click on the east exit marks the candidate tracks and a
# click on one of them sets the route, which a save made through the menu
# holds as the unit's path, and the unit leaves; the two locomotives of the
# stabling track are then routed the same way to the platform it left free,
# and a few game minutes later they stand there; the wheel over the schematic
# zooms it while the main window has the focus.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/route_setting
. "$here/game_helpers.bash"
make_game_folder "$work"
# Without steam supplies, whose reports would write over the refusal in the status bar.
printf '[Zegar]\r\nInterval=195\r\n[Zapasy]\r\nWlaczone=0\r\n' >"$work/gra/semarion.ini"

start_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"
wait_window "$testowo" 60 || fail "the command line did not start Testowo"
sleep 1
read -r pane_x pane_y pane_w pane_h < <("$run" "$driver" pane "$testowo" 101 | tr -d '\r')

import -window root "$work/start.png"
[ "$(tile_colour 512)" = red ] || fail "platform 2 is not drawn occupied at the start"
[ "$(tile_colour 730)" = red ] || fail "the stabling track is not drawn occupied at the start"

# Platform 1: eastwards its car leads, no locomotive pulls it.
click_tile 3 413
click_tile 1 542
expect_status 1 "Brak lokomotywy na początku składu" "a refused move shows no message"
expect_status 0 "Punkty karne: 5" "a refused move costs no penalty points"
import -window root "$work/refused.png"

# Platform 2: its unit to the east exit, along the one track offered. The
# mouse resting on the unit in the train pane names its train.
click_tile 3 513
read -r train_x train_y _ _ < <("$run" "$driver" pane "$testowo" 103 | tr -d '\r')
xdotool mousemove --sync $((train_x + 30)) $((train_y + 20))
sleep 0.5
import -window root "$work/tooltip.png"
click_tile 1 542
expect_status 1 "" "marking the candidates showed a message"
import -window root "$work/candidates.png"
click_tile 1 530
save_as "$testowo" "$work/zapisy/trasa.sav"
grep -q "542,541,540,539" "$work/zapisy/trasa.sav" || fail "the save holds no path of the unit to the exit"
wait_tile 512 blue 60 "the unit did not leave platform 2"
wait_tile 524 blue 60 "the unit's route was not freed behind it"
import -window root "$work/route.png"

# The locomotives of the stabling track to the platform now free.
click_tile 3 730
click_tile 1 513
expect_status 1 "" "marking the candidates to platform 2 showed a message"
click_tile 1 625
wait_tile 730 blue 60 "the locomotives did not leave the stabling track"
wait_tile 512 red 60 "the locomotives did not come to platform 2"
import -window root "$work/arrived.png"

# The wheel goes to the main window, which has the focus; the pane under the
# cursor zooms.
read -r x y < <(tile_xy 620)
xdotool mousemove --sync "$x" "$y" click 4
sleep 0.5
import -window root "$work/zoomed.png"
close_without_saving "$testowo"
trap - EXIT
grep -q '^Rozmiar_schematu=115' "$work/gra/semarion.ini" || fail "the wheel did not zoom the schematic"
echo "screenshots: $work/start.png $work/refused.png $work/tooltip.png $work/candidates.png $work/route.png $work/arrived.png $work/zoomed.png"
