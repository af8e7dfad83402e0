#!/usr/bin/env bash
# Checks that includes point down the layers, then builds everything and runs
# every test: the native suites, the same suites under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz harnesses (built with clang) over their
# corpora and for a short time each, and the Windows build (its suites and the
# end-to-end tests) under Wine and Xvfb.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. "$root/scripts/fuzz_lib.sh"
"$root/scripts/install-deps.sh" || exit 1

jobs=$(nproc 2>/dev/null || echo 2)
failed=()

# configure_build_test NAME CMAKE-ARGS... (ctest_options go to ctest)
ctest_options=()
configure_build_test() {
  local name=$1; shift
  echo "=== $name ==="
  if cmake -S . -B "build/$name" "$@" >"build/$name.log" 2>&1 &&
     cmake --build "build/$name" -j "$jobs" >>"build/$name.log" 2>&1; then
    ctest --test-dir "build/$name" --output-on-failure "${ctest_options[@]}" || failed+=("$name")
  else
    tail -n 60 "build/$name.log"
    echo "budowanie $name nie powiodło się"
    failed+=("$name")
  fi
}

# Includes point down the layers (fast, before any build).
echo "=== layers ==="
"$root/tools/check_layers.sh" || failed+=(layers)

mkdir -p build
configure_build_test native -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure_build_test sanitize -DCMAKE_BUILD_TYPE=Debug -DSEMARION_SANITIZE=address,undefined
# Every harness over its committed corpus, then fuzzed briefly: half the
# cores at a time (one on a 2-core machine), 15 seconds each.
echo "=== fuzz ==="
if build_fuzzers "$root"; then
  mapfile -t fuzzers < <(fuzz_names "$root")
  run_fuzzers "$root" $(( jobs > 3 ? jobs / 2 : 1 )) "${fuzzers[@]}" -- -max_total_time=15 || failed+=(fuzz)
else
  tail -n 60 build/fuzz.log
  echo "budowanie fuzz nie powiodło się"
  failed+=(fuzz)
fi
# The Windows tests drive the real program under Wine and Xvfb, whose timing
# on a busy two-core machine is beyond the tests' reach: a test that fails
# runs once more, and fails the build only when it fails again (its first
# failure is still printed).
ctest_options=(--repeat until-pass:2)
configure_build_test win -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake"

if [ ${#failed[@]} -gt 0 ]; then
  echo "NIEUDANE: ${failed[*]}"
  exit 1
fi
echo "Wszystkie testy przeszły."
