#!/usr/bin/env bash
# Installs what is missing, configures a Windows build in the folder given
# (build/win, or play's own build/play) and builds the given targets,
# quietly: the steps the play, package and memory commands share.
#   scripts/build_win.sh BUILD-FOLDER TARGET...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$1; shift
"$root/scripts/install-deps.sh"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target "$@" >/dev/null
