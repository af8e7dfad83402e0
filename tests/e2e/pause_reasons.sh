#!/usr/bin/env bash
# Why the clock stands, in the clock part of the status bar: a route begun on
# Testowo (a unit selected, an exit clicked), another program's window in
# front, and the consist preview open on Tarninowo (whose trains have
# consists to show; the preview's pause on) each show their reason, whole in
# the part, within a second of the step that began them, and the reason goes
# as soon as it ends: Esc, a click into the game, the preview closed.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/pause_reasons
. "$here/game_helpers.bash"
make_game_folder "$work"
cp -r "$here/../../game/Stacje/Tarninowo" "$work/gra/Stacje/"
printf '%s[Opcje]\r\nPauza_podglad=1\r\n' "$frozen_clock" >"$work/gra/semarion.ini"
tarninowo="Semarion Win32 port - Phase 2 - Tarninowo.stc"
preview="Podglad składu"
find_train="Szukaj pociągu"
game=$testowo

now_ms() { date +%s%3N; }
# expect_clock SINCE PATTERN MESSAGE: the clock part matches the pattern in a
# read begun within a second of SINCE (ms); a reason must fit the part whole.
expect_clock() {
  local text= began
  while :; do
    began=$(now_ms)
    text=$("$run" "$driver" statustext "$game" 2 | tr -d '\r' | iconv -f CP1250 -t UTF-8)
    if grep -Eq "^Godzina: [0-9]{2}:[0-9]{2}:[0-9]{2}$2\$" <<<"$text"; then break; fi
    [ $((began - $1)) -le 1000 ] || fail "$3 (the clock part shows '$text')"
    sleep 0.1
  done
  [[ "$text" == *pauza* ]] || return 0
  local room extent
  read -r room extent < <("$run" "$driver" statusfit "$game" 2 | tr -d '\r')
  # The part's edges and the bar's margin before its text take six pixels.
  [ "$room" -ge $((extent + 6)) ] || fail "'$text' is $extent pixels wide in a part of $room"
}
running_clock=""

start_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"
wait_window "$testowo" 60 || fail "the command line did not start Testowo"
sleep 1
read -r pane_x pane_y pane_w pane_h < <("$run" "$driver" pane "$testowo" 101 | tr -d '\r')
# A click on the schematic's empty corner makes the game the active program.
activate_game() { xdotool mousemove --sync $((pane_x + 3)) $((pane_y + 3)) click 1; }
activate_game
expect_clock "$(now_ms)" "$running_clock" "the clock stands at the start"

# A route begun: platform 2's unit, then the east exit.
click_tile 3 513
read -r x y < <(tile_xy 542)
xdotool mousemove --sync "$x" "$y"
since=$(now_ms)
xdotool click 1
expect_clock "$since" "  \(pauza: układasz drogę - Esc przerywa\)" "laying a route showed no pause"
import -window root "$work/route.png"
# A window 420 pixels wide still shows the route's pause whole: the clock
# part takes the room its text needs.
"$run" "$driver" size "$game" 420 600
since=$(now_ms)
expect_clock "$since" "  \(pauza: układasz drogę - Esc przerywa\)" "the route's pause at 420 pixels"
import -window root "$work/route_narrow.png"
"$run" "$driver" size "$game" 900 600
since=$(now_ms)
xdotool key Escape
expect_clock "$since" "$running_clock" "Esc left the route's pause in the clock part"
expect_status 1 "Układanie drogi przerwane" "Esc did not say the route was given up"

# Another program's window in front.
"$run" "$driver" foreground 4 &
front=$!
"$run" "$driver" wait "Semarion driver" 10 || fail "the driver's window did not show"
since=$(now_ms)
expect_clock "$since" "  \(pauza: okno gry nieaktywne\)" "the game in the background showed no pause"
import -window root "$work/inactive.png"
wait "$front"
since=$(now_ms)
activate_game
expect_clock "$since" "$running_clock" "the game active again kept the pause in the clock part"

close_without_saving "$testowo"

# Tarninowo: the goods train on its goods platform found and selected, Space
# opens its preview.
game=$tarninowo
start_program "$(winpath "$work/gra/Stacje/Tarninowo/Tarninowo.roz")"
wait_window "$tarninowo" 60 || fail "the command line did not start Tarninowo"
"$run" "$driver" command "$tarninowo" 40033
wait_window "$find_train" 30 || fail "no train search"
"$run" "$driver" settext "$find_train" 551 44189
"$run" "$driver" click "$find_train" 1
"$run" "$driver" click "$find_train" 2
xdotool key space
wait_window "$preview" 30 || fail "Space did not open the consist preview"
since=$(now_ms)
expect_clock "$since" "  \(pauza: otwarty podgląd składu\)" "the preview open showed no pause"
import -window root "$work/preview.png"
since=$(now_ms)
"$run" "$driver" click "$preview" 1
expect_clock "$since" "$running_clock" "the preview closed left its pause in the clock part"
close_without_saving "$tarninowo"
trap - EXIT
echo "screenshots: $work/route.png $work/route_narrow.png $work/inactive.png $work/preview.png"
