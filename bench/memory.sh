#!/usr/bin/env bash
# Prints the private memory (PagefileUsage) of a running Tarninowo shift: the
# program as a player gets it (build/win/game), played for a few seconds
# under Wine in a Wine session of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$root/build/win
"$root/scripts/build_win.sh" "$build" game_folder semarion_driver

session=$build/memory-session
bash tests/wine/session.sh start "$session" >/dev/null
trap 'bash tests/wine/session.sh stop "$session" >/dev/null 2>&1' EXIT
SEMARION_WINE_SESSION=$session scripts/play_headless.sh "$build/game" "$build/tests/semarion_driver.exe" \
  "$build/memory.png" | grep '^Pamięć prywatna'
