#!/usr/bin/env bash
# The view size dialog of the running program, opened from its menu command:
# the sliders change the view, OK writes the settings at once, Cancel puts
# back what the dialog found, and the program writes that at its end.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
title="Semarion Win32 port - Phase 1"
dialog="Widok - rozmiary"
work=$PWD/e2e/view_sizes
rm -rf "$work"
mkdir -p "$work/gra/Stacje"
cp "$exe" "$work/gra/semarion.exe"
ini=$work/gra/semarion.ini

fail() { echo "$*"; exit 1; }
# The program writes the INI on its own thread of events: give it a moment.
expect_line() {
  for _ in $(seq 50); do grep -q "$1" "$ini" 2>/dev/null && return 0; sleep 0.2; done
  fail "$2"
}
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null || true' EXIT
"$run" "$work/gra/semarion.exe" &
pid=$!
"$run" "$driver" wait "$title" 60 || fail "no window titled '$title'"

open_dialog() {
  "$run" "$driver" command "$title" 40014
  "$run" "$driver" wait "$dialog" 30 || fail "the view size dialog did not open"
}

open_dialog
"$run" "$driver" slide "$dialog" 494 25   # boards
"$run" "$driver" slide "$dialog" 492 30   # train pane
"$run" "$driver" click "$dialog" 498      # track labels off
import -window root "$work/dialog.png"
"$run" "$driver" click "$dialog" 1        # OK
expect_line '^Szerokosc_tablic=25' "OK did not write the board width"
expect_line '^Wysokosc_podgladu=30' "OK did not write the train pane height"
expect_line '^Opisy_torow=0' "OK did not write the track labels switch"

open_dialog
"$run" "$driver" slide "$dialog" 494 8
"$run" "$driver" click "$dialog" 497      # whole consists on
"$run" "$driver" click "$dialog" 2        # Cancel
"$run" "$driver" close "$title"
rc=0
wait "$pid" || rc=$?
pid=
[ "$rc" -eq 0 ] || fail "semarion.exe ended with $rc"
expect_line '^Szerokosc_tablic=25' "Cancel did not put the board width back"
expect_line '^Cale_sklady=0' "Cancel did not put the whole-consists switch back"
trap - EXIT
echo "screenshot: $work/dialog.png"
