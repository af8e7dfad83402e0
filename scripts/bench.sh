#!/usr/bin/env bash
# The speed figures of a running Tarninowo shift, each as min / median over
# several runs:
#   1. CPU over a running shift at the default pace, after a warm-up (Wine):
#      the program alone, and the program with wineserver and Xvfb; each
#      figure with the clock ticks it rests on
#   2. one full repaint of the station pane at 1280 x 800 (Wine)
#   3. cold start to a shown window (no wineserver running)
#   4. Tarninowo from the command line to its options dialog, cold
#   5. one simulation step through the timer message (native), with its
#      instruction count under callgrind averaged over a whole day
#   6. a whole day, 86 400 steps, through the timer message (native)
# The Wine figures are also given as a ratio to the floor: bench/floor, a
# minimal Win32 program that does the game's work per timer message, measured
# in the same run. Its window has the game's size and status bar, its timer
# the period the game's pacing gives Tarninowo at the default settings (printed:
# 78 ms), and each message it sets the status bar's clock and score and
# repaints, through the game's pane frame from its kept buffer, a pane of the
# size of the game's station pane (measured on the program once before the
# runs, and printed).
#
#   scripts/bench.sh [REF]
#
# With REF (a commit), the sources of REF are built beside this tree and both
# are measured in the same run, run by run in turn (REF, this tree, the
# floor), so that a change of the machine's load falls on all alike. REF is
# measured with this tree's benchmarks when they build against it; else with
# its own, and a figure its own benchmark takes over another path than the
# timer message is marked "not comparable".
#
# The game folders are the player's, as scripts/play.sh stages it (the
# program beside Stacje, Tabor, Audio, narzedzia), without a settings file:
# the default pace.
# A CPU measurement lasts CPU_SECONDS and as much longer as the program needs
# to use 100 clock ticks, at most five minutes: fewer ticks fail the run. A
# dialog open as the measurement starts or ends (a message box the program
# showed, say) fails the run, naming the dialog.
#
# A figure without a single sample fails the run, naming it. A run that
# fails (a window that does not show) is taken once more; failing again, its
# figure is reported as failed with the second failure's reason, the others
# still print, and the run fails.
# RUNS (default 5) sets the runs per figure, CPU_RUNS (3), CPU_WARMUP (10)
# and CPU_SECONDS (60) the CPU measurement; CALLGRIND=0 leaves the
# instruction count out; FIGURES (default "cpu repaint start options step
# day") chooses the figures. NO_AUDIO=1 leaves Audio/ out of the game
# folders: the first sound then opens a message box, which shows that a
# dialog fails the figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh" >/dev/null
jobs=$(nproc 2>/dev/null || echo 2)
runs=${RUNS:-5}
cpu_runs=${CPU_RUNS:-3}
cpu_warmup=${CPU_WARMUP:-10}
cpu_seconds=${CPU_SECONDS:-60}
figures=${FIGURES:-cpu repaint start options step day}
ref=${1:-}
[ "$cpu_warmup" -ge 10 ] || { echo "CPU_WARMUP must be at least 10 seconds" >&2; exit 2; }

# build_native SOURCE BUILD: the native benchmarks.
build_native() {
  cmake -S "$1" -B "$2/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
    cmake --build "$2/native" -j "$jobs" --target semarion_bench >/dev/null
}
# build_win SOURCE BUILD: the Windows program, its repaint benchmark and the end-to-end driver.
build_win() {
  cmake -S "$1" -B "$2/win" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" >/dev/null &&
    cmake --build "$2/win" -j "$jobs" --target semarion semarion_win_bench semarion_driver >/dev/null
}

# sync FROM TO [SKIPPED]: TO becomes a copy of FROM but for the folder
# SKIPPED in both; a file whose content is unchanged keeps its time, so that
# building REF again builds only what changed, and one that changed gets a
# new time, so that it is built again.
sync() {
  local from=$1 to=$2 skip=${3:-} f
  mkdir -p "$to"
  while IFS= read -r f; do
    cmp -s "$from/$f" "$to/$f" || { mkdir -p "$(dirname "$to/$f")"; cp "$from/$f" "$to/$f"; }
  done < <(cd "$from" && find . -type f ${skip:+-not -path "./$skip/*"})
  while IFS= read -r f; do
    [ -e "$from/$f" ] || rm "$to/$f"
  done < <(cd "$to" && find . -type f ${skip:+-not -path "./$skip/*"})
}

