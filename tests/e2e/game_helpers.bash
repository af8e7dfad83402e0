# Sourced by the end-to-end tests that play a game: a game folder of their
# own holding the program, Testowo, the rolling-stock pictures and the
# sounds, and the steps they share. Expects exe, driver, here and run to be set.
no_game="Semarion Win32 port - Phase 1"
testowo="Semarion Win32 port - Phase 2 - Testowo.stc"
question="Zapis stanu gry"
# Ten game seconds take a day of real time: the game all but stands, so a save
# made now and one made after a reload can be compared byte for byte.
frozen_clock=$'[Zegar]\r\nInterval=86400000\r\n'

# fail MESSAGE: ends the test, first saying what was on the screen, whether
# the program still ran, what it wrote to stderr and into a crash log, so a
# failure on a machine out of reach still tells its story.
fail() {
  echo "$*"
  local shown
  shown=$("$run" "$driver" dialogs 2>/dev/null | tr -d '\r' | iconv -f CP1250 -t UTF-8 2>/dev/null || true)
  [ -z "$shown" ] || printf 'on the screen: %s\n' "$shown"
  if [ -n "${pid:-}" ] && ! kill -0 "$pid" 2>/dev/null; then echo "the program had ended"; fi
  if [ -s "${program_stderr:-}" ]; then echo "== the program's stderr"; cat "$program_stderr"; fi
  if [ -n "${work:-}" ] && [ -d "$work" ]; then
    find "$work" -name crash.log -exec sh -c 'echo "== $1"; cat "$1"' _ {} \;
  fi
  exit 1
}
winpath() { winepath -w "$1" 2>/dev/null; }
# A command that fails outside a check ends the test (set -e): it says which.
set -o errtrace
trap 'echo "stopped by a failed command at ${BASH_SOURCE[0]##*/}:$LINENO: $BASH_COMMAND" >&2' ERR

# make_game_folder WORK: WORK/gra is the game folder, WORK/zapisy empty.
make_game_folder() {
  rm -rf "$1"
  mkdir -p "$1/gra/Stacje" "$1/zapisy"
  cp "$exe" "$1/gra/semarion.exe"
  cp -r "$here/../../game/Stacje/Testowo" "$1/gra/Stacje/"
  cp -r "$here/../../game/Tabor" "$here/../../game/Audio" "$1/gra/"
  printf '%s' "$frozen_clock" >"$1/gra/semarion.ini"
}
# make_bare_folder WORK: WORK/gra holds the program alone, no station and no settings.
make_bare_folder() {
  rm -rf "$1"
  mkdir -p "$1/gra/Stacje"
  cp "$exe" "$1/gra/semarion.exe"
}

# Every wait below polls for the state it needs up to a deadline in seconds,
# generous for a loaded machine, and ends at once when the program has.

# check_running: true while the program started by start_program runs (or
# none was started). Ended, it fails the test with its exit code; but a
# first start that ended before any window showed because Wine's display
# driver did not load (no window can be made: the program says so on
# stderr) is started once more.
check_running() {
  [ -z "${pid:-}" ] || kill -0 "$pid" 2>/dev/null && return 0
  local rc=0
  wait "$pid" || rc=$?
  pid=
  if [ -z "$window_seen" ] && [ -z "$started_again" ] && { [ "$rc" -eq 4 ] || display_failed; }; then
    echo "the program could not make its window (Wine's display driver did not load; exit code $rc): starting it once more"
    started_again=1
    launch_program "${program_args[@]}"
    return 0
  fi
  fail "the program ended with exit code $rc while the test waited for it"
}
display_failed() {
  grep -Eqi 'display driver|no driver could be loaded|CreateWindow|window could not be (created|made)|utworzy' \
    "$program_stderr" 2>/dev/null
}

# wait_until SECONDS COMMAND...: polls the command until it succeeds; false
# once the seconds have passed.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    check_running
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

# wait_for_file PATH SECONDS MESSAGE
wait_for_file() { wait_until "$2" test -s "$1" || fail "$3"; }

# expect_ini_line PATTERN MESSAGE: the program's settings file has the line
# within a few seconds (it writes it on its own thread of events).
expect_ini_line() { wait_until 20 grep -q "$1" "$work/gra/semarion.ini" || fail "$2"; }

