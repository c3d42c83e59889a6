#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   1. the normal build (gcc, Release, warnings as errors): unit, gui and integration tests,
#      and the benchmarks once;
#   2. the sanitizer build (clang, AddressSanitizer + UndefinedBehaviorSanitizer): the same
#      tests, and each fuzzer for a short while.
# Each test run ends with the list of tests that skipped and why. On a machine that has all
# the tests need (root, the packages of scripts/setup.sh, Xvfb) a skipped test fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

bash scripts/setup.sh

JOBS=$(nproc)
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/vx-ccache}"
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-5G}"
# Fresh clones in other folders share the cache.
export CCACHE_BASEDIR="$ROOT"
export CCACHE_NOHASHDIR=1
FUZZ_SECONDS="${FUZZ_SECONDS:-30}"

STRICT=""
if [ "$(id -u)" -eq 0 ] && bash scripts/setup.sh --check >/dev/null && command -v xvfb-run >/dev/null; then
  STRICT="--strict"
fi

# Integration tests that need an X display get one from Xvfb.
run_with_display() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1920x1080x24" "$@"; fi
}

# run_tests BUILD_DIR CTEST_ARGS...: the tests, then the skipped ones with their reasons.
run_tests() {
  local build=$1
  shift
  rm -rf "$build/test-results"
  mkdir -p "$build/test-results"
  local rc=0
  (cd "$build" && GTEST_OUTPUT="xml:$ROOT/$build/test-results/" run_with_display \
    ctest --output-on-failure -j "$JOBS" --output-junit "$ROOT/$build/test-results/ctest.xml" "$@") || rc=$?
  python3 scripts/report-skips.py $STRICT "$build/test-results/ctest.xml" "$build/test-results" || rc=1
  return $rc
}

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVX_WERROR=ON >/dev/null
cmake --build build -j "$JOBS"

echo "== tests (unit, gui, integration)"
# The long test (the whole sample flight, about 18 minutes) runs only with VX_LONG_TESTS=1.
run_tests build -LE long
if [ "${VX_LONG_TESTS:-0}" = 1 ]; then
  echo "== long tests (the sample flight)"
  (cd build && VX_LONG_TESTS=1 ctest --output-on-failure -L long)
fi

echo "== benchmarks (one short run each)"
for b in build/bench/*_bench; do
  [ -x "$b" ] || continue
  "$b" --benchmark_min_time=0.05 --benchmark_format=console || exit 1
done

echo "== sanitizer build"
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVX_SANITIZE=ON -DVX_FUZZ=ON -DVX_BENCH=OFF -DVX_WERROR=ON >/dev/null
cmake --build build-asan -j "$JOBS"

echo "== sanitizer tests (unit, gui, integration)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp"
run_tests build-asan -LE long

echo "== fuzzers (${FUZZ_SECONDS}s each)"
for f in build-asan/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus="build-asan/fuzz-corpus/$name"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/${name#fuzz_}"
  [ -d "$seeds" ] || seeds=""
  echo "-- $name"
  "$f" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 "$corpus" $seeds 2>&1 | tail -n 1
done

echo "== all tests passed"