labels=()
declare -A source    # label -> source folder
declare -A tree      # label -> build folder
declare -A apart     # label,figure -> why that figure is not comparable
if [ -n "$ref" ]; then
  before=$root/build/bench-before
  rm -rf "$before/ref" && mkdir -p "$before/ref" "$before/src"
  git archive "$ref" | tar -x -C "$before/ref"
  sync "$before/ref" "$before/src"
  sync "$root/bench" "$before/src/bench"
  # This tree's benchmarks where they build against REF; else its own, and
  # what they take over another path is marked.
  if ! build_native "$before/src" "$before/build" 2>"$before/native.log"; then
    echo "this tree's native benchmarks do not build against $ref: its own" >&2
    sync "$before/ref/bench" "$before/src/bench" win32
    build_native "$before/src" "$before/build" || { echo "building $ref failed" >&2; exit 1; }
    if ! grep -q RunTimerMessage "$before/src/bench/simulation_bench.cpp"; then
      for figure in step day instructions; do
        apart[before,$figure]="not comparable: its benchmark steps without the timer message"
      done
    fi
  fi
  if ! build_win "$before/src" "$before/build" 2>"$before/win.log"; then
    echo "this tree's repaint benchmark does not build against $ref: its own" >&2
    sync "$before/ref/bench/win32" "$before/src/bench/win32"
    build_win "$before/src" "$before/build" || { echo "building $ref failed" >&2; exit 1; }
    apart[before,repaint]="not comparable: its own repaint benchmark"
  fi
  labels+=(before)
  source[before]=$before/src
  tree[before]=$before/build
fi
build_native "$root" "$root/build"
build_win "$root" "$root/build"
cmake --build "$root/build/win" -j "$jobs" --target semarion_floor >/dev/null
labels+=(after)
source[after]=$root
tree[after]=$root/build
floor_exe=$root/build/win/floor.exe

session=$root/build/bench-session
bash tests/wine/session.sh start "$session" >/dev/null
trap 'bash tests/wine/session.sh stop "$session" >/dev/null 2>&1 || true' EXIT
. "$session/env"
export LC_ALL=C  # the figures with decimal points, whatever the session's locale
run="$root/tests/wine/wine-run.sh"
export SEMARION_WINE_SESSION=$session
main_title="Semarion Win32 port - Phase 2 - Tarninowo.stc"
no_game_title="Semarion Win32 port - Phase 1"
floor_title="Semarion floor"

# game_dir LABEL: the game folder of LABEL's program as the player gets it,
# its program beside its sources' game/, and no settings file (the default
# pace); made afresh by make_game before each start, so that nothing a run
# leaves there (its settings, an autosave) changes the next.
game_dir() { echo "$root/build/bench-game-$1"; }
make_game() {
  local dir
  dir=$(game_dir "$1")
  rm -rf "$dir" && mkdir -p "$dir"
  cp -r "${source[$1]}/game/." "$dir/"
  cp "${tree[$1]}/win/bin/semarion.exe" "$dir/"
  if [ "${NO_AUDIO:-0}" = 1 ]; then rm -rf "$dir/Audio"; fi
}
timetable() { winepath -w "$(game_dir "$1")/Stacje/Tarninowo/Tarninowo.roz" 2>/dev/null; }
# The station the floor takes its timer period from: this tree's Tarninowo.
floor_station() { winepath -w "$root/game/Stacje/Tarninowo/Tarninowo.stc" 2>/dev/null; }

# The process named $1 (a pattern) running in this session's Wine prefix.
program_pid() {
  local p
  for p in $(pgrep -u "$(id -u)" -x "$1" || true); do
    { tr '\0' '\n' <"/proc/$p/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$p"; return; }
  done
}

