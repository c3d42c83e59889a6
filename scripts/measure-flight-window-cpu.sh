#!/usr/bin/env bash
# Measures the CPU use of the main program with its flight window open and no
# announcement playing: the real flight window on the real Qt event loop (offscreen),
# its 490 ms heartbeat serving every tick, against a running fs-standin, for 10 seconds.
# Fails when it reaches 2% of one core.
#   scripts/measure-flight-window-cpu.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
SECONDS_TO_RUN="${2:-10}"
LIMIT_PERCENT=2

if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" --target flight_window_cpu_probe fs-standin >/dev/null

line=$(QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" VX_BUILD_DIR="$BUILD" \
  "$BUILD/bench/flight_window_cpu_probe" "$SECONDS_TO_RUN" 2>/dev/null | tail -n 1)
echo "flight window idle ($SECONDS_TO_RUN s): $line"
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
