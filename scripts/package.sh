#!/usr/bin/env bash
# Builds the Windows program and zips its game folder for players:
# build/win/semarion-<version>-win64.zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$root/build/win
"$root/scripts/build_win.sh" "$build" game_folder
(cd "$build" && cpack --config CPackConfig.cmake) | grep 'package:.*generated'