# wait_window TITLE PID: polls the X server until a window of that name is
# shown; false after a minute or once the process PID has ended.
wait_window() {
  local deadline=$((SECONDS + 60))
  until xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
    kill -0 "$2" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.01
  done
}

# stop_program PID: ends the program and the Wine server, so the next start is cold.
stop_program() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# launch LABEL [ARGS]: starts LABEL's program (the floor for "floor", on
# Tarninowo with the game's station pane, writing its period to floor_out) in
# the background as $launched.
floor_out=$root/build/bench-floor.out
launch() {
  local label=$1; shift
  if [ "$label" = floor ]; then "$run" "$floor_exe" "$(floor_station)" $floor_pane >"$floor_out" 2>&1 &
  else make_game "$label"; "$run" "$(game_dir "$label")/semarion.exe" "$@" >/dev/null 2>&1 &
  fi
  launched=$!
}

driver=${tree[after]}/win/tests/semarion_driver.exe
drive() { "$run" "$driver" "$@" 2>/dev/null | tr -d '\r' | iconv -f CP1250 -t UTF-8; }

# start_shift LABEL: starts LABEL's program on Tarninowo and takes the new
# game's options as they are, as $launched; false when no shift runs.
start_shift() {
  launch "$1" "$(timetable "$1")"
  if ! drive wait "Nowa gra" 60 >/dev/null || ! drive click "Nowa gra" 1 >/dev/null ||
     ! wait_window "$main_title" "$launched"; then
    echo "no running shift" >&2; stop_program "$launched"; return 1
  fi
}

# no_dialog WHEN: false, naming each dialog on the desktop (caption: texts),
# when there is any.
no_dialog() {
  local shown
  shown=$(drive dialogs | paste -sd ';' -) || true
  [ -z "$shown" ] || { echo "a dialog $1: $shown" >&2; return 1; }
}

# game_pane: "WIDTH HEIGHT", the client area of this tree's station pane on
# a running shift of Tarninowo, which the floor's pane takes.
game_pane() {
  start_shift after || return 1
  local pane
  pane=$(drive pane "$main_title" 101) || true
  stop_program "$launched"
  awk 'NF == 4 && $3 > 0 && $4 > 0 { print $3, $4; found = 1 } END { exit !found }' <<<"$pane"
}

# cold_start LABEL TITLE [ARGS]: seconds from a start without a wineserver to the window.
cold_start() {
  local label=$1 title=$2; shift 2
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  local t0 t1
  t0=$(date +%s.%N)
  launch "$label" "$@"
  wait_window "$title" "$launched" || { echo "no window '$title'" >&2; stop_program "$launched"; return 1; }
  t1=$(date +%s.%N)
  stop_program "$launched"
  echo "$t1 - $t0" | bc -l
}
start_sample() {
  if [ "$1" = floor ]; then cold_start floor "$floor_title"; else cold_start "$1" "$no_game_title"; fi
}
options_sample() { cold_start "$1" "Nowa gra" "$(timetable "$1")"; }

# ticks PID...: the CPU clock ticks the processes have used.
ticks() {
  local p t=0
  for p in "$@"; do t=$((t + $(awk '{ print $14 + $15 }' "/proc/$p/stat"))); done
  echo "$t"
}

