#!/usr/bin/env bash
# Plays a shift without anyone at the screen, in the Wine session named by
# SEMARION_WINE_SESSION: starts the game folder's semarion.exe on a timetable
# (Tarninowo when none is given), takes the new game's options as they are,
# lets the clock run, takes a screenshot, closes the program and exits 0.
# Any message box or other dialog on the way is printed, the program is ended
# and the exit status is 1; so is a program that ended on its own, with its
# exit code and what it wrote to standard error. A start that could make no
# window (exit code 4: Wine's display driver failed to load) is tried once more.
#   scripts/play_headless.sh GAME-FOLDER DRIVER SCREENSHOT [timetable.roz]
set -euo pipefail
game=$(realpath "$1") driver=$2 screenshot=$3
timetable=$(realpath -m "${4:-$game/Stacje/Tarninowo/Tarninowo.roz}")
run=$(cd "$(dirname "$0")/../tests/wine" && pwd)/wine-run.sh
. "$SEMARION_WINE_SESSION/env"

options="Nowa gra"
question="Zapis stanu gry"
running="Semarion Win32 port - Phase 2 - "
run_seconds=8

no_window=4
errors=$(mktemp)
pid=
end_program() {
  if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then wait "$pid" 2>/dev/null || true; fi
  pid=
  rm -f "$errors"
}
trap end_program EXIT
fail() { echo "$*" >&2; exit 1; }
drive() { "$run" "$driver" "$@" 2>/dev/null | tr -d '\r' | iconv -f CP1250 -t UTF-8; }
# check_dialogs [CAPTION]: every dialog on the desktop but the one expected
# now is a failure.
check_dialogs() {
  local unexpected
  unexpected=$(drive dialogs)
  [ $# -eq 0 ] || unexpected=$(grep -v "^$1:" <<<"$unexpected" || true)
  [ -z "$unexpected" ] || fail "Komunikat programu: $unexpected"
}
showing() { grep -q "^$1:" <<<"$(drive dialogs)"; }
# An ended child stays a zombie until waited for.
program_alive() { [ -n "$pid" ] && [ -r "/proc/$pid/status" ] && ! grep -q '^State:.*Z' "/proc/$pid/status"; }
start_program() {
  "$run" "$game/semarion.exe" "$(winepath -w "$timetable" 2>/dev/null)" >/dev/null 2>"$errors" &
  pid=$!
}
# program_ended: reaps the program that ended by itself and sets rc and
# said: its exit code and the lines it wrote to standard error.
rc=0 said=
program_ended() {
  rc=0
  wait "$pid" || rc=$?
  pid=
  said=$(grep '^semarion:' "$errors" | tr -d '\r' || true)
}
ended_message() { echo "semarion.exe zakończył się kodem $rc $1${said:+: $said}"; }

start_program
# A timetable that loads opens the options of the new game; one that does not
# says why in a message box.
restarted=
for _ in $(seq 120); do
  check_dialogs "$options"
  showing "$options" && break
  if ! program_alive; then
    program_ended
    if [ "$rc" -eq "$no_window" ] && [ -z "$restarted" ]; then
      echo "$(ended_message "bez okna") - uruchamiam go jeszcze raz" >&2
      restarted=1
      start_program
      continue
    fi
    fail "$(ended_message "przed rozpoczęciem gry")"
  fi
  sleep 0.5
done
showing "$options" || fail "Gra nie wystartowała w minutę"
drive click "$options" 1 >/dev/null

title= window=
for _ in $(seq 40); do
  check_dialogs "$options"
  window=$(xdotool search --name "^$running" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && title=$(xdotool getwindowname "$window") && break
  program_alive || { program_ended; fail "$(ended_message "przed pokazaniem dyżuru")"; }
  sleep 0.25
done
[ -n "$title" ] || fail "Okno gry nie pokazało dyżuru"

clock() { drive statustext "$title" 2; }
before=$(clock)
for _ in $(seq "$run_seconds"); do
  sleep 1
  check_dialogs
  program_alive || { program_ended; fail "$(ended_message "w trakcie dyżuru")"; }
done
after=$(clock)
[ -n "$before" ] && [ "$before" != "$after" ] || fail "Zegar gry stoi: $before"
import -window "$window" "$screenshot"
read -r private _ < <(drive memory "$title")

# Closing a running game asks whether to save it: no.
drive close "$title" >/dev/null
for _ in $(seq 60); do
  check_dialogs "$question"
  showing "$question" && break
  sleep 0.5
done
drive click "$question" 7 >/dev/null || fail "Program nie zapytał o zapis stanu gry przy zamknięciu"
for _ in $(seq 60); do program_alive || break; sleep 0.5; done
program_alive && fail "semarion.exe nie zakończył się po zamknięciu okna"
program_ended
[ "$rc" -eq 0 ] || fail "$(ended_message "po zamknięciu okna")"

echo "Dyżur: ${title#"$running"}"
echo "Zegar: ${before#Godzina: } -> ${after#Godzina: }"
echo "Pamięć prywatna: $((private / 1024)) MB ($private KB)"
echo "Zrzut ekranu: $screenshot"
