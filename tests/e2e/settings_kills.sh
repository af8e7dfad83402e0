#!/usr/bin/env bash
# semarion.ini is never left empty or half written: the program is killed
# (kill -9) fifteen times at the moment its closing save shows on the disk,
# every other time when the settings' draft appears and every other time when
# semarion.ini itself first changes; each time the file is the old one or
# the new one, whole, byte for byte.
set -euo pipefail
exe=$1 driver=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../wine/wine-run.sh
. "$SEMARION_WINE_SESSION/env"
work=$PWD/e2e/settings_kills
. "$here/game_helpers.bash"
rm -rf "$work"
mkdir -p "$work/gra/Stacje"
cp "$exe" "$work/gra/semarion.exe"
ini=$work/gra/semarion.ini
# Out of range: read as 120, so every closing save changes the file.
sed 's/^Autozapis_minut=.*/Autozapis_minut=500\r/' "$here/../fixtures/settings/fresh.ini" >"$work/old.ini"

start() {
  cp "$work/old.ini" "$ini"
  "$run" "$work/gra/semarion.exe" &
  pid=$!
  wait_window "$no_game" 60 || fail "no window titled '$no_game'"
}

# The save a whole run ends with is the new file.
start
"$run" "$driver" close "$no_game"
wait "$pid" || fail "semarion.exe ended with an error"
pid=
cp "$ini" "$work/new.ini"
cmp -s "$work/new.ini" "$work/old.ini" && fail "closing did not change the settings"
[ ! -e "$ini.tmp" ] || fail "the settings' draft was left behind"

# watch PID WHAT: kills the program as soon as WHAT (the file's draft, or the
# file) shows the save; polled in a tight loop, a few microseconds apart.
watch() {
  python3 - "$1" "$ini" "$2" <<'EOF'
import os, signal, sys, time
pid, ini, what = int(sys.argv[1]), sys.argv[2], sys.argv[3]
def state():
    try:
        s = os.stat(ini)
        return (s.st_ino, s.st_size, s.st_mtime_ns)
    except FileNotFoundError:
        return None
before = state()
deadline = time.monotonic() + 60
while time.monotonic() < deadline:
    if os.path.exists(ini + ".tmp") if what == "draft" else state() != before:
        os.kill(pid, signal.SIGKILL)
        sys.exit(0)
sys.exit(1)
EOF
}

damaged=0
for i in $(seq 15); do
  what=$([ $((i % 2)) -eq 1 ] && echo draft || echo file)
  start
  watch "$pid" "$what" &
  watcher=$!
  "$run" "$driver" close "$no_game"
  # Bash reports the killed program while it waits: as meant, so not shown.
  killed=0
  { wait "$watcher" && killed=1; wait "$pid"; } 2>/dev/null || true
  pid=
  [ "$killed" -eq 1 ] || fail "kill $i: the $what never showed the save"
  if ! cmp -s "$ini" "$work/old.ini" && ! cmp -s "$ini" "$work/new.ini"; then
    damaged=$((damaged + 1))
    cp "$ini" "$work/damaged_$i.ini"
    echo "kill $i at the $what: semarion.ini is $(stat -c %s "$ini") bytes, neither the old file nor the new"
  fi
done
trap - EXIT
[ "$damaged" -eq 0 ] || fail "$damaged of 15 kills left semarion.ini empty or damaged"
echo "15 kills, semarion.ini whole every time"