# cpu_sample LABEL: four lines, the percent of one core the program takes
# over a running shift (the floor: of its window), alone and with wineserver
# and Xvfb, after CPU_WARMUP seconds, then the clock ticks each rests on. The
# measurement lasts CPU_SECONDS and on until the program alone has used
# min_ticks, at most max_seconds; a dialog open as it starts or ends fails
# it.
min_ticks=100
max_seconds=$((cpu_seconds > 300 ? cpu_seconds : 300))
cpu_sample() {
  local label=$1 exe=semarion.exe
  if [ "$label" = floor ]; then
    exe=floor.exe
    launch floor
    wait_window "$floor_title" "$launched" || { echo "no window '$floor_title'" >&2; stop_program "$launched"; return 1; }
  else
    start_shift "$label" || return 1
  fi
  sleep "$cpu_warmup"
  no_dialog "as the measured run starts" || { stop_program "$launched"; return 1; }
  local p server xvfb hz
  p=$(program_pid "$exe") server=$(program_pid 'wineserver(64)?') xvfb=$(cat "$session/xvfb.pid") hz=$(getconf CLK_TCK)
  [ -n "$p" ] && [ -n "$server" ] || { echo "no $exe or wineserver to measure" >&2; stop_program "$launched"; return 1; }
  local t0 t1 alone0 all0 alone1 all1 deadline=$((SECONDS + max_seconds))
  t0=$(date +%s.%N) alone0=$(ticks "$p") all0=$(ticks "$p" "$server" "$xvfb")
  sleep "$cpu_seconds"
  until [ $(($(ticks "$p") - alone0)) -ge "$min_ticks" ] || [ "$SECONDS" -ge "$deadline" ]; do sleep 1; done
  t1=$(date +%s.%N) alone1=$(ticks "$p") all1=$(ticks "$p" "$server" "$xvfb")
  no_dialog "as the measured run ends" || { stop_program "$launched"; return 1; }
  stop_program "$launched"
  local used=$((alone1 - alone0)) seconds
  seconds=$(echo "$t1 - $t0" | bc -l)
  [ "$used" -ge "$min_ticks" ] || { printf 'only %d clock ticks in %.0f s\n' "$used" "$seconds" >&2; return 1; }
  echo "$used * 100 / $hz / $seconds" | bc -l
  echo "($all1 - $all0) * 100 / $hz / $seconds" | bc -l
  echo "$used"
  echo "$((all1 - all0))"
}

# repaint_sample LABEL: the medians of the repaint benchmark's cases, one a
# line, in the order of repaint_cases (the floor: its one repaint).
repaint_cases=("start of the shift" "6:00, nobody dispatching" "6:00, a tile changed each time")
repaint_sample() {
  local out name
  if [ "$1" = floor ]; then
    out=$("$run" "$floor_exe" repaint 100 2>/dev/null | tr -d '\r')
    sed -n 's/^floor repaint .*median \([0-9.]*\) ms.*/\1/p' <<<"$out"
  else
    out=$("$run" "${tree[$1]}/win/semarion_win_bench.exe" 100 2>/dev/null | tr -d '\r')
    for name in "${repaint_cases[@]}"; do
      sed -n "s/^$name .*median \([0-9.]*\) ms.*/\1/p" <<<"$out" | grep . || echo -
    done
  fi
}

# bench_name LABEL NAME...: the first of the names LABEL's native benchmark offers.
bench_name() {
  local label=$1 name offered; shift
  offered=$("${tree[$label]}/native/semarion_bench" --benchmark_list_tests=true)
  for name in "$@"; do
    if [ -n "$name" ] && grep -qx "$name" <<<"$offered"; then echo "$name"; return; fi
  done
}
# native_sample LABEL NAME DIVISOR: one repetition's CPU time over DIVISOR;
# a benchmark that reports an error is a failed run.
native_sample() {
  local out
  out=$("${tree[$1]}/native/semarion_bench" --benchmark_filter="^$2\$" --benchmark_format=csv 2>&1) || {
    echo "$out" >&2; return 1; }
  awk -F, -v name="\"$2\"" -v d="$3" '
    $1 == name && $0 !~ /,true,/ { printf "%.6g\n", $4 / d; found = 1 }
    END { exit !found }' <<<"$out" || { grep -i error <<<"$out" >&2; return 1; }
}

step_instructions() {
  local out=$root/build/bench-callgrind-$1.out
  valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='*RunStep*' \
    "${tree[$1]}/native/semarion_bench" --benchmark_filter='BM_SimulatedDay' --benchmark_min_time=0 >/dev/null 2>&1 ||
    return 1
  awk '/^summary:/ && $2 > 0 { printf "%.0f\n", $2 / 86400 / 1000 }' "$out"
}

