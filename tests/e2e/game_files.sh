#!/usr/bin/env bash
# A game started from the command line on Testowo is saved through the menu's
# "save as" under a typed name; the program is closed, started again without
# a timetable, the save is loaded through the menu and saved again: the two
# saves are the same. (The INI of the test makes the clock all but stand, so
# nothing moves between the two.) A save and a timetable whose rolling stock
# names a picture that is not there are refused and leave the running game
# whole: Ctrl+S after each writes the same game over its own save. With the
# save's folder gone, "save first?" answered Yes gives up the new game, the
# load and the closing: the game runs on.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/game_files
. "$here/game_helpers.bash"
make_game_folder "$work"

start_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"
wait_window "$testowo" 60 || fail "the command line did not start Testowo"
import -window root "$work/game.png"
save_as "$testowo" "$work/zapisy/pierwszy.sav"
close_without_saving "$testowo"

start_program
wait_window "$no_game" 60 || fail "no window titled '$no_game'"
"$run" "$driver" command "$no_game" 40002
"$run" "$driver" filedialog "$no_game" "$(winpath "$work/zapisy/pierwszy.sav")" 30 || fail "no load dialog"
wait_window "$testowo" 30 || fail "the save did not load"
# Paused, the game stands still to the last step while the refusals below
# take their time, so its saves compare byte for byte.
"$run" "$driver" command "$testowo" 40025
save_as "$testowo" "$work/zapisy/drugi.sav"

sed 's/EU07_1/ZZ07_1/' "$work/zapisy/pierwszy.sav" >"$work/zly.sav"
mkdir -p "$work/zly"
cp "$work/gra/Stacje/Testowo/Testowo.stc" "$work/zly/"
sed 's/^SM42_1 /ZZ42_1 /' "$work/gra/Stacje/Testowo/Testowo.roz" >"$work/zly/Testowo.roz"
cp "$work/zapisy/drugi.sav" "$work/przed.sav"
# refused COMMAND FILE PICTURE: the menu command on FILE ends in "Brak rysunku PICTURE".
refused() {
  "$run" "$driver" command "$testowo" "$1"
  wait_window "$question" 30 || fail "no save question before command $1"
  "$run" "$driver" click "$question" 7
  "$run" "$driver" filedialog "$testowo" "$(winpath "$2")" 30 || fail "no file dialog for command $1"
  wait_window "Brak rysunku" 30 || fail "no 'Brak rysunku' box for $2"
  local text
  text=$("$run" "$driver" text "Brak rysunku" 65535 | tr -d '\r')
  [ "$text" = "Brak rysunku $3" ] || fail "the box says '$text'"
  "$run" "$driver" click "Brak rysunku" 1
  wait_window "$testowo" 10 || fail "the title no longer names Testowo after $2"
  cmp -s "$work/zapisy/drugi.sav" "$work/przed.sav" || fail "$2 changed the running game's save"
  rm "$work/zapisy/drugi.sav"
  "$run" "$driver" command "$testowo" 40003
  wait_for_file "$work/zapisy/drugi.sav" 30 "Ctrl+S after $2 wrote nothing"
  cmp "$work/zapisy/drugi.sav" "$work/przed.sav" || fail "after $2 Ctrl+S saved another game"
}
refused 40002 "$work/zly.sav" ZZ07_1
refused 40001 "$work/zly/Testowo.roz" ZZ42_1

cp "$work/przed.sav" "$work/gra/autozapis.sav"  # so that loading the autosave asks
mv "$work/zapisy" "$work/zapisy_brak"
for command in 40001 40002 40034 close; do
  if [ "$command" = close ]; then
    "$run" "$driver" close "$testowo"
  else
    "$run" "$driver" command "$testowo" "$command"
  fi
  wait_window "$question" 30 || fail "no save question ($command)"
  "$run" "$driver" click "$question" 6
  wait_window "Błąd zapisu" 30 || fail "no 'Błąd zapisu' box ($command)"
  "$run" "$driver" click "Błąd zapisu" 1
  sleep 1
  shown=$("$run" "$driver" dialogs | tr -d '\r')
  [ -z "$shown" ] || fail "after the failed save ($command) a dialog opened: $shown"
  kill -0 "$pid" 2>/dev/null || fail "the program ended after the failed save ($command)"
  [ -n "$(status_text 2)" ] || fail "no game runs after the failed save ($command)"
done
mv "$work/zapisy_brak" "$work/zapisy"
close_without_saving "$testowo"
trap - EXIT

cmp "$work/zapisy/pierwszy.sav" "$work/zapisy/drugi.sav" || fail "the loaded game differs from the saved one"
echo "screenshot: $work/game.png"
