#!/usr/bin/env bash
# Tarninowo's timetable window in the running program: a double click on the
# arrivals board opens the arrivals, limited to the first trains the settings
# ask for, the menu command the departures; each opens at the size the
# settings remember and closes with its button, and that size is written back
# with the settings at the end.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/timetable_window
. "$here/game_helpers.bash"
make_game_folder "$work"
cp -r "$here/../../game/Stacje/Tarninowo" "$work/gra/Stacje/"
printf '%s[Opcje]\r\nRozklad_pierwszych=20\r\n[Widok]\r\nRozklad_w=720\r\nRozklad_h=430\r\n' "$frozen_clock" \
  >"$work/gra/semarion.ini"
tarninowo="Semarion Win32 port - Phase 2 - Tarninowo.stc"

start_program "$(winpath "$work/gra/Stacje/Tarninowo/Tarninowo.roz")"
wait_window "$tarninowo" 60 || fail "the command line did not start Tarninowo"
sleep 1
read -r x y w h < <("$run" "$driver" pane "$tarninowo" 102 | tr -d '\r')
xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click --repeat 2 --delay 80 1
wait_window "Przyjazdy" 30 || fail "a double click on the arrivals board opened nothing"
sleep 0.5
read -r _ _ pane_w pane_h < <("$run" "$driver" pane "Przyjazdy" 100 | tr -d '\r')
[ "$pane_w" -gt 600 ] && [ "$pane_w" -lt 720 ] && [ "$pane_h" -gt 300 ] && [ "$pane_h" -lt 430 ] ||
  fail "the arrivals did not open at the remembered size (pane $pane_w x $pane_h)"
import -window root "$work/arrivals.png"
"$run" "$driver" click "Przyjazdy" 1
sleep 0.5
! "$run" "$driver" wait "Przyjazdy" 0 || fail "Zamknij did not close the arrivals"

"$run" "$driver" command "$tarninowo" 40011
wait_window "Odjazdy" 30 || fail "the departures command opened nothing"
sleep 0.5
import -window root "$work/departures.png"
"$run" "$driver" click "Odjazdy" 1

close_without_saving "$tarninowo"
grep -q '^Rozklad_w=720' "$work/gra/semarion.ini" || fail "the window's width was not written back"
grep -q '^Rozklad_h=430' "$work/gra/semarion.ini" || fail "the window's height was not written back"
trap - EXIT
echo "screenshots: $work/arrivals.png $work/departures.png"
