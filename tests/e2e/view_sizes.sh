#!/usr/bin/env bash
# The view size dialog of the running program, opened from its menu command:
# the sliders change the view, OK writes the settings at once, Cancel puts
# back what the dialog found, and the program writes that at its end.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
dialog="Widok - rozmiary"
work=$PWD/e2e/view_sizes
. "$here/game_helpers.bash"
make_bare_folder "$work"
start_program
wait_window "$no_game" 60 || fail "no window titled '$no_game'"

full_disk_told() {
  shown_status=$("$run" "$driver" statustext "$no_game" 1 | tr -d '\r' | iconv -f CP1250 -t UTF-8)
  [ "$shown_status" = "Nie udało się zapisać ustawień w pliku semarion.ini." ]
}
open_dialog() {
  "$run" "$driver" command "$no_game" 40014
  wait_window "$dialog" 30 || fail "the view size dialog did not open"
}

open_dialog
"$run" "$driver" slide "$dialog" 494 25   # boards
"$run" "$driver" slide "$dialog" 492 30   # train pane
"$run" "$driver" click "$dialog" 498      # track labels off
import -window root "$work/dialog.png"
"$run" "$driver" click "$dialog" 1        # OK
expect_ini_line '^Szerokosc_tablic=25' "OK did not write the board width"
expect_ini_line '^Wysokosc_podgladu=30' "OK did not write the train pane height"
expect_ini_line '^Opisy_torow=0' "OK did not write the track labels switch"

open_dialog
"$run" "$driver" slide "$dialog" 494 8
"$run" "$driver" click "$dialog" 497      # whole consists on
"$run" "$driver" click "$dialog" 2        # Cancel
"$run" "$driver" close "$no_game"
expect_exit 0
expect_ini_line '^Szerokosc_tablic=25' "Cancel did not put the board width back"
expect_ini_line '^Cale_sklady=0' "Cancel did not put the whole-consists switch back"

# On a full disk: the program's folder on an 8 MB filesystem filled to its
# last 4096 bytes, a settings file of 4046 bytes that lacks the siding
# window's keys, so that a save outgrows the room. OK keeps the old file
# byte for byte, leaves no draft and says so; with room again the next save
# writes every key.
full=$work/pelny
mkdir -p "$full"
if ! mount -t tmpfs -o size=8m semarion-pelny "$full" 2>/dev/null; then
  trap - EXIT
  echo "SKIPPED the full disk: no tmpfs may be mounted here (it needs root)"
  exit 0
fi
# Unmounted lazily: a program still running keeps its files until it ends.
trap 'umount -l "$full"; [ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT
mkdir -p "$full/Stacje"
cp "$exe" "$full/semarion.exe"
program=$full/semarion.exe
grep -v '^Bocznica_' "$here/../fixtures/settings/fresh.ini" >"$work/full_keys.ini"
# "[Inne]", "Zapas=" and their line ends take 16 bytes; the value fills the rest.
{
  printf '[Inne]\r\nZapas=%s\r\n' "$(printf '%*s' $((4046 - 16 - $(stat -c %s "$work/full_keys.ini"))) '' | tr ' ' x)"
  cat "$work/full_keys.ini"
} >"$work/full_old.ini"
[ "$(stat -c %s "$work/full_old.ini")" -eq 4046 ] || fail "the settings file to fill the disk with is not 4046 bytes"
cp "$work/full_old.ini" "$full/semarion.ini"
start_program
wait_window "$no_game" 60 || fail "no window on the small filesystem"
free=$(df -B1 --output=avail "$full" | tail -1)
fallocate -l $((free - 4096)) "$full/wypelniacz"
[ "$(df -B1 --output=avail "$full" | tail -1)" -eq 4096 ] || fail "the small filesystem was not filled to 4096 bytes"
open_dialog
"$run" "$driver" click "$dialog" 1        # OK
shown_status=
wait_until 30 full_disk_told || fail "a save on the full disk was not told (the status bar shows '$shown_status')"
cmp "$full/semarion.ini" "$work/full_old.ini" || fail "a save on the full disk changed semarion.ini"
[ ! -e "$full/semarion.ini.tmp" ] || fail "a save on the full disk left its draft"

rm "$full/wypelniacz"
open_dialog
"$run" "$driver" click "$dialog" 1
for key in $(grep -o '^[^=;[]*=' "$here/../fixtures/settings/fresh.ini" | tr -d =); do
  wait_until 20 grep -q "^$key=" "$full/semarion.ini" || fail "with room again the save did not write $key"
done
grep -q '^Zapas=x' "$full/semarion.ini" || fail "with room again the save lost a key of the old file"
"$run" "$driver" close "$no_game"
expect_exit 0
trap - EXIT
umount "$full"
echo "screenshot: $work/dialog.png"
