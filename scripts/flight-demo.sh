#!/usr/bin/env bash
# The first flight on the sample installation: fs-standin with the aircraft parked at a gate
# of the departure airport, and VexlorPro started from the installation's ExePro folder.
#
#   scripts/flight-demo.sh OUT             for the person at the screen ($DISPLAY)
#   scripts/flight-demo.sh --auto OUT      takes the person's steps itself through XTEST
#                                          (meant for a virtual display: scripts/run.sh)
#
# After the boarding guidance the take-off briefing (C A 1), the pushback (C A 2), the
# arrival announcement (C A 5) and the end of the flight (C A 6) follow.
# OUT receives the stand-in's log (fs-standin.log), the played timeline (timeline.jsonl)
# and the departure board's log (board.log); with --auto also the screenshots, the sound as
# it was played (played.wav), a readable summary of the timeline (timeline.txt) and the
# flight's report files (FlightReport/).
# Expects a build in build/ and the installation in sample/ (scripts/run.sh makes both).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

AUTO=0
if [ "${1:-}" = "--auto" ]; then AUTO=1; shift; fi
OUT=$(mkdir -p "${1:?usage: flight-demo.sh [--auto] OUT}" && cd "$1" && pwd)
BASE=$ROOT/sample
STANDIN=$ROOT/build/bin/fs-standin
CAPTAIN=${CAPTAIN:-Yamada}

# Where the stand-in registers and VexlorPro finds it; a folder of its own for a run on a
# virtual display, so that it meets no other simulator.
if [ "$AUTO" = 1 ]; then
  export XDG_RUNTIME_DIR
  XDG_RUNTIME_DIR=$(mktemp -d /tmp/vx-demo.XXXXXX)
fi

STANDIN_PID=""
PRO_PID=""
SIM_WINDOW_PID=""
PUSHBACK_PID=""

