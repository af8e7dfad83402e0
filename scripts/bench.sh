#!/usr/bin/env bash
# The speed figures of a running Tarninowo shift, each as min / median over
# several runs:
#   1. CPU of the program over a minute of a running shift at the default pace (Wine)
#   2. one full repaint of the station pane at 1280 x 800 (Wine)
#   3. cold start to a shown window (no wineserver running)
#   4. Tarninowo from the command line to its options dialog, cold
#   5. one simulation step through the timer message (native), with its
#      instruction count under callgrind averaged over a whole day
#   6. a whole day, 86 400 steps, through the timer message (native)
#
#   scripts/bench.sh [REF]
#
# With REF (a commit), the sources of REF are built beside this tree and both
# are measured in the same run, REF first; a REF older than the benchmarks of
# the step and the day is measured with this tree's benchmarks.
# RUNS (default 5) sets the runs per figure, CPU_RUNS (3) and CPU_SECONDS (60)
# the CPU measurement; CALLGRIND=0 leaves the instruction count out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh" >/dev/null
jobs=$(nproc 2>/dev/null || echo 2)
runs=${RUNS:-5}
cpu_runs=${CPU_RUNS:-3}
cpu_seconds=${CPU_SECONDS:-60}
ref=${1:-}

# build SOURCE BUILD: the native benchmarks and the Windows program, its
# repaint benchmark and the end-to-end driver.
build() {
  cmake -S "$1" -B "$2/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$2/native" -j "$jobs" --target semarion_bench >/dev/null
  cmake -S "$1" -B "$2/win" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null
  cmake --build "$2/win" -j "$jobs" --target semarion semarion_win_bench semarion_driver >/dev/null
}

# min_median VALUES...: "min / median"
min_median() {
  printf '%s\n' "$@" | LC_ALL=C sort -g | LC_ALL=C awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.3g / %.3g", v[1], m }'
}

trees=()
if [ -n "$ref" ]; then
  before=$root/build/bench-before
  rm -rf "$before/src" && mkdir -p "$before/src"
  git archive "$ref" | tar -x -C "$before/src"
  # A tree whose benchmarks measure the figures keeps its own; an older one
  # gets this tree's (whose calls it must then still offer).
  if ! grep -q BM_SimulatedDay "$before/src/bench/simulation_bench.cpp" 2>/dev/null; then
    rm -rf "$before/src/bench" && cp -r "$root/bench" "$before/src/bench"
    # Older trees call the train of a head ConsistTrainRow.
    grep -q HeadTrainRow "$before/src/simulation/consist.h" ||
      sed -i 's/HeadTrainRow(/ConsistTrainRow(/' "$before/src/bench/simulation_bench.cpp"
  fi
  build "$before/src" "$before/src/build"
  trees+=("$before/src/build")
fi
build "$root" "$root/build"
trees+=("$root/build")

session=$root/build/bench-session
bash tests/wine/session.sh start "$session" >/dev/null
trap 'bash tests/wine/session.sh stop "$session" >/dev/null 2>&1 || true' EXIT
. "$session/env"
export LC_ALL=C  # the figures with decimal points, whatever the session's locale
run="$root/tests/wine/wine-run.sh"
export SEMARION_WINE_SESSION=$session
game_dir=$root/build/bench-game
main_title="Semarion Win32 port - Phase 2 - Tarninowo.stc"
no_game_title="Semarion Win32 port - Phase 1"

# make_game TREE: a game folder with TREE's program, Tarninowo and the
# rolling stock, and no settings file (the default pace).
make_game() {
  rm -rf "$game_dir" && mkdir -p "$game_dir/Stacje"
  cp "$1/win/bin/semarion.exe" "$game_dir/"
  cp -r "$root/game/Stacje/Tarninowo" "$game_dir/Stacje/"
  cp -r "$root/game/Tabor" "$game_dir/"
}

# The Windows process of the program started as $1 in this session.
program_pid() {
  local p
  for p in $(pgrep -u "$(id -u)" -x semarion.exe || true); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$p"; return; }
  done
}

# wait_window TITLE: polls the X server until a window of that name is shown.
wait_window() {
  for _ in $(seq 3000); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && return 0
    sleep 0.01
  done
  return 1
}

# stop_program PID: ends the program and the Wine server, so the next start is cold.
stop_program() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# cold_start TITLE [ARGS]: seconds from a start without a wineserver to the window.
cold_start() {
  local title=$1; shift
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  local t0 t1
  t0=$(date +%s.%N)
  "$run" "$game_dir/semarion.exe" "$@" >/dev/null 2>&1 &
  local pid=$!
  wait_window "$title" || { echo "no window '$title'" >&2; stop_program "$pid"; return 1; }
  t1=$(date +%s.%N)
  stop_program "$pid"
  echo "$t1 - $t0" | bc -l
}

