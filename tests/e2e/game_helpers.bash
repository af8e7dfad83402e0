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
# the program still ran and what it wrote into a crash log, so a failure on a
# machine out of reach still tells its story.
fail() {
  echo "$*"
  local shown
  shown=$("$run" "$driver" dialogs 2>/dev/null | tr -d '\r' | iconv -f CP1250 -t UTF-8 2>/dev/null || true)
  [ -z "$shown" ] || printf 'on the screen: %s\n' "$shown"
  if [ -n "${pid:-}" ] && ! kill -0 "$pid" 2>/dev/null; then echo "the program had ended"; fi
  if [ -n "${work:-}" ] && [ -d "$work" ]; then
    find "$work" -name crash.log -exec sh -c 'echo "== $1"; cat "$1"' _ {} \;
  fi
  exit 1
}
winpath() { winepath -w "$1" 2>/dev/null; }

# make_game_folder WORK: WORK/gra is the game folder, WORK/zapisy empty.
make_game_folder() {
  rm -rf "$1"
  mkdir -p "$1/gra/Stacje" "$1/zapisy"
  cp "$exe" "$1/gra/semarion.exe"
  cp -r "$here/../../game/Stacje/Testowo" "$1/gra/Stacje/"
  cp -r "$here/../../game/Tabor" "$here/../../game/Audio" "$1/gra/"
  printf '%s' "$frozen_clock" >"$1/gra/semarion.ini"
}

# wait_for_file PATH TENTHS-OF-SECONDS MESSAGE
wait_for_file() {
  for _ in $(seq "$2"); do [ -s "$1" ] && return 0; sleep 0.1; done
  fail "$3"
}

# wait_window TITLE SECONDS: a window with this title shows within the time.
# The driver is asked again each second, so that one start of it that fails
# (Wine on a busy machine) does not end the wait early.
wait_window() {
  local deadline=$((SECONDS + $2))
  until "$run" "$driver" wait "$1" 1; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
  done
}

# start_program [ARGS...]: runs the game in the background as $pid. A game
# started from a timetable first asks for its options: OK keeps the defaults.
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null || true' EXIT
start_program() {
  "$run" "$work/gra/semarion.exe" "$@" &
  pid=$!
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
  wait_for_file "$2" 100 "saving as $2 wrote nothing"
}

# Closing a running game asks whether to save it: No, and the program ends.
close_without_saving() {
  "$run" "$driver" close "$1"
  wait_window "$question" 30 || fail "no save question at the end"
  "$run" "$driver" click "$question" 7
  local rc=0
  wait "$pid" || rc=$?
  pid=
  [ "$rc" -eq 0 ] || fail "semarion.exe ended with $rc"
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
# expect_status PART TEXT MESSAGE: the part shows the text within a few seconds.
expect_status() {
  local text=
  for _ in $(seq 30); do
    text=$(status_text "$1")
    [ "$text" = "$2" ] && return 0
    sleep 0.2
  done
  fail "$3 (the status bar shows '$text')"
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
wait_tile() {
  for _ in $(seq $(($3 * 2))); do
    [ "$(tile_colour "$1")" = "$2" ] && return 0
    sleep 0.5
  done
  fail "$4"
}
