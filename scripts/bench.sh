#!/usr/bin/env bash
# Builds the native and Windows trees (as scripts/test.sh does) and prints the
# benchmark figures: the native Google Benchmark suite, then the repaint
# timings under Wine in a Wine session of their own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$jobs" --target semarion_bench >/dev/null
cmake -S . -B build/win -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null
cmake --build build/win -j "$jobs" --target semarion_win_bench >/dev/null

echo "=== native ==="
build/native/semarion_bench

echo "=== Wine ==="
session=$root/build/win/bench-session
bash tests/wine/session.sh start "$session" >/dev/null
trap 'bash tests/wine/session.sh stop "$session" >/dev/null 2>&1' EXIT
SEMARION_WINE_SESSION=$session tests/wine/wine-run.sh build/win/semarion_win_bench.exe "${1:-200}" 2>/dev/null