# missing LABEL: why a figure its benchmark does not give has no samples: an
# older REF may not offer it; this tree's benchmarks must.
not_offered="not offered by its benchmark"
missing() { if [ "$1" = before ]; then echo "$not_offered"; else echo "no samples"; fi; }
# The samples: samples[LABEL,FIGURE] holds one value a line; failed[LABEL,FIGURE] why there are no more.
declare -A samples failed
# take LABEL FIGURE COMMAND...: one run of the command, its values (one a
# line) added to the figures FIGURE, FIGURE.2, ... in order; a run that fails
# is taken once more, and failing again fails the figure.
take() {
  local label=$1 figure=$2; shift 2
  [ -z "${failed[$label,$figure]:-}" ] || return 0
  local values said=$root/build/bench-said
  if ! values=$("$@" 2>"$said") || [ -z "$values" ]; then
    cat "$said" >&2
    echo "$label: $figure failed, once more" >&2
    if ! values=$("$@" 2>"$said") || [ -z "$values" ]; then
      cat "$said" >&2
      local reason
      reason=$(tail -n 1 "$said")
      failed[$label,$figure]="failed twice${reason:+: $reason}"
      return 0
    fi
  fi
  cat "$said" >&2
  local i=0 v key
  while read -r v; do
    key=$figure; [ "$i" -eq 0 ] || key=$figure.$((i + 1))
    if [ "$v" = - ]; then failed[$label,$key]=$(missing "$label")
    else samples[$label,$key]+="$v"$'\n'
    fi
    i=$((i + 1))
  done <<<"$values"
}

wants() { [[ " $figures " == *" $1 "* ]]; }
wine_labels=("${labels[@]}" floor)

# The floor's pane is the game's station pane, measured once.
floor_pane=
if wants cpu || wants start; then
  floor_pane=$(game_pane) || floor_pane=$(game_pane) ||
    { echo "the game's station pane could not be measured: no floor" >&2; exit 1; }
fi
for r in $(seq "$runs"); do
  echo "run $r of $runs" >&2
  if wants cpu && [ "$r" -le "$cpu_runs" ]; then
    for label in "${wine_labels[@]}"; do take "$label" cpu cpu_sample "$label"; done
  fi
  if wants repaint; then
    for label in "${wine_labels[@]}"; do take "$label" repaint repaint_sample "$label"; done
  fi
  if wants start; then
    for label in "${wine_labels[@]}"; do take "$label" start start_sample "$label"; done
  fi
  if wants options; then
    for label in "${labels[@]}"; do take "$label" options options_sample "$label"; done
  fi
  wineserver -k 2>/dev/null || true
  if wants step; then
    for label in "${labels[@]}"; do
      for n in 1 2 4; do
        name=$(bench_name "$label" "BM_SimulationStep/$n" "$([ $n = 1 ] && echo BM_SimulationStep)")
        if [ -n "$name" ]; then take "$label" "step$n" native_sample "$label" "$name" 1000
        else failed[$label,step$n]=$(missing "$label"); fi
      done
    done
  fi
  if wants day; then
    for label in "${labels[@]}"; do take "$label" day native_sample "$label" BM_SimulatedDay 1000; done
  fi
done
if wants step && [ "${CALLGRIND:-1}" != 0 ]; then
  for label in "${labels[@]}"; do take "$label" instructions step_instructions "$label"; done
fi

