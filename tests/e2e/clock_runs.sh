#!/usr/bin/env bash
# A game started from the command line runs on its own: at the default pace a
# save made a few seconds after another differs from it, and closing
# the program writes the settings.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/clock_runs
. "$here/game_helpers.bash"
make_game_folder "$work"
rm -f "$work/gra/semarion.ini"  # the default pace: about 13 game seconds a second

start_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"
wait_window "$testowo" 60 || fail "the command line did not start Testowo"
save_as "$testowo" "$work/zapisy/wczesniej.sav"
sleep 5
save_as "$testowo" "$work/zapisy/pozniej.sav"
import -window root "$work/running.png"
close_without_saving "$testowo"
trap - EXIT

# Everything but the game time (and what it moved) is the same in both.
! cmp -s "$work/zapisy/wczesniej.sav" "$work/zapisy/pozniej.sav" || fail "the game did not move in five seconds"
grep -q '^Interval=780' "$work/gra/semarion.ini" || fail "closing did not write the settings"
echo "screenshot: $work/running.png"
