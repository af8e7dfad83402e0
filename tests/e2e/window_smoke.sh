#!/usr/bin/env bash
# The program opens its main window, which can be seen and closed, and then
# ends with exit code 0; the help, which it is not shipped with, says where it
# is looked for. Without a display no window can be made: the program ends at
# once with its own exit code and says why on standard error.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/window_smoke
. "$here/game_helpers.bash"
mkdir -p "$work"
program=$exe

launch_program
wait_window "$no_game" 60 || fail "no window titled '$no_game'"
xdotool search --name "^$no_game\$" >/dev/null || fail "X has no window '$no_game'"
import -window root "$work/screenshot.png"

"$run" "$driver" command "$no_game" 40030
wait_window "Pomoc" 30 || fail "Pomoc - Spis treści showed nothing"
said=$("$run" "$driver" dialogs | tr -d '\r' | iconv -f CP1250 -t UTF-8)
grep -qF "Pomoc: Pomoc nie jest zainstalowana. Program szuka jej w pliku" <<<"$said" &&
  grep -qF "help\spis.html" <<<"$said" || fail "the help's message: $said"
"$run" "$driver" click "Pomoc" 1
"$run" "$driver" close "$no_game"
expect_exit 0
trap - EXIT

rc=0
(unset DISPLAY; timeout 60 wine "$exe" 2>"$work/no_display.err") || rc=$?
[ "$rc" -eq 4 ] || fail "without a display semarion.exe ended with $rc"
grep -q "^semarion: nie udało się utworzyć okna programu" "$work/no_display.err" ||
  fail "without a display semarion.exe said: $(cat "$work/no_display.err")"
echo "screenshot: $work/screenshot.png"
