#!/usr/bin/env bash
# Testowo's siding worked through its window: with the game paused, a right
# click on the siding opens the window; a right click there on the
# locomotive of the second sub-track starts coupling it to the wagon behind
# it, and the status bar says how long that takes; a click on that
# sub-track's signal closes the window and selects its consist, whose move to
# the line is put to the move validation, which refuses it while the
# coupling runs. The clock then runs fast, and the first train to come in on
# the line is routed into
# the siding: its first click on the siding opens the window to choose the
# sub-track, the route is set, and the window, opened again while the train
# runs in, shows it on the sub-track that was empty.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/siding_window
. "$here/game_helpers.bash"
make_game_folder "$work"
# Without steam supplies, whose reports would write over the messages in the status bar.
printf '[Zegar]\r\nInterval=50\r\n[Zapasy]\r\nWlaczone=0\r\n' >"$work/gra/semarion.ini"
pause=40025
siding="Bocznica B1  (tory B1/1-B1/3)"
permission="Pozwolenie zajęcia odcinka"

start_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"
wait_window "$testowo" 60 || fail "the command line did not start Testowo"
sleep 1
read -r pane_x pane_y pane_w pane_h < <("$run" "$driver" pane "$testowo" 101 | tr -d '\r')
# Paused, the coupling started below keeps running while the move is asked for.
"$run" "$driver" command "$testowo" $pause

# open_siding BUTTON TILE MESSAGE: the click that opens the window; its pane
# is then at sx, sy, its scale (pixels per unit, from the three bands'
# height) in scale.
open_siding() {
  click_tile "$1" "$2"
  wait_window "$siding" 10 || fail "$3"
  sleep 0.5
  read -r sx sy _ sh < <("$run" "$driver" pane "$siding" 451 | tr -d '\r')
  scale=$(python3 -c "print(($sh - 2) / 174)")
}
# siding_xy UX UY: the screen point of pane units of the siding window's pane.
siding_xy() { python3 -c "print($sx + int(($1 + 0.5) * $scale), $sy + int(($2 + 0.5) * $scale))"; }
# click_siding BUTTON UX UY
click_siding() {
  read -r x y < <(siding_xy "$2" "$3")
  xdotool mousemove --sync "$x" "$y" click "$1"
  sleep 0.3
}
# expect_closed MESSAGE: the window is gone within the time.
expect_closed() { wait_closed "$siding" 20 || fail "$1"; }
# band_has_vehicle BAND [same]: some pixel that is not white where the band's
# first vehicle stands, in a fresh screenshot or, with "same", in the last one.
band_has_vehicle() {
  read -r x y < <(siding_xy 90 $(($1 * 58 + 5)))
  [ "${2:-}" = same ] || import -window root "$work/probe.png"
  local w h
  w=$(python3 -c "print(int(100 * $scale))") h=$(python3 -c "print(int(30 * $scale))")
  local pixels
  pixels=$(convert "$work/probe.png" -crop "${w}x${h}+$x+$y" txt:-)
  grep -v -e '#FFFFFF' -e '^#' <<<"$pixels" | grep -q .
}
# A train that asks for the line is let on at once.
grant_line() {
  if "$run" "$driver" wait "$permission" 0; then "$run" "$driver" click "$permission" 446; fi
}
# wait_band BAND SECONDS MESSAGE: the band shows a vehicle within the time (the
# pane paints once the window has shown, and then on every timer tick).
wait_band() { wait_until "$2" band_or_grant "$1" || fail "$3"; }
band_or_grant() { band_has_vehicle "$1" || { grant_line; false; }; }

# The window over the game: the second sub-track holds SM42 #44 and a wagon,
# and one of the first and the third is empty (a car stands on the other, as
# drawn at the start). All three bands are judged on one picture, taken again
# until the pane has painted: a window shown but not yet painted shows what
# lies behind it, on a busy machine for a while.
open_siding 3 713 "a right click on the siding opened no window"
empty= why="the second sub-track is drawn empty"
found_empty() {
  if band_has_vehicle 1; then
    if ! band_has_vehicle 0 same; then empty=0; return 0; fi
    if ! band_has_vehicle 2 same; then empty=2; return 0; fi
    why="neither the first nor the third sub-track is drawn empty"
  fi
  grant_line
  return 1
}
wait_until 30 found_empty || fail "$why"
cp "$work/probe.png" "$work/window.png"
click_siding 3 100 80
expect_status 1 "Łączenie - potrwa 180 s" "a right click on the locomotive did not start a coupling"
click_siding 1 10 80
expect_closed "the signal column did not close the window"
click_tile 1 401
expect_status 1 "Trwa łączenie/rozłączanie" "the sub-track's consist was not the one the move was asked for"

# The first train on the line, into the empty sub-track; the route is laid
# with the game paused, so that no other train asks for the line meanwhile.
"$run" "$driver" command "$testowo" $pause
came_in() { grant_line; tile_is 401 red; }
wait_until 180 came_in || fail "no train came in on the line"
sleep 2
grant_line
"$run" "$driver" command "$testowo" $pause
click_tile 3 401
open_siding 1 713 "a route to the siding opened no window to choose its sub-track"
import -window root "$work/choosing.png"
click_siding 1 200 $((empty * 58 + 20))
expect_closed "choosing a sub-track did not close the window"
expect_status 1 "" "the move into the siding was refused"
import -window root "$work/candidates.png"
click_tile 1 609
"$run" "$driver" command "$testowo" $pause
# The window, open while the train runs in, is repainted by the timer.
open_siding 3 713 "the siding window did not open again"
wait_band "$empty" 60 "the train did not come to the sub-track chosen"
import -window root "$work/arrived.png"
"$run" "$driver" click "$siding" 1
expect_closed "Zamknij did not close the window"
close_without_saving "$testowo"
trap - EXIT
grep -q '^Bocznica_w=[1-9]' "$work/gra/semarion.ini" || fail "the window's rectangle was not kept"
echo "screenshots: $work/window.png $work/choosing.png $work/candidates.png $work/arrived.png"
