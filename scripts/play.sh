#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine. Without a display it runs
# on a private Xvfb screen, leaves a screenshot in build/win/screenshot.png and
# closes the program again.
#   scripts/play.sh [timetable.roz]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"

build=build/win
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target semarion semarion_driver
exe=$build/bin/semarion.exe
driver=$build/tests/semarion_driver.exe
run=$root/tests/wine/wine-run.sh

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=${WINEPREFIX:-$root/$build/wineprefix}
  exec "$run" "$exe" "$@"
fi

session=$root/$build/play-session
bash "$root/tests/wine/session.sh" start "$session"
trap 'bash "$root/tests/wine/session.sh" stop "$session"' EXIT
export SEMARION_WINE_SESSION=$session
. "$session/env"

"$run" "$exe" "$@" &
pid=$!
title="Semarion Win32 port"
for _ in $(seq 120); do
  xdotool search --name "^$title" >/dev/null 2>&1 && break
  sleep 0.5
done
sleep 3  # let it paint
import -window root "$build/screenshot.png"
echo "Zrzut ekranu: $root/$build/screenshot.png"
xdotool search --name "^$title" getwindowname 2>/dev/null | head -n 1 | sed 's/^/Okno: /'
"$run" "$driver" close "$(xdotool search --name "^$title" getwindowname 2>/dev/null | head -n 1)" || true
wait "$pid" || true
