#!/usr/bin/env bash
# Builds the Windows program in its game folder (build/play/game) and starts a
# shift under Wine: on Tarninowo, or on the timetable given. On a display the
# window is the player's; without one the shift runs on a private Xvfb screen
# for a few seconds, build/play/screenshot.png shows it, and the program is
# closed again (scripts/play_headless.sh).
#   scripts/play.sh [timetable.roz]
# The build and its Wine prefix (build/play/wineprefix) are play's own, apart
# from the test command's build/win: the two may run at once in one checkout.
set -euo pipefail
timetable=()
[ $# -eq 0 ] || timetable=("$(realpath -m "$1")")
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$root/build/play
"$root/scripts/build_win.sh" "$build" game_folder semarion_driver
game=$build/game
[ ${#timetable[@]} -gt 0 ] || timetable=("$game/Stacje/Tarninowo/Tarninowo.roz")

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
  exec "$root/tests/wine/wine-run.sh" "$game/semarion.exe" "$(winepath -w "${timetable[0]}" 2>/dev/null)"
fi

session=$build/play-session
bash "$root/tests/wine/session.sh" start "$session"
trap 'bash "$root/tests/wine/session.sh" stop "$session"' EXIT
SEMARION_WINE_SESSION=$session "$root/scripts/play_headless.sh" \
  "$game" "$build/tests/semarion_driver.exe" "$build/screenshot.png" "${timetable[@]}"
