#!/usr/bin/env bash
# A timetable whose rolling-stock picture is missing starts no game: the
# program names the first missing picture in its error box, then runs on
# without a game and without asking for the new game's options.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/missing_picture
. "$here/game_helpers.bash"
make_game_folder "$work"
rm "$work/gra/Tabor/SU45_1.bmp" "$work/gra/Tabor/SM42_1.bmp"  # the second and third types of Testowo

box="Brak rysunku"
launch_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"  # no options asked for
wait_window "$box" 60 || fail "no '$box' box"
text=$("$run" "$driver" text "$box" 65535 | tr -d '\r')
[ "$text" = "Brak rysunku SM42_1" ] || fail "the box says '$text'"
"$run" "$driver" click "$box" 1
wait_window "$no_game" 30 || fail "the window's title names a game"
! wait_window "Nowa gra" 2 || fail "the new game's options were asked for"
[ -z "$("$run" "$driver" statustext "$no_game" 2 | tr -d '\r\n')" ] || fail "a game clock runs"
"$run" "$driver" close "$no_game"
expect_exit 0
