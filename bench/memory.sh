#!/usr/bin/env bash
# Prints the private memory (PagefileUsage) of a running Tarninowo shift: the
# program as a player gets it (build/win/game), played for a few seconds
# under Wine in a Wine session of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"
build=$root/build/win
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target game_folder semarion_driver >/dev/null

session=$build/memory-session
bash tests/wine/session.sh start "$session" >/dev/null
trap 'bash tests/wine/session.sh stop "$session" >/dev/null 2>&1' EXIT
SEMARION_WINE_SESSION=$session scripts/play_headless.sh "$build/game" "$build/tests/semarion_driver.exe" \
  "$build/memory.png" | grep '^Pamięć prywatna'
