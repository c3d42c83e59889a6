#!/usr/bin/env bash
# Sets up the machine, builds, makes the sample installation (sample/) and flies its first
# flight: fs-standin with the aircraft parked at a gate, VexlorPro on top of it.
#   With a display: VexlorPro is left to the person at the screen.
#   Without one: the steps run on a virtual display (Xvfb) by themselves, and the
#   screenshots, the played timeline, the stand-in's log and the sound go to demo-out/<time>/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
python3 scripts/make-sample.py --build build sample

OUT=demo-out/$(date +%Y%m%d-%H%M%S)
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec bash scripts/flight-demo.sh "$OUT"
fi
echo "run: no display; the first flight runs on a virtual display by itself"
xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/flight-demo.sh --auto "$OUT"
echo "run: results in $OUT"
