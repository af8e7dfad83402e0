#!/usr/bin/env bash
# Builds the Windows program and zips its game folder for players:
# build/win/semarion-<version>-win64.zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"
build=$root/build/win
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target game_folder >/dev/null
(cd "$build" && cpack --config CPackConfig.cmake) | grep 'package:.*generated'
