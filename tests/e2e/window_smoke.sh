#!/usr/bin/env bash
# The program opens its main window, which can be seen and closed, and then
# ends with exit code 0.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/window_smoke
. "$here/game_helpers.bash"
mkdir -p "$work"
program=$exe

launch_program
wait_window "$no_game" 60 || fail "no window titled '$no_game'"
xdotool search --name "^$no_game\$" >/dev/null || fail "X has no window '$no_game'"
import -window root "$work/screenshot.png"
"$run" "$driver" close "$no_game"
expect_exit 0
trap - EXIT
echo "screenshot: $work/screenshot.png"
