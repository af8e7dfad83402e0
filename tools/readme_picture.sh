#!/usr/bin/env bash
# Makes docs/shift-tarninowo.png, the README's picture of a shift being
# played: the staged game (build/win/game, built first) runs Tarninowo at four
# times the default pace on a private Xvfb screen until 4:34; the railbus on
# track 3 is given its route to Jemiołowo and the EMU on track 4 is selected,
# so the train pane shows its pictures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win
work=$build/readme-picture
run=$root/tests/wine/wine-run.sh
driver=$build/tests/semarion_driver.exe
title="Semarion Win32 port - Phase 2 - Tarninowo.stc"
"$root/scripts/build_win.sh" "$build" game_folder semarion_driver

rm -rf "$work"
mkdir -p "$work"
cp -r "$build/game" "$work/gra"
rm -f "$work/gra/semarion.ini" "$work/gra/autozapis.sav"
printf '[Zegar]\r\nInterval=195\r\n[Opcje]\r\nPauza_zaznaczanie=0\r\nPauza_nieaktywne=0\r\n[Widok]\r\nPowiekszenie_podgladu=150\r\nWysokosc_podgladu=15\r\n' \
  >"$work/gra/semarion.ini"
export SEMARION_WINE_SESSION=$work/session
bash "$root/tests/wine/session.sh" start "$SEMARION_WINE_SESSION" >/dev/null
pid=
trap '[ -n "$pid" ] && kill $pid; bash "$root/tests/wine/session.sh" stop "$SEMARION_WINE_SESSION"' EXIT
. "$SEMARION_WINE_SESSION/env"
drive() { "$run" "$driver" "$@" 2>/dev/null | tr -d '\r'; }

"$run" "$work/gra/semarion.exe" "$(winepath -w "$work/gra/Stacje/Tarninowo/Tarninowo.roz" 2>/dev/null)" >/dev/null 2>&1 &
pid=$!
drive wait "Nowa gra" 60 >/dev/null
drive click "Nowa gra" 1 >/dev/null
drive wait "$title" 10 >/dev/null
window=$(xdotool search --name "^$title" | head -n 1)
xdotool windowmove "$window" 0 0 windowsize "$window" 1280 720
for _ in $(seq 120); do
  grep -q "04:3[4-9]" <<<"$(drive statustext "$title" 2)" && break
  sleep 0.5
done

# The middle of a tile on the schematic: Tarninowo's 93 x 30 tiles fitted
# into the station pane and centred.
read -r pane_x pane_y pane_w pane_h < <(drive pane "$title" 101)
click_tile() {
  read -r x y < <(python3 - "$2" "$pane_x" "$pane_y" "$pane_w" "$pane_h" <<'PY'
import sys
tile, px, py, w, h = map(int, sys.argv[1:])
s = min(w / (93 * 14), h / (30 * 14))
x0 = (w - int(93 * 14 * s + 0.5)) // 2
y0 = (h - int(30 * 14 * s + 0.5)) // 2
print(px + x0 + int((tile % 100 + 0.5) * 14 * s), py + y0 + int((tile // 100 + 0.5) * 14 * s))
PY
)
  xdotool mousemove --sync "$x" "$y" click "$1"
  sleep 0.3
}
click_tile 3 952   # the railbus on track 3
click_tile 1 792   # the branch line: the tracks that lead there are offered
click_tile 1 785   # the route along them
click_tile 3 1244  # the EMU on track 4
xdotool mousemove 640 710
sleep 0.5
import -window "$window" "$root/docs/shift-tarninowo.png"
echo "$root/docs/shift-tarninowo.png"
