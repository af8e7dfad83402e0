#!/usr/bin/env bash
# Tarninowo, started from the command line with game time running fast: the
# boards fill with the day's trains; the branch railcar due at 6:12 asks for
# the single-track line; told to wait 20 minutes it stays off the line and
# asks again no sooner than 20 game minutes later; let on, it comes in over
# the line and stands at the branch entry.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/line_permission
. "$here/game_helpers.bash"
make_game_folder "$work"
cp -r "$here/../../game/Stacje/Tarninowo" "$work/gra/Stacje/"
# A game minute in about a tenth of a second; no steam supplies to report.
printf '[Zegar]\r\nInterval=15\r\n[Zapasy]\r\nWlaczone=0\r\n' >"$work/gra/semarion.ini"
title="Semarion Win32 port - Phase 2 - Tarninowo.stc"
permission="Pozwolenie zajęcia odcinka"
branch_entry=792

start_program "$(winpath "$work/gra/Stacje/Tarninowo/Tarninowo.roz")"
wait_window "$title" 60 || fail "the command line did not start Tarninowo"
sleep 1
read -r pane_x pane_y pane_w pane_h < <("$run" "$driver" pane "$title" 101 | tr -d '\r')

# The screen point in the middle of a tile: the tiles holding a code, widened
# by a tile, fitted into the station pane and centred, at zoom 1 without a pan
# (in place of the helpers' Testowo grid; their tile_colour and wait_tile use it).
tile_xy() {
  python3 - "$work/gra/Stacje/Tarninowo/Tarninowo.stc" "$1" "$pane_x" "$pane_y" "$pane_w" "$pane_h" <<'PY'
import sys
stc, tile, px, py, w, h = sys.argv[1], *map(int, sys.argv[2:])
lines = open(stc, encoding="latin-1").read().splitlines()
rows, cols = (int(v) for v in lines[1].split(",")[:2])
grid = [[int(v) for v in lines[2 + r].rstrip(",").split(",")] for r in range(rows)]
used = [(r, c) for r in range(rows) for c in range(cols) if grid[r][c]]
r0, r1 = max(min(r for r, _ in used) - 1, 0), min(max(r for r, _ in used) + 1, rows - 1)
c0, c1 = max(min(c for _, c in used) - 1, 0), min(max(c for _, c in used) + 1, cols - 1)
sw, sh = (c1 - c0 + 1) * 14, (r1 - r0 + 1) * 14
s = min(w / sw, h / sh)
x0, y0 = (w - int(sw * s + 0.5)) // 2, (h - int(sh * s + 0.5)) // 2
print(px + x0 + int((tile % 100 - c0 + 0.5) * 14 * s), py + y0 + int((tile // 100 - r0 + 0.5) * 14 * s))
PY
}
# ink PANE: pixels of the pane that are neither white nor near white.
ink() {
  read -r x y w h < <("$run" "$driver" pane "$title" "$1" | tr -d '\r')
  import -window root "$work/probe.png"
  convert "$work/probe.png" -crop "${w}x${h}+$x+$y" -colorspace Gray -threshold 60% -negate -format '%[fx:int(mean*w*h)]' info:
}
# Game minutes since midnight from the clock in the status bar.
game_minutes() {
  local text
  text=$("$run" "$driver" statustext "$title" 2 | tr -d '\r')
  [[ $text =~ ([0-9][0-9]):([0-9][0-9]) ]] || fail "no clock in the status bar ('$text')"
  echo $((10#${BASH_REMATCH[1]} * 60 + 10#${BASH_REMATCH[2]}))
}
question_text() { "$run" "$driver" text "$permission" 443 | tr -d '\r' | iconv -f CP1250 -t UTF-8; }
railcar="Pociąg numer 36102 czeka na pozwolenie zajęcia odcinka"
# railcar_asking: the permission dialog asks for the railcar (its question in
# $asked). The dialog's window exists a moment before its controls get their
# texts. Another train that asks first (with the day's random delays, on a
# loaded machine) is let on.
asked=
railcar_asking() {
  "$run" "$driver" wait "$permission" 0 >/dev/null 2>&1 || return 1
  asked=$(question_text)
  [ -n "$asked" ] || return 1
  [ "$asked" != "$railcar" ] || return 0
  echo "let on first: $asked"
  "$run" "$driver" click "$permission" 446 >/dev/null 2>&1 || true
  return 1
}

[ "$(ink 102)" -gt 500 ] || fail "the arrivals board shows no trains"
[ "$(ink 104)" -gt 500 ] || fail "the departures board shows no trains"
import -window root "$work/boards.png"

wait_until 120 railcar_asking || fail "the railcar did not ask for the branch line (last asked: '$asked')"
asked_at=$(game_minutes)
sleep 0.5
import -window root "$work/asked.png"
"$run" "$driver" settext "$permission" 445 20
"$run" "$driver" click "$permission" 447

sleep 2
wait_until 120 railcar_asking || fail "the railcar told to wait did not ask again (last asked: '$asked')"
again_at=$(game_minutes)
[ $((again_at - asked_at)) -ge 20 ] || fail "the railcar asked again after $((again_at - asked_at)) minutes"
[ "$(tile_colour $branch_entry)" != red ] || fail "the branch entry is occupied while the railcar waits"
"$run" "$driver" click "$permission" 446

# Another train that asks meanwhile would hold the shift in its dialog: it is let on.
came_in() {
  if "$run" "$driver" wait "$permission" 0 >/dev/null 2>&1; then "$run" "$driver" click "$permission" 446 >/dev/null 2>&1 || true; fi
  tile_is $branch_entry red
}
wait_until 60 came_in || fail "the railcar let onto the line did not come in"
import -window root "$work/came_in.png"
# The shift runs on fast: pause it, and let on a train that may ask meanwhile,
# so that nothing stands between the close and the save question.
"$run" "$driver" command "$title" 40025
sleep 0.5
"$run" "$driver" click "$permission" 446 2>/dev/null || true
close_without_saving "$title"
trap - EXIT