# The printed figures; a figure of no samples is an error.
errors=()
# stat LABEL FIGURE: "min / median" of its samples, empty without any.
stat() {
  [ -n "${samples[$1,$2]:-}" ] || return 0
  printf '%s' "${samples[$1,$2]}" | LC_ALL=C sort -g | LC_ALL=C awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.3g / %.3g", v[1], m }'
}
median() { stat "$1" "$2" | sed 's|.* / ||'; }
# span LABEL FIGURE: "MIN-MAX" of its samples, or the one value they all have.
span() {
  printf '%s' "${samples[$1,$2]:-}" | sort -n | awk 'NR == 1 { a = $1 } { b = $1 }
    END { if (NR) printf(a == b ? "%d" : "%d-%d", a, b) }'
}
# why LABEL FIGURE: why a figure has no samples; FIGURE.2 and on share the
# failure of FIGURE, whose command gave them all.
why() { echo "${failed[$1,$2]:-${failed[$1,${2%.*}]:-no samples}}"; }
# cell LABEL FIGURE UNIT [FLOOR-FIGURE [TICKS-FIGURE]]: the figure with its
# unit, its ratio to the floor's and the clock ticks its samples rest on, or
# why it is missing.
cell() {
  local label=$1 figure=$2 unit=$3 floor=${4:-} ticks=${5:-} s
  s=$(stat "$label" "$figure")
  if [ -z "$s" ]; then why "$label" "$figure" | tr -d '\n'; return; fi
  printf '%s %s' "$s" "$unit"
  [ -z "$ticks" ] || printf ' on %s ticks' "$(span "$label" "$ticks")"
  if [ -n "$floor" ] && [ "$label" != floor ] && [ -n "$(stat floor "$floor")" ]; then
    printf ' (%.2f× floor)' "$(echo "$(median "$label" "$figure") / $(median floor "$floor")" | bc -l)"
  fi
  local why=${apart[$label,${figure%%[0-9.]*}]:-}
  [ -z "$why" ] || printf ' [%s]' "$why"
}
# row NAME FIGURE UNIT [FLOOR-FIGURE [TICKS-FIGURE]]: a line of the table;
# each figure without samples (not one its benchmark does not offer) is an
# error.
row() {
  local name=$1 figure=$2 unit=$3 floor=${4:-} ticks=${5:-} line=$1 label
  for label in "${labels[@]}"; do
    line+=" | $(cell "$label" "$figure" "$unit" "$floor" "$ticks")"
    [ -n "$(stat "$label" "$figure")" ] || [ "${failed[$label,$figure]:-}" = "$not_offered" ] ||
      errors+=("$name ($label): $(why "$label" "$figure")")
  done
  if [ "$floor" = "$figure" ]; then
    line+=" | $(cell floor "$floor" "$unit" "" "$ticks")"
    [ -n "$(stat floor "$floor")" ] || errors+=("$name (floor): $(why floor "$floor")")
  else
    line+=" | -"
  fi
  echo "$line"
}

echo
echo "figure (min / median, CPU time for the native ones) | ${ref:+before | }after | floor"
if [ -n "$floor_pane" ]; then
  period=$(sed -n 's/^timer period \([0-9]*\) ms.*/\1/p' "$floor_out" 2>/dev/null | tr -d '\r')
  echo "the floor: timer period ${period:-not printed}${period:+ ms}, the game's on Tarninowo at the default pace;" \
    "its pane ${floor_pane/ / x }, the game's station pane"
  [ -n "$period" ] || errors+=("the floor's timer period: not printed")
fi
if wants cpu; then
  row "CPU of a running shift, default pace, over at least ${cpu_seconds} s and $min_ticks ticks, the program alone" \
    cpu % cpu cpu.3
  row "the same, program + wineserver + Xvfb" cpu.2 % cpu.2 cpu.4
fi
if wants repaint; then
  row "one full repaint of the station pane, 1280 x 800, start of the shift" repaint ms repaint
  row "the same at 6:00" repaint.2 ms repaint
  row "the same at 6:00 with a tile changed" repaint.3 ms repaint
fi
if wants start; then row "cold start to a shown window" start s start; fi
if wants options; then row "Tarninowo from the command line to its options dialog, cold" options s start; fi
if wants step; then
  row "one simulation step through the timer message" step1 µs
  row "the same, 2x timetable rows" step2 µs
  row "the same, 4x timetable rows" step4 µs
  [ "${CALLGRIND:-1}" = 0 ] || row "its instructions (callgrind, averaged over a day)" instructions k
fi
if wants day; then row "a whole day, 86 400 steps" day s; fi

if [ ${#errors[@]} -gt 0 ]; then
  echo >&2
  echo "figures not measured:" >&2
  printf '  %s\n' "${errors[@]}" >&2
  exit 1
fi
