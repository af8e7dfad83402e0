#!/usr/bin/env bash
# Tarninowo with game time running fast: the depot window opened from the
# menu shows the four engines of the shed; a click on the EU07's picture
# calls it out, its readiness shows at once, and the window follows the
# game on its own until the engine has left the shed.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/depot_window
. "$here/game_helpers.bash"
make_game_folder "$work"
cp -r "$here/../../game/Stacje/Tarninowo" "$work/gra/Stacje/"
# A game minute in about a second: the 15 minutes of the preparation pass
# while the test looks. No steam supplies to report.
printf '[Zegar]\r\nInterval=150\r\n[Zapasy]\r\nWlaczone=0\r\n' >"$work/gra/semarion.ini"
title="Semarion Win32 port - Phase 2 - Tarninowo.stc"
depot="Lokomotywownia"

start_program "$(winpath "$work/gra/Stacje/Tarninowo/Tarninowo.roz")"
wait_window "$title" 60 || fail "the command line did not start Tarninowo"
"$run" "$driver" command "$title" 40013
wait_window "$depot" 30 || fail "the depot window did not open"
sleep 0.5
read -r pane_x pane_y pane_w pane_h < <("$run" "$driver" pane "$depot" 461 | tr -d '\r')

# blue: pixels of the pane in the blue of the third counts and the readiness.
blue() {
  import -window root "$work/probe.png"
  convert "$work/probe.png" -crop "${pane_w}x${pane_h}+$pane_x+$pane_y" -fuzz 30% -fill black +opaque "rgb(0,0,255)" \
    -fill white -opaque "rgb(0,0,255)" -colorspace Gray -format '%[fx:int(mean*w*h+0.5)]' info:
}
# ink: pixels of the pane that are not white.
ink() {
  import -window root "$work/probe.png"
  convert "$work/probe.png" -crop "${pane_w}x${pane_h}+$pane_x+$pane_y" -colorspace Gray -threshold 99% -negate \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

[ "$(ink)" -gt 2000 ] || fail "the depot window shows no engines"
import -window root "$work/depot.png"
counts_only=$(blue)
xdotool mousemove --sync $((pane_x + 10)) $((pane_y + 10)) click 1
# blue_above N / blue_below N: the pane's blue pixels, kept in $blue_now, compared.
blue_above() { blue_now=$(blue); [ "$blue_now" -gt "$1" ]; }
blue_below() { blue_now=$(blue); [ "$blue_now" -lt "$1" ]; }
# The window repaints on the next timer message; a loaded machine may take a while.
wait_until 30 blue_above $((counts_only + 15)) ||
  fail "no readiness after the call-out ($counts_only -> $blue_now blue pixels)"
called=$blue_now
import -window root "$work/called.png"
wait_until 60 blue_below $((called - 15)) ||
  fail "the window did not follow the engine out of the shed ($called -> $blue_now)"
import -window root "$work/left.png"
"$run" "$driver" click "$depot" 1
close_without_saving "$title"
trap - EXIT
echo "screenshots: $work/depot.png $work/called.png $work/left.png"
