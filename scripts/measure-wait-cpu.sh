#!/usr/bin/env bash
# Measures the CPU use of a program waiting in WaitSeconds on the real event pump
# (offscreen window system) for 10 seconds, and fails when it reaches 2% of one core.
#   scripts/measure-wait-cpu.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
SECONDS_TO_WAIT="${2:-10}"
LIMIT_PERCENT=2

if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" --target wait_cpu_probe >/dev/null

line=$(QT_QPA_PLATFORM=offscreen "$BUILD/bench/wait_cpu_probe" "$SECONDS_TO_WAIT" 2>/dev/null | tail -n 1)
echo "WaitSeconds($SECONDS_TO_WAIT): $line"
percent=$(echo "$line" | sed -n 's/.*, \([0-9.]*\)% of one core/\1/p')
if [ -z "$percent" ]; then
  echo "no measurement" >&2
  exit 1
fi
if awk -v p="$percent" -v l="$LIMIT_PERCENT" 'BEGIN { exit !(p < l) }'; then
  echo "under ${LIMIT_PERCENT}% of one core"
else
  echo "${percent}% is not under ${LIMIT_PERCENT}% of one core" >&2
  exit 1
fi
