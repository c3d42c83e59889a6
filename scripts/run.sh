#!/usr/bin/env bash
# Sets up the machine, builds, makes the sample installation (sample/) and flies its sample
# flight, Tokyo Haneda to New Chitose gate to gate: fs-standin plays the aircraft, with
# VexlorPro, VexlorEXP and Ocumo on top of it.
#   With a display: the flight is left to the person at the screen (its steps are printed).
#   Without one: the steps run on a virtual display (Xvfb) by themselves (about 18 minutes),
#   the screenshots, timelines, stand-in's log, sound and report go to demo-out/<time>/, and
#   scripts/check-flight.py checks them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
python3 scripts/make-sample.py --build build sample

OUT=demo-out/$(date +%Y%m%d-%H%M%S)
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec bash scripts/flight-demo.sh "$OUT"
fi
echo "run: no display; the sample flight runs on a virtual display by itself (about 18 minutes)"
xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/flight-demo.sh --auto "$OUT"
echo "run: results in $OUT"
python3 scripts/check-flight.py "$OUT"
