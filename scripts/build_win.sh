#!/usr/bin/env bash
# Installs what is missing, configures the Windows build (build/win) and
# builds the given targets, quietly: the steps the play, package and memory
# commands share.
#   scripts/build_win.sh TARGET...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"
cmake -S . -B build/win -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null
cmake --build build/win -j "$(nproc 2>/dev/null || echo 2)" --target "$@" >/dev/null
