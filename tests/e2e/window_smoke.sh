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
out=$PWD/e2e/window_smoke
mkdir -p "$out"
title="Semarion Win32 port - Phase 1"

"$run" "$exe" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

"$run" "$driver" wait "$title" 60 || { echo "no window titled '$title'"; exit 1; }
xdotool search --name "^$title\$" >/dev/null || { echo "X has no window '$title'"; exit 1; }
import -window root "$out/screenshot.png"

"$run" "$driver" command "$title" 40030
"$run" "$driver" wait "Pomoc" 30 || { echo "Pomoc - Spis treści showed nothing"; exit 1; }
said=$("$run" "$driver" dialogs | tr -d '\r' | iconv -f CP1250 -t UTF-8)
grep -qF "Pomoc: Pomoc nie jest zainstalowana. Program szuka jej w pliku" <<<"$said" &&
  grep -qF "help\spis.html" <<<"$said" || { echo "the help's message: $said"; exit 1; }
"$run" "$driver" click "Pomoc" 1
"$run" "$driver" close "$title"

rc=0
wait $pid || rc=$?
trap - EXIT
[ "$rc" -eq 0 ] || { echo "semarion.exe ended with $rc"; exit 1; }

rc=0
(unset DISPLAY; timeout 60 wine "$exe" 2>"$out/no_display.err") || rc=$?
[ "$rc" -eq 4 ] || { echo "without a display semarion.exe ended with $rc"; exit 1; }
grep -q "^semarion: nie udało się utworzyć okna programu" "$out/no_display.err" ||
  { echo "without a display semarion.exe said: $(cat "$out/no_display.err")"; exit 1; }
echo "screenshot: $out/screenshot.png"