# wait_window TITLE SECONDS: a window with this title shows within the time.
# The driver is asked again each second, so that one start of it that fails
# (Wine on a busy machine) does not end the wait early.
wait_window() {
  wait_until "$2" "$run" "$driver" wait "$1" 1 || return 1
  window_seen=1
}
# wait_closed TITLE SECONDS: no window with this title is left within the time.
wait_closed() { wait_until "$2" window_gone "$1"; }
window_gone() { ! "$run" "$driver" wait "$1" 0 >/dev/null 2>&1; }

# launch_program [ARGS...]: runs $program (the game folder's by default) in
# the background as $pid, its stderr also kept in $program_stderr.
pid= window_seen= started_again=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null || true' EXIT
launch_program() {
  program_args=("$@")
  program_stderr=$work/stderr.log
  : >"$program_stderr"
  window_seen=
  "$run" "${program:-$work/gra/semarion.exe}" "$@" 2> >(tee -a "$program_stderr" >&2) &
  pid=$!
}
# start_program [ARGS...]: launch_program, once. A game started from a
# timetable first asks for its options: OK keeps the defaults.
start_program() {
  launch_program "$@"
  case "${1:-}" in
    *.roz)
      wait_window "Nowa gra" 60 || fail "no new game options"
      "$run" "$driver" click "Nowa gra" 1
      ;;
  esac
}

# save_as TITLE FILE: the menu's "save as", the name typed into its dialog.
save_as() {
  "$run" "$driver" command "$1" 40004
  "$run" "$driver" filedialog "$1" "$(winpath "$2")" 30 || fail "no save dialog"
  wait_for_file "$2" 30 "saving as $2 wrote nothing"
}

# Closing a running game asks whether to save it: No, and the program ends.
close_without_saving() {
  "$run" "$driver" close "$1"
  wait_window "$question" 30 || fail "no save question at the end"
  "$run" "$driver" click "$question" 7
  expect_exit 0
}

# expect_exit CODE: the program ends, with that exit code, within a minute.
expect_exit() {
  local deadline=$((SECONDS + 60)) rc=0
  while kill -0 "$pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the program did not end"
    sleep 0.2
  done
  wait "$pid" || rc=$?
  pid=
  [ "$rc" -eq "$1" ] || fail "semarion.exe ended with $rc"
}

# Played on Testowo's station pane, whose client area the caller reads from
# the driver into pane_x, pane_y, pane_w and pane_h.

# The screen point in the middle of a tile: Testowo's 44 x 12 tiles fitted
# into the station pane and centred, at zoom 1 without a pan.
tile_xy() {
  python3 - "$1" "$pane_x" "$pane_y" "$pane_w" "$pane_h" <<'EOF'
import sys
tile, px, py, w, h = map(int, sys.argv[1:])
s = min(w / (44 * 14), h / (12 * 14))
x0 = (w - int(44 * 14 * s + 0.5)) // 2
y0 = (h - int(12 * 14 * s + 0.5)) // 2
print(px + x0 + int((tile % 100 + 0.5) * 14 * s), py + y0 + int((tile // 100 + 0.5) * 14 * s))
EOF
}
# click_tile BUTTON TILE: 1 left, 3 right.
click_tile() {
  read -r x y < <(tile_xy "$2")
  xdotool mousemove --sync "$x" "$y" click "$1"
  sleep 0.3
}
status_text() { "$run" "$driver" statustext "$testowo" "$1" | tr -d '\r' | iconv -f CP1250 -t UTF-8; }
# expect_status PART TEXT MESSAGE: the part shows the text within the time.
expect_status() {
  shown_status=
  wait_until 30 status_is "$1" "$2" || fail "$3 (the status bar shows '$shown_status')"
}
status_is() {
  shown_status=$(status_text "$1")
  [ "$shown_status" = "$2" ]
}

# tile_colour TILE: "red" (occupied), "blue" (free) or "other" across the
# rails in the middle of the tile, in a fresh screenshot.
tile_colour() {
  read -r x y < <(tile_xy "$1")
  import -window root "$work/probe.png"
  convert "$work/probe.png" -crop "1x5+$x+$((y - 2))" txt:- | sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1 \2 \3/p' |
    awk '$1 > 150 && $2 < 110 && $3 < 110 { red = 1 }
         $3 > 100 && $1 < 90 { blue = 1 }
         END { print red ? "red" : blue ? "blue" : "other" }'
}
# wait_tile TILE COLOUR SECONDS MESSAGE
wait_tile() { wait_until "$3" tile_is "$1" "$2" || fail "$4"; }
tile_is() { [ "$(tile_colour "$1")" = "$2" ]; }