# cpu_percent: percent of one core the program takes over CPU_SECONDS of a running shift.
cpu_percent() {
  local roz
  roz=$(winepath -w "$game_dir/Stacje/Tarninowo/Tarninowo.roz" 2>/dev/null)
  "$run" "$game_dir/semarion.exe" "$roz" >/dev/null 2>&1 &
  local pid=$!
  "$run" "$1/win/tests/semarion_driver.exe" wait "Nowa gra" 60 >/dev/null
  "$run" "$1/win/tests/semarion_driver.exe" click "Nowa gra" 1 >/dev/null
  wait_window "$main_title"
  sleep 3
  local p ticks0 ticks1 hz
  p=$(program_pid)
  hz=$(getconf CLK_TCK)
  ticks0=$(awk '{ print $14 + $15 }' "/proc/$p/stat")
  sleep "$cpu_seconds"
  ticks1=$(awk '{ print $14 + $15 }' "/proc/$p/stat")
  stop_program "$pid"
  echo "($ticks1 - $ticks0) * 100 / $hz / $cpu_seconds" | bc -l
}

# The repaint benchmark prints "NAME ... median X ms ..." per case; read from stdin.
repaint_median() {
  sed -n "s/^$1 .*median \([0-9.]*\) ms.*/\1/p"
}

# Native benchmark CPU times in microseconds (step) or milliseconds (day).
native_times() {
  "$1/native/semarion_bench" --benchmark_filter="$2" --benchmark_repetitions="$runs" \
    --benchmark_report_aggregates_only=false --benchmark_format=csv 2>/dev/null |
    awk -F, -v name="\"$3\"" '$1 == name { print $4 }'
}

step_instructions() {
  local out=$root/build/bench-callgrind.out
  valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='*RunStep*' \
    "$1/native/semarion_bench" --benchmark_filter='BM_SimulatedDay' --benchmark_min_time=0 >/dev/null 2>&1
  awk '/^summary:/ { printf "%.0f k", $2 / 86400 / 1000 }' "$out"
}

declare -A figure
for tree in "${trees[@]}"; do
  label=$([ "$tree" = "$root/build" ] && echo after || echo before)
  echo "measuring $label ($tree)" >&2
  make_game "$tree"
  v=(); for _ in $(seq "$cpu_runs"); do v+=("$(cpu_percent "$tree")"); done
  figure[$label,cpu]="$(min_median "${v[@]}") %"
  v=(); w=(); x=(); for _ in $(seq "$runs"); do
    out=$("$run" "$tree/win/semarion_win_bench.exe" 100 2>/dev/null | tr -d '\r')
    v+=("$(repaint_median "start of the shift" <<<"$out")")
    w+=("$(repaint_median "6:00, nobody dispatching" <<<"$out")")
    x+=("$(repaint_median "6:00, a tile changed each time" <<<"$out")")
  done
  figure[$label,repaint]="$(min_median "${v[@]}") ms; 6:00 $(min_median "${w[@]}") ms"
  [ -z "${x[0]}" ] || figure[$label,repaint]+="; 6:00 with a tile changed $(min_median "${x[@]}") ms"
  wineserver -k 2>/dev/null || true
  v=(); for _ in $(seq "$runs"); do v+=("$(cold_start "$no_game_title")"); done
  figure[$label,start]="$(min_median "${v[@]}") s"
  roz=$(winepath -w "$game_dir/Stacje/Tarninowo/Tarninowo.roz" 2>/dev/null)
  v=(); for _ in $(seq "$runs"); do v+=("$(cold_start "Nowa gra" "$roz")"); done
  figure[$label,options]="$(min_median "${v[@]}") s"
  mapfile -t v < <(native_times "$tree" 'BM_SimulationStep/1$' BM_SimulationStep/1)
  step="$(min_median "$(printf '%s\n' "${v[@]}" | awk '{ print $1 / 1000 }')") µs"
  for n in 2 4; do
    mapfile -t v < <(native_times "$tree" "BM_SimulationStep/$n\$" "BM_SimulationStep/$n")
    step+=", ${n}x rows $(min_median "$(printf '%s\n' "${v[@]}" | awk '{ print $1 / 1000 }')") µs"
  done
  [ "${CALLGRIND:-1}" = 0 ] || step+=", $(step_instructions "$tree") instructions"
  figure[$label,step]=$step
  mapfile -t v < <(native_times "$tree" 'BM_SimulatedDay' BM_SimulatedDay)
  figure[$label,day]="$(min_median "$(printf '%s\n' "${v[@]}" | awk '{ print $1 / 1000 }')") s"
done

echo
echo "figure (min / median, CPU time for the native ones) | ${ref:+before | }after"
for key in cpu repaint start options step day; do
  case $key in
    cpu) name="CPU of a running shift, default pace, over ${cpu_seconds} s" ;;
    repaint) name="one full repaint of the station pane, 1280 x 800" ;;
    start) name="cold start to a shown window" ;;
    options) name="Tarninowo from the command line to its options dialog, cold" ;;
    step) name="one simulation step through the timer message" ;;
    day) name="a whole day, 86 400 steps" ;;
  esac
  echo "$name | ${ref:+${figure[before,$key]} | }${figure[after,$key]}"
done
