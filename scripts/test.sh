#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test, then builds the libFuzzer
# targets with clang and runs each for a bounded, repeatable stretch.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build/test"
jobs=$(nproc)
export CCACHE_BASEDIR="$top" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCMAKE_C_FLAGS_DEBUG="-O1 -g" \
  -DZELK_SANITIZE=ON -DZELK_TESTS=ON -DZELK_BENCH=ON
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
(cd "$build" && ctest -j "$jobs" --output-on-failure --timeout 600 "$@") | tee "$build/ctest.log"

# The libFuzzer targets, built with clang in a build of their own (only the
# fuzz targets and what they link), each run from its seed corpus for a
# bounded time; their corpora already ran as tests above.
fuzz="$top/build/fuzz"
seconds=${ZELK_FUZZ_SECONDS:-20}
# A fixed seed and a bounded number of inputs, so that a run of the suite
# is repeatable: a new finding comes from a longer run by hand
# (ZELK_FUZZ_RUNS=-1 ZELK_FUZZ_SEED=0 for unbounded, random runs).
runs=${ZELK_FUZZ_RUNS:-20000}
seed=${ZELK_FUZZ_SEED:-1}
CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCMAKE_C_FLAGS_DEBUG="-O1 -g" \
  -DZELK_SANITIZE=ON -DZELK_FUZZ=ON -DZELK_TESTS=OFF -DZELK_BENCH=OFF
cmake --build "$fuzz" -j "$jobs" --target zelk_fuzzers
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
# The file readers' targets write and sync a file per input: on a memory
# file system when there is one.
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
run_fuzzer() {
  local name=$1 work="$fuzz/fuzz-runs/$1"
  rm -rf "$work" && mkdir -p "$work/corpus"
  # New inputs go to the scratch corpus, a failing one to the artifacts.
  if "$fuzz/bin/fuzz_$name" -max_total_time="$seconds" -runs="$runs" -seed="$seed" -timeout=30 -rss_limit_mb=2048 \
       -detect_leaks=0 -print_final_stats=1 -artifact_prefix="$work/" \
       "$work/corpus" "$top/fuzz/$name/corpus" >"$work/log" 2>&1; then
    echo "fuzz_$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" | grep -o '[0-9]*$') runs, no fault"
  else
    echo "fuzz_$name FAILED (log and input in $work):"
    tail -n 40 "$work/log"
    return 1
  fi
}
export -f run_fuzzer
export fuzz top seconds runs seed
names=$(cd "$top/fuzz" && for d in */; do if [[ -f "$d/target.cpp" ]]; then echo "${d%/}"; fi; done)
# A fuzzer runs on one core; as many at once as there are cores.
echo "$names" | xargs -P "$jobs" -I{} bash -c 'run_fuzzer {}'

# The test count, last, so that it closes the output.
total=$(grep -o 'tests failed out of [0-9]*' "$build/ctest.log" | grep -o '[0-9]*$')
fuzzers=$(echo "$names" | wc -w)
echo "ctest and fuzzers: $((total + fuzzers)) passed, 0 failed"
