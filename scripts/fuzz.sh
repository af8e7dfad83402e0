#!/usr/bin/env bash
# Fuzzes the readers of outside data for as long as asked (clang's libFuzzer
# with AddressSanitizer and UndefinedBehaviorSanitizer), then plays the long
# save-and-load round trip of both sample stations.
#
#   scripts/fuzz.sh [SECONDS] [HARNESS...]
#
# SECONDS per harness (default 600); harnesses by name (default all, see
# tests/fuzz/). FUZZ_RUNS=N stops a harness after N executions instead when
# that comes first; FUZZ_JOBS harnesses run at a time (default 3);
# FUZZ_OPTIONS adds libFuzzer options (e.g. -max_len=4096). Findings
# land in build/fuzz/findings/, new inputs in build/fuzz/corpus/.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. "$root/scripts/fuzz_lib.sh"

seconds=${1:-600}
[ $# -gt 0 ] && shift
names=("$@")
[ ${#names[@]} -eq 0 ] && mapfile -t names < <(fuzz_names "$root")

echo "=== budowanie build/fuzz ==="
build_fuzzers "$root" || { tail -n 60 build/fuzz.log; exit 1; }
options=(-max_total_time="$seconds")
[ -n "${FUZZ_RUNS:-}" ] && options+=(-runs="$FUZZ_RUNS")
read -r -a extra <<<"${FUZZ_OPTIONS:-}"
options+=("${extra[@]}")
failed=0
run_fuzzers "$root" "${FUZZ_JOBS:-3}" "${names[@]}" -- "${options[@]}" || failed=1

echo "=== długa gra: zapis, odczyt, zapis ==="
if cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >>build/fuzz.log 2>&1 &&
   cmake --build build/native -j "$(nproc)" --target semarion_tests >>build/fuzz.log 2>&1; then
  SEMARION_LONG_ROUND_TRIP=1 build/native/tests/semarion_tests --gtest_filter='SavedGameRoundTrip.*' || failed=1
else
  tail -n 60 build/fuzz.log
  failed=1
fi
exit $failed
