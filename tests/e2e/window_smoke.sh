#!/usr/bin/env bash
# The program opens its main window, which can be seen and closed, and then
# ends with exit code 0.
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
"$run" "$driver" close "$title"

rc=0
wait $pid || rc=$?
trap - EXIT
[ "$rc" -eq 0 ] || { echo "semarion.exe ended with $rc"; exit 1; }
echo "screenshot: $out/screenshot.png"
