# Shared by scripts/test.sh and scripts/fuzz.sh (sourced): builds the libFuzzer
# harnesses of tests/fuzz with clang in build/fuzz and runs them.

# build_fuzzers ROOT: configures and builds build/fuzz; its log is build/fuzz.log.
build_fuzzers() {
  local root=$1 jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  mkdir -p "$root/build"
  CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSEMARION_FUZZ=ON -DSEMARION_WERROR=OFF >"$root/build/fuzz.log" 2>&1 &&
    cmake --build "$root/build/fuzz" -j "$jobs" >>"$root/build/fuzz.log" 2>&1
}

# fuzz_names ROOT: every harness, by name.
fuzz_names() {
  local f
  for f in "$1"/tests/fuzz/fuzz_*.cpp; do basename "$f" .cpp; done
}

# run_fuzzer ROOT NAME LIBFUZZER-OPTIONS...: first every input of the committed
# corpus once, then fuzzing as the options say. New inputs go to
# build/fuzz/corpus/NAME (the committed corpus is only read), findings to
# build/fuzz/findings/, the output to build/fuzz/NAME.log.
run_fuzzer() {
  local root=$1 name=$2; shift 2
  local dir="$root/build/fuzz" corpus="$root/tests/fuzz/corpus/$name"
  mkdir -p "$dir/corpus/$name" "$dir/findings"
  local common=(-timeout=20 -rss_limit_mb=2048 -max_len=131072 -artifact_prefix="$dir/findings/$name-")
  if "$dir/tests/fuzz/$name" "${common[@]}" -runs=0 "$corpus" >"$dir/$name.log" 2>&1 &&
     "$dir/tests/fuzz/$name" "${common[@]}" -print_final_stats=1 "$@" "$dir/corpus/$name" "$corpus" \
       >>"$dir/$name.log" 2>&1; then
    echo "$name: $(summarize_fuzzer "$dir/$name.log")"
  else
    tail -n 40 "$dir/$name.log"
    echo "$name: ZNALEZIONO BŁĄD (build/fuzz/findings/, build/fuzz/$name.log)"
    return 1
  fi
}

# summarize_fuzzer LOG: executions, coverage and seconds of the last run.
summarize_fuzzer() {
  local runs cov ft secs
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$1" | tail -n 1 | grep -o '[0-9]*$')
  cov=$(grep -o 'cov: [0-9]*' "$1" | tail -n 1 | grep -o '[0-9]*$')
  ft=$(grep -o 'ft: [0-9]*' "$1" | tail -n 1 | grep -o '[0-9]*$')
  secs=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$1" | tail -n 1 | grep -o 'in [0-9]*' | grep -o '[0-9]*')
  echo "${runs:-?} wykonań, pokrycie ${cov:-?} krawędzi, ${ft:-?} cech, ${secs:-?} s"
}

# run_fuzzers ROOT PARALLEL NAMES... -- OPTIONS...: PARALLEL harnesses at a time.
run_fuzzers() {
  local root=$1 parallel=$2; shift 2
  local names=() failed=0
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do names+=("$1"); shift; done
  [ "${1:-}" = "--" ] && shift
  local pids=() name
  for name in "${names[@]}"; do
    run_fuzzer "$root" "$name" "$@" &
    pids+=($!)
    if [ ${#pids[@]} -ge "$parallel" ]; then
      wait "${pids[0]}" || failed=1
      pids=("${pids[@]:1}")
    fi
  done
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  return $failed
}