# Ends the programs this run started, each by its process id: the stand-in, VexlorPro,
# and whatever VexlorPro started from the installation (the call-out program, the board).
cleanup() {
  [ -n "$PRO_PID" ] && kill "$PRO_PID" 2>/dev/null || true
  [ -n "$SIM_WINDOW_PID" ] && kill "$SIM_WINDOW_PID" 2>/dev/null || true
  [ -n "$PUSHBACK_PID" ] && kill "$PUSHBACK_PID" 2>/dev/null || true
  for exe in /proc/[0-9]*/exe; do
    target=$(readlink "$exe" 2>/dev/null) || continue
    case "$target" in
      "$BASE"/ExePro/* | "$BASE"/vovu030/*) pid=${exe#/proc/}; kill "${pid%/exe}" 2>/dev/null || true ;;
    esac
  done
  if [ -n "$STANDIN_PID" ]; then
    "$STANDIN" ctl stop >/dev/null 2>&1 || kill "$STANDIN_PID" 2>/dev/null || true
    wait "$STANDIN_PID" 2>/dev/null || true
  fi
  if [ "$AUTO" = 1 ]; then rm -rf "$XDG_RUNTIME_DIR"; fi
}
trap cleanup EXIT

# Each run flies a fresh flight: the resume point an earlier run's pushback saved is dropped.
rm -f "$BASE/FlightRestart.cfg" "$BASE/FlightRestart内容.cfg"

# The simulator's clock: today, 25 minutes before the sample flight's departure (10:30).
"$STANDIN" --start "$(date +%F) 10:05:00" --script "$BASE/flight/parked-at-gate.txt" \
  --log "$OUT/fs-standin.log" >/dev/null &
STANDIN_PID=$!
for _ in $(seq 100); do
  "$STANDIN" ctl get 0x0238 1 >/dev/null 2>&1 && break
  sleep 0.1
done
"$STANDIN" ctl get 0x0238 1 >/dev/null || { echo "flight-demo: fs-standin did not start" >&2; exit 1; }

export VX_TIMELINE=$OUT/timeline.jsonl VX_EXP_TIMELINE=$OUT/exp-timeline.jsonl VOVU_STANDIN_LOG=$OUT/board.log
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_SCALE_FACTOR=1

if [ "$AUTO" = 0 ]; then
  "$BASE/ExePro/VexlorPro" &
  PRO_PID=$!
  cat <<EOF
VexlorPro is running on the sample installation ($BASE); the aircraft stands at a gate at
Tokyo Haneda. Type the captain's name and press START, then press Start in the main window.
Sign the briefing sheet ("Takeoff Briefing": Captain Signature, Yes, OK); then type C A 0
anywhere on the desktop: the boarding guidance plays. After it, C A 1: the take-off
briefing, read from its card; then C A 2: the pushback with the engine start and the
welcome (the call-out program does not push back yet: delete sample/vexlorPB.cfg to end
the pushback). C A 5 plays the arrival announcement and C A 6 ends the flight: the
lobby's arrival guidance, the final announcements and the flight report (written into
$BASE/FlightReport/).
The same keys can come from the simulator stand-in:  $STANDIN ctl key C A 0
Close VexlorPro's main window to end; the stand-in stops with it.
  stand-in log:      $OUT/fs-standin.log
  played timeline:   $OUT/timeline.jsonl
  departure board:   $OUT/board.log
EOF
  wait "$PRO_PID" || true
  PRO_PID=""
  exit 0
fi

# --- the same steps, taken through XTEST ---
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$OUT/played.raw

shot() { import -window root "$OUT/$1.png"; }
# Waits until the timeline holds a line matching the pattern (grep -E); false after $2 s.
await() {
  local pattern=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do
    grep -qE "$pattern" "$VX_TIMELINE" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}
# Waits until the group that wrote the caption $1 has emptied the caption box again (at
# most $2 s).
awaitGroupEnd() {
  local started
  started=$(grep -n "\"text\":\"$1\"" "$VX_TIMELINE" | tail -n 1 | cut -d: -f1)
  for _ in $(seq $(($2 * 10))); do
    tail -n +"$started" "$VX_TIMELINE" | grep -q '"kind":"caption","text":""' && return 0
    sleep 0.1
  done
  return 1
}
# The id of the visible window whose title matches (waiting up to $2 s, 30 by default);
# windows come and go meanwhile.
window() {
  local id
  for _ in $(seq $((${2:-30} * 5))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  echo "flight-demo: no window '$1'" >&2
  return 1
}

"$BASE/ExePro/VexlorPro" &
PRO_PID=$!

# frmPass: the captain's name into its box, then Enter (its START); again while the
# window was not yet taking input.
PASS=$(window '^VexlorPro$')
MAIN=""
for _ in 1 2 3; do
  sleep 0.3
  xdotool windowfocus "$PASS"
  xdotool mousemove --window "$PASS" 184 32 click 1
  xdotool key ctrl+a
  xdotool type --delay 40 "$CAPTAIN"
  shot 01-captain-name
  xdotool key Return
  MAIN=$(window '^VEXLOR-PRO' 10 2>/dev/null) && break
done
[ -n "$MAIN" ] || { echo "flight-demo: the main window did not open" >&2; shot 99-failed; exit 1; }

# frmMain: Start.
sleep 0.5
shot 02-main-window
xdotool mousemove --window "$MAIN" 212 300 click 1

# The flight window has loaded its sounds: its keys are live once the take-off briefing
# sheet, which takes typed input, is signed.
await '"kind":"load".*-ss1\.wav' 30 || { echo "flight-demo: the flight window did not open" >&2; shot 99-failed; exit 1; }
# With no window manager every window opens at the top left: the call-out program's window
# is moved aside, so that the flight window shows.
EXP=$(window '^VexlorEXP$') && xdotool windowmove "$EXP" 640 560
TOB=$(window '^Takeoff Briefing$')
sleep 0.5
shot 03-flight-window
# The captain signs the sheet: Captain Signature, Yes to "ＴＯＢ確定", OK to "時刻設定".
for _ in 1 2 3; do
  xdotool windowraise "$TOB"
  xdotool mousemove --window "$TOB" 746 574 click 1
  for title in 'ＴＯＢ確定' '時刻設定'; do
    BOX=$(window "^$title\$" 5 2>/dev/null) || break
    xdotool windowfocus "$BOX"
    sleep 0.15
    xdotool key Return
    sleep 0.3
  done
  sleep 0.5
  xdotool search --onlyvisible --name '^Takeoff Briefing$' >/dev/null 2>&1 || break
  TOB=$(window '^Takeoff Briefing$' 2)
done
sleep 0.5

# Another program has the focus, as the simulator would; C, A, 0 typed there.
xmessage -geometry 420x120+760+560 -title "Simulator" "The simulator's window has the focus." &
SIM_WINDOW_PID=$!
SIM=$(window '^Simulator$')
xdotool windowfocus --sync "$SIM"
for attempt in 1 2; do
  xdotool type --delay 150 "ca0"
  await '"text":"Ｇ０：空港案内"' 8 && break
  [ "$attempt" = 2 ] && { echo "flight-demo: the boarding guidance did not start" >&2; shot 99-failed; exit 1; }
done
await '"text":"Ｇ０：出発案内１"' 30 && shot 04-boarding-call
awaitGroupEnd "Ｇ０：空港案内" 90
sleep 0.5
shot 05-after-boarding

# The take-off briefing (C, A, 1): the card shows while the crew read it row by row.
xdotool windowfocus --sync "$SIM"
for attempt in 1 2; do
  xdotool type --delay 150 "ca1"
  await '"text":"Ｇ１：ＴＯＢ１１"' 8 && break
  [ "$attempt" = 2 ] && { echo "flight-demo: the take-off briefing did not start" >&2; shot 99-failed; exit 1; }
done
await '"text":"Ｇ１：ＴＯＢ１－０３"' 60 && shot 06-briefing-card-weather
await '"text":"Ｇ１：ＴＯＢ１－０９"' 180 && shot 07-briefing-card-speeds
await '"text":"Ｇ１：ＴＯＢ１－１３"' 180 && sleep 4 && shot 08-briefing-card-done
awaitGroupEnd "Ｇ１：ＴＯＢ１１" 120
sleep 0.5

# The pushback (C, A, 2). The call-out program does not push back yet: in its place the
# hand-over file vexlorPB.cfg is deleted 20 s after it appears, as the pushback's end.
(
  for _ in $(seq 1200); do
    if [ -f "$BASE/vexlorPB.cfg" ]; then sleep 20; rm -f "$BASE/vexlorPB.cfg"; exit 0; fi
    sleep 0.25
  done
) &
PUSHBACK_PID=$!
xdotool windowfocus --sync "$SIM"
for attempt in 1 2; do
  xdotool type --delay 150 "ca2"
  await '"text":"Ｇ２：プッシュバック"' 8 && break
  [ "$attempt" = 2 ] && { echo "flight-demo: the pushback did not start" >&2; shot 99-failed; exit 1; }
done
await '"text":"Ｇ２：挨拶１"' 120 && shot 09-welcome
awaitGroupEnd "Ｇ２：プッシュバック" 300
kill "$PUSHBACK_PID" 2>/dev/null || true
sleep 0.5
shot 10-after-pushback

# Typed keys, and the group's run until it empties its caption box; false after $3 s.
run_group() {
  local keys=$1 caption=$2 seconds=$3 started
  for attempt in 1 2; do
    xdotool windowfocus --sync "$SIM"
    xdotool type --delay 150 "$keys"
    await "\"text\":\"$caption\"" 8 && break
    [ "$attempt" = 2 ] && return 1
  done
  started=$(grep -n "\"text\":\"$caption\"" "$VX_TIMELINE" | tail -n 1 | cut -d: -f1)
  for _ in $(seq $((seconds * 10))); do
    tail -n +"$started" "$VX_TIMELINE" | grep -q '"kind":"caption","text":""' && return 0
    sleep 0.1
  done
  return 1
}

# At the arrival gate (the flight stays at the stand): the cabin's arrival announcement,
# then the end of the flight: the lobby's arrival guidance and the final announcements;
# the report is shown, the mileage credited and the settings saved.
run_group ca5 'Ｇ５：到着放送１' 60 || { echo "flight-demo: the arrival announcement did not run" >&2; shot 99-failed; exit 1; }
shot 11-after-arrival
run_group ca6 'Ｇ６：最終放送１' 240 || { echo "flight-demo: the final announcements did not run" >&2; shot 99-failed; exit 1; }
sleep 2
shot 12-report
mkdir -p "$OUT/FlightReport"
cp -p "$BASE"/FlightReport/* "$OUT/FlightReport/" 2>/dev/null || true

kill "$PRO_PID" 2>/dev/null || true
wait "$PRO_PID" 2>/dev/null || true
PRO_PID=""
sox -q -t raw -r 44100 -e signed -b 16 -c 2 "$OUT/played.raw" "$OUT/played.wav" 2>/dev/null && rm -f "$OUT/played.raw" "$OUT/played.raw.exp"
python3 - "$VX_TIMELINE" "$OUT/timeline.txt" <<'EOF'
import json, sys
lines = []
for raw in open(sys.argv[1], encoding="utf-8"):
    e = json.loads(raw)
    kind = e["kind"]
    if kind == "caption":
        lines.append(f'{e["t"]:8.3f}  caption  {e["text"] or "(empty)"}')
    elif kind in ("play", "loop", "stop", "end"):
        lines.append(f'{e["t"]:8.3f}  {kind:<7}  {e["file"].replace(chr(92), "/")}')
open(sys.argv[2], "w", encoding="utf-8").write("\n".join(lines) + "\n")
EOF
echo "flight-demo: screenshots, timeline, stand-in log and sound in $OUT"
