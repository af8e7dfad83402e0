#!/usr/bin/env bash
# Today's delays in a running shift: Testowo with a delays file starts at the
# local time, and a minute later the refresh thread asks the stand-in
# timetable server for newer delays, which the status bar then reports.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/delays_refresh
. "$here/game_helpers.bash"
make_game_folder "$work"

python3 "$here/../../tools/timetable_server/server.py" --port 0 --port-file "$work/port" --lifetime 170 \
  --verbose 2>"$work/server.log" &
server=$!
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; kill $server 2>/dev/null || true' EXIT
wait_for_file "$work/port" 30 "the stand-in server did not start"

printf '# Testowo dzis\nPOBRANE 2026-12-07 04:50\n6 12 10\n7 -2 0\n8 35 33\n' >"$work/gra/Stacje/Testowo/Testowo.opoz"
printf '[Opcje]\r\nPauza_nieaktywne=0\r\n[Rozklad]\r\nSerwer=http://127.0.0.1:%s/\r\nOdswiezanieMinut=1\r\n' \
  "$(cat "$work/port")" >"$work/gra/semarion.ini"

# The status bar's message part, in UTF-8.
message() { "$run" "$driver" statustext "$testowo" 1 | iconv -f CP1250 -t UTF-8; }

start_program "$(winpath "$work/gra/Stacje/Testowo/Testowo.roz")"
wait_window "$testowo" 60 || fail "the command line did not start Testowo"
started=$(message)
case "$started" in
  "Rozkład na dziś: zegar ustawiony na "*) ;;
  *) fail "no clock set to the local time: $started" ;;
esac

# A train asking for its line section at this hour of the day is let on,
# or the stopped clock would hold the refresh back.
permission="Pozwolenie zajęcia odcinka"
refreshed() {
  refreshed=$(message)
  case "$refreshed" in "Opóźnienia odświeżone: "*) return 0 ;; esac
  if "$run" "$driver" wait "$permission" 0; then "$run" "$driver" click "$permission" 446; fi
  return 1
}
wait_until 150 refreshed || { cat "$work/server.log"; fail "no refresh within two minutes and a half: $refreshed"; }
grep -q '"POST /opoznienia HTTP/1.1" 200' "$work/server.log" || fail "the server saw no delays request"
import -window root "$work/refreshed.png"
close_without_saving "$testowo"
kill $server 2>/dev/null || true
trap - EXIT
echo "screenshot: $work/refreshed.png"
