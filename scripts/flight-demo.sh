#!/usr/bin/env bash
# The sample flight, gate to gate: fs-standin plays Tokyo Haneda (RJTT) to New Chitose (RJCC)
# in stages (sample/flight/*.txt), with VexlorPro, VexlorEXP and Ocumo from the
# installation's ExePro folder.
#
#   scripts/flight-demo.sh OUT             for the person at the screen ($DISPLAY)
#   scripts/flight-demo.sh --auto OUT      takes the person's steps itself through XTEST
#                                          (meant for a virtual display: scripts/run.sh)
#
# The steps: the captain's name, the viewpoint program, Start, the briefing sheet signed,
# then at the gate G0 boarding, G1 take-off briefing, G2 pushback (VexlorEXP pushes back on
# the stand-in); taxi-out with G3, G9 and G4; the take-off; climb and cruise with the
# in-flight groups A1, A3, A2, A5, A6, A9; the descent and ILS approach with A4, A7, A8; the
# landing (VexlorEXP's landing signal brings G5), the taxi to the gate, the arrival gate
# (B B) and G6, the end of the flight; then VexlorPro's main window is closed.
# OUT receives the stand-in's log (fs-standin.log), the played timelines (timeline.jsonl,
# exp-timeline.jsonl) and the departure board's log (board.log); with --auto also the
# screenshots, the sound of both programs mixed (played.wav), one readable timeline of
# both programs and the demo's own steps (timeline.txt), EyeRet.cfg as Ocumo left it, the
# saved settings (VexlorPro.cfg) and the flight's report files (FlightReport/).
# Expects a build in build/ and the installation in sample/ (scripts/run.sh makes both).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

AUTO=0
if [ "${1:-}" = "--auto" ]; then AUTO=1; shift; fi
OUT=$(mkdir -p "${1:?usage: flight-demo.sh [--auto] OUT}" && cd "$1" && pwd)
# The installation and the build (VX_SAMPLE and VX_BUILD name others, as the long test does).
BASE=${VX_SAMPLE:-$ROOT/sample}
STANDIN=${VX_BUILD:-$ROOT/build}/bin/fs-standin
CAPTAIN=${CAPTAIN:-Yamada}

# Where the stand-in registers and VexlorPro finds it; a folder of its own for a run on a
# virtual display, so that it meets no other simulator.
if [ "$AUTO" = 1 ]; then
  export XDG_RUNTIME_DIR
  XDG_RUNTIME_DIR=$(mktemp -d /tmp/vx-demo.XXXXXX)
  # and channels of its own, which the programs VexlorPro starts inherit
  export VX_CHANNEL_PREFIX="demo-$$-"
fi

STANDIN_PID=""
PRO_PID=""
SIM_WINDOW_PID=""
WATCH_PID=""
FAILED=0

# Ends what this run started. The programs end by their own paths (VexlorPro by its main
# window, VexlorEXP with vexlorEXP.cfg, Ocumo on Esc); only after a failure are the
# leftovers of the installation (the call-out program, Ocumo, the board) ended, each by its
# process id.
cleanup() {
  [ -n "$SIM_WINDOW_PID" ] && kill "$SIM_WINDOW_PID" 2>/dev/null || true
  [ -n "$WATCH_PID" ] && kill "$WATCH_PID" 2>/dev/null || true
  if [ "$FAILED" = 1 ] || [ "$AUTO" = 0 ]; then
    [ -n "$PRO_PID" ] && kill "$PRO_PID" 2>/dev/null || true
    for exe in /proc/[0-9]*/exe; do
      target=$(readlink "$exe" 2>/dev/null) || continue
      case "$target" in
        "$BASE"/ExePro/* | "$BASE"/vovu030/*) pid=${exe#/proc/}; kill "${pid%/exe}" 2>/dev/null || true ;;
      esac
    done
  fi
  if [ -n "$STANDIN_PID" ]; then
    "$STANDIN" ctl stop >/dev/null 2>&1 || kill "$STANDIN_PID" 2>/dev/null || true
    wait "$STANDIN_PID" 2>/dev/null || true
  fi
  if [ "$AUTO" = 1 ]; then rm -rf "$XDG_RUNTIME_DIR"; fi
}
trap cleanup EXIT

# Each run flies a fresh flight: the resume point an earlier run's pushback saved is dropped.
rm -f "$BASE/FlightRestart.cfg" "$BASE/FlightRestart内容.cfg"
for stage in parked-at-gate taxi-out takeoff cruise approach landing; do
  [ -f "$BASE/flight/$stage.txt" ] || { echo "flight-demo: $BASE/flight/$stage.txt is missing (scripts/make-sample.py)" >&2; exit 1; }
done

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
  S="$STANDIN ctl"
  F=$BASE/flight
  cat <<EOF
VexlorPro is running on the sample installation ($BASE); the aircraft stands at a gate at
Tokyo Haneda (RJTT), bound for New Chitose (RJCC). The flight, step by step (keys typed
anywhere on the desktop, or from the stand-in: $STANDIN ctl key C A 0):
 1. The captain's name, START. In the main window, 視点設定 starts Ocumo: Tab picks the next
    view, the keypad keys move the eye; Esc ends it. Then Start.
 2. Sign the briefing sheet ("Takeoff Briefing": Captain Signature, Yes, OK).
 3. C A 0 boarding guidance; C A 1 take-off briefing; C A 2 pushback: VexlorEXP pushes the
    aircraft back on the stand-in and the welcome follows.
 4. After the pushback:  $S script $F/taxi-out.txt; $S scale 2
    C A 3 taxi and safety announcement, C A 9 holding for departure, C A 4 take-off.
 5. Lined up:            $S script $F/takeoff.txt; $S scale 1   (VexlorEXP calls V1, rotate, V2, flaps)
 6. Climbing out:        $S script $F/cruise.txt; $S scale 25
    C A 1 belt sign off, C A 3 service, C A 2 captain's greeting, C A 5 one hour to go,
    C A 6 service end, C A 9 turbulence.
 7. Near New Chitose:    $S script $F/approach.txt; $S scale 4
    C A 4 landing briefing, C A 7 approach, C A 8 final landing configuration.
 8. On the glideslope:   $S script $F/landing.txt; $S scale 1
    VexlorEXP calls the heights, spoilers and 60 kt; its landing signal brings G5.
 9. At the gate: B B and the arrival gate number; C A 6 ends the flight (report in
    $BASE/FlightReport/). Close VexlorPro's main window to end; the stand-in stops with it.
  stand-in log:      $OUT/fs-standin.log
  played timeline:   $OUT/timeline.jsonl
  departure board:   $OUT/board.log
EOF
  wait "$PRO_PID" || true
  PRO_PID=""
  exit 0
fi

# --- the same steps, taken through XTEST ---
# A command that fails unexpectedly ends the run with its line named.
trap 'echo "flight-demo: line $LINENO failed: $BASH_COMMAND" >&2; shot 99-failed 2>/dev/null; FAILED=1' ERR
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$OUT/played.raw
LOG=$OUT/fs-standin.log
STEPS=$OUT/steps.jsonl
: >"$STEPS"
RUN_START=$(date +%s)

# A line of the demo's own in the merged timeline.
note() {
  printf '{"clock":"%s","who":"demo","kind":"step","text":"%s"}\n' "$(date +%H:%M:%S.%3N)" "$1" >>"$STEPS"
  echo "flight-demo: $1"
}
shot() { import -window root "$OUT/$1.png"; }
fail() {
  echo "flight-demo: $1" >&2
  note "FAILED: $1"
  shot 99-failed || true
  FAILED=1
  exit 1
}
# Waits until FILE holds a line matching the pattern (grep -E); false after $3 s.
await_in() {
  local file=$1 pattern=$2 seconds=$3
  for _ in $(seq $((seconds * 10))); do
    grep -qE "$pattern" "$file" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}
await() { await_in "$VX_TIMELINE" "$1" "$2"; }
await_exp() { await_in "$VX_EXP_TIMELINE" "$1" "$2"; }
await_log() { await_in "$LOG" "$1" "$2"; }
# Waits until the group that wrote the caption $1 has emptied the caption box again (at
# most $2 s).
awaitGroupEnd() {
  local started
  started=$(grep -n "\"text\":\"$1\"" "$VX_TIMELINE" | tail -n 1 | cut -d: -f1)
  [ -n "$started" ] || return 1
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
# Clicks at ($2, $3) in the visible window whose title matches $1, found afresh each time (a
# program may replace its window between two steps); again if the window went meanwhile.
click_at() {
  local title=$1 x=$2 y=$3 id
  for _ in 1 2 3 4 5; do
    id=$(window "$title" "${4:-10}") || return 1
    xdotool windowraise "$id" 2>/dev/null || true
    xdotool mousemove --window "$id" "$x" "$y" click 1 2>/dev/null && return 0
    sleep 0.2
  done
  return 1
}
# Loads the next stage of the flight into the stand-in at a time scale.
stage() {
  "$STANDIN" ctl script "$BASE/flight/$1.txt" >/dev/null || fail "the stand-in did not take $1.txt"
  "$STANDIN" ctl scale "$2" >/dev/null || fail "the stand-in did not take the scale $2"
  note "stage $1 at scale $2"
}
await_stage_end() {
  await_log "\"kind\":\"script-end\",\"name\":\"[^\"]*/$1\.txt\"" "$2" || fail "the stage $1 did not play out"
}
# Typed keys (on the simulator's window), and the group's run until it empties its caption
# box; false when the caption did not come within $3 s or the group did not end within $4 s.
run_group() {
  local keys=$1 caption=$2 wait_caption=$3 seconds=$4 started
  # A request that comes while the last group's tick is still ending is dropped with it.
  sleep 1
  for attempt in 1 2; do
    xdotool windowfocus --sync "$SIM" 2>/dev/null || true
    xdotool type --delay 150 "$keys"
    await "\"text\":\"$caption\"" "$wait_caption" && break
    [ "$attempt" = 2 ] && return 2
  done
  started=$(grep -n "\"text\":\"$caption\"" "$VX_TIMELINE" | tail -n 1 | cut -d: -f1)
  for _ in $(seq $((seconds * 10))); do
    tail -n +"$started" "$VX_TIMELINE" | grep -q '"kind":"caption","text":""' && return 0
    sleep 0.1
  done
  return 1
}
group() {
  local rc=0
  note "keys ${1} for ${2}"
  run_group "$@" || rc=$?
  [ "$rc" = 2 ] && fail "the group ${2} did not start (keys ${1})"
  [ "$rc" = 1 ] && fail "the group ${2} did not end"
  return 0
}
# An in-flight group that asks first: its keys, then its prompt answered with OK, clicked at
# the button's place in the window ((x, y) from the form's layout, 15 twips a pixel), then the
# group's caption and its end.
prompt_group() {
  local keys=$1 caption=$2 title=$3 x=$4 y=$5 win
  note "keys ${keys} for ${caption}, answering the prompt ${title}"
  sleep 1
  xdotool windowfocus --sync "$SIM" 2>/dev/null || true
  xdotool type --delay 150 "$keys"
  window "^$title\$" 10 >/dev/null || fail "the prompt ${title} did not come (keys ${keys})"
  sleep 1
  shot "prompt-$keys"
  click_at "^$title\$" "$x" "$y" || fail "the prompt ${title} went before its OK"
  await "\"text\":\"$caption\"" 10 || fail "the group ${caption} did not start after the prompt ${title}"
  note "answered the prompt $title"
  awaitGroupEnd "$caption" 120 || fail "the group ${caption} did not end"
}

# The process id of an installation's program, by its executable.
pid_of() {
  local exe target
  for exe in /proc/[0-9]*/exe; do
    target=$(readlink "$exe" 2>/dev/null) || continue
    [ "$target" = "$1" ] && { exe=${exe#/proc/}; echo "${exe%/exe}"; return 0; }
  done
  return 1
}
# CPU seconds (user and system) a process has used so far.
cpu_of() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo 0; return; }
  stat=${stat##*) }
  # Fields 14 and 15 of the whole line: the 12th and 13th after the name.
  set -- $stat
  echo "scale=3; (${12} + ${13}) / $(getconf CLK_TCK)" | bc
}
# Notes the CPU share of one core that each named process took since the last call.
declare -A CPU_AT
cpu_mark() {
  local name pid now
  for name in "$@"; do
    pid=${name#*=}; name=${name%%=*}
    CPU_AT[$name]="$(cpu_of "$pid") $(date +%s.%N)"
  done
}
cpu_note() {
  local label=$1 name pid used since line=""
  shift
  for name in "$@"; do
    pid=${name#*=}; name=${name%%=*}
    read -r used since <<<"${CPU_AT[$name]}"
    line="$line $name $(echo "scale=1; 100 * ($(cpu_of "$pid") - $used) / ($(date +%s.%N) - $since)" | bc)%"
  done
  note "CPU $label:$line"
}

# The hand-over file of the landing: VexlorEXP writes it, VexlorPro takes and deletes it.
(
  seen=0
  while :; do
    if [ -f "$BASE/vexlorLND.cfg" ] && [ "$seen" = 0 ]; then
      seen=1; note "vexlorLND.cfg written"
    elif [ ! -f "$BASE/vexlorLND.cfg" ] && [ "$seen" = 1 ]; then
      seen=2; note "vexlorLND.cfg gone"
    fi
    sleep 0.05
  done
) &
WATCH_PID=$!

# A program that crashes leaves its core in OUT.
ulimit -c unlimited 2>/dev/null || true
(cd "$OUT" && exec "$BASE/ExePro/VexlorPro") &
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
[ -n "$MAIN" ] || fail "the main window did not open"
note "main window"

# Another program has the focus, as the simulator would; the keys are typed there.
xmessage -geometry 420x120+760+560 -title "Simulator" "The simulator's window has the focus." &
SIM_WINDOW_PID=$!
SIM=$(window '^Simulator$')

# Ocumo from the main window's viewpoint button: Tab to the next view, the keypad keys move
# the eye, Esc ends it and it hands its values back in EyeRet.cfg.
sleep 0.5
shot 02-main-window
click_at '^VEXLOR-PRO' 76 300 || fail "the main window went"
window '^Ocumo' 20 >/dev/null || fail "Ocumo did not open"
note "Ocumo"
OCUMO_PID=$(pid_of "$BASE/ExePro/Ocumo") || OCUMO_PID=0
cpu_mark "Ocumo=$OCUMO_PID"
sleep 1
xdotool windowfocus --sync "$SIM" 2>/dev/null || true
log_first=$(wc -l <"$LOG")
for key in Tab KP_8 KP_8 KP_6 KP_9 KP_2; do
  xdotool key --delay 200 "$key"
  sleep 0.6
done
sleep 0.5
note "Ocumo log lines $log_first-$(wc -l <"$LOG")"
shot 03-ocumo
cpu_note "while Ocumo is up" "Ocumo=$OCUMO_PID"
# Ocumo's door window from its button: the two rows' keys with their signs; OK closes it.
click_at '^Ocumo' 200 164 || fail "Ocumo's window went"
window '^扉の開閉キー設定$' 10 >/dev/null || fail "Ocumo's door window did not open"
sleep 0.5
shot 03-door-window
note "Ocumo's door window"
click_at '^扉の開閉キー設定$' 448 462 || fail "Ocumo's door window went"
sleep 0.5
xdotool windowfocus --sync "$SIM" 2>/dev/null || true
xdotool key Escape
for _ in $(seq 100); do [ -f "$BASE/EyeRet.cfg" ] && break; sleep 0.1; done
[ -f "$BASE/EyeRet.cfg" ] || fail "Ocumo did not hand back EyeRet.cfg"
sleep 0.5
cp -p "$BASE/EyeRet.cfg" "$OUT/EyeRet.cfg"
note "Ocumo ended, EyeRet.cfg written"

# frmMain: Start.
sleep 0.5
xdotool windowmap "$MAIN" 2>/dev/null || true
click_at '^VEXLOR-PRO' 212 300 || fail "the main window did not show again"

# The flight window has loaded its sounds: its keys are live once the take-off briefing
# sheet, which takes typed input, is signed.
await '"kind":"load".*-ss1\.wav' 30 || fail "the flight window did not open"
# With no window manager every window opens at the top left: the call-out program's window
# is moved aside, so that the flight window shows.
EXP=$(window '^VexlorEXP$') && xdotool windowmove "$EXP" 640 560
window '^Takeoff Briefing$' >/dev/null || fail "the take-off briefing sheet did not open"
sleep 0.5
# The sheet filled: the take-off runway 34R (its first and second digit; the side stays
# "ライト(R)").
for pick in "108 146 3" "152 146 4"; do
  set -- $pick
  click_at '^Takeoff Briefing$' "$1" "$2" || fail "the take-off briefing sheet went"
  sleep 0.4
  xdotool key "$3"
  sleep 0.2
  xdotool key Return
  sleep 0.3
done
shot 04-flight-window
# The captain signs the sheet: Captain Signature, Yes to "ＴＯＢ確定", OK to "時刻設定".
for _ in 1 2 3; do
  click_at '^Takeoff Briefing$' 746 574 || fail "the take-off briefing sheet went"
  for title in 'ＴＯＢ確定' '時刻設定'; do
    BOX=$(window "^$title\$" 5 2>/dev/null) || break
    xdotool windowfocus "$BOX"
    sleep 0.15
    xdotool key Return
    sleep 0.3
  done
  sleep 0.5
  xdotool search --onlyvisible --name '^Takeoff Briefing$' >/dev/null 2>&1 || break
done
sleep 0.5
note "briefing sheet signed"

# At the gate: boarding (C A 0), take-off briefing (C A 1), pushback (C A 2): VexlorEXP
# pushes back on the stand-in (0x31F4) while vexlorPB.cfg exists and deletes it at the end.
group ca0 'Ｇ０：空港案内' 8 150
shot 05-boarding-done
group ca1 'Ｇ１：ＴＯＢ１１' 8 400
group ca2 'Ｇ２：プッシュバック' 8 400
shot 06-pushback-done

# Taxi-out: the taxi and safety announcement (C A 3), holding for departure (C A 9), the
# take-off announcement (C A 4) while the aircraft taxies to 34R.
stage taxi-out 2
group ca3 'Ｇ３：Ｔａｘｉ' 8 300
group ca9 'Ｇ９：離陸待ち' 8 120
await_stage_end taxi-out 240
group ca4 'Ｇ４：離陸' 8 120

# The take-off at the real pace: VexlorEXP's take-off call, V1, rotate, V2, the flaps.
stage takeoff 1
await_exp '"kind":"play".*FO\\\\to_5\.wav' 120 && sleep 1 && shot 07-takeoff || note "no V2 call seen"
await_stage_end takeoff 200

# Climb and cruise, faster than real time, with the in-flight groups.
stage cruise 25
EXP_PID=$(pid_of "$BASE/ExePro/VexlorEXP") || EXP_PID=0
CRUISE_PIDS=("VexlorPro=$PRO_PID" "VexlorEXP=$EXP_PID" "fs-standin=$STANDIN_PID")
cpu_mark "${CRUISE_PIDS[@]}"
group ca1 'Ａ１：ベルトＯＦＦ' 8 120
group ca3 'Ａ３：サービス開始' 8 120
prompt_group ca2 'Ａ２：機長挨拶１' 'Captain Anounce' 256 248
group ca5 'Ａ５：１時間前放送１' 8 120
shot 08-cruise
group ca6 'Ａ６：サービス終了' 8 120
group ca9 'Ａ９：気流注意' 8 120
await_stage_end cruise 200
cpu_note "during the cruise" "${CRUISE_PIDS[@]}"

# Descent and the ILS approach to 18R.
stage approach 4
prompt_group ca4 'Ａ４：ＬＤＢ－１' 'Landing Briefing' 304 440
group ca7 'Ａ７：アプローチ' 8 120
group ca8 'Ａ８：最終着陸態勢' 8 120
await_exp '"kind":"play".*CP_ILS_GL\.wav' 200 && shot 09-approach || note "no glideslope call seen"
await_stage_end approach 240

# The landing at the real pace: the height calls, spoilers, reverse and 60 kt; VexlorEXP's
# landing signal (vexlorLND.cfg) brings the arrival announcement G5.
stage landing 1
await_exp '"kind":"play".*FO\\\\ld_4\.wav' 200 || fail "no 60 kt call"
shot 10-landing
"$STANDIN" ctl scale 4 >/dev/null
note "taxi-in at scale 4"
if await 'Ｇ５：到着放送１' 60; then
  note "G5 came with the landing signal"
  awaitGroupEnd 'Ｇ５：到着放送１' 120 || fail "G5 did not end"
else
  group ca5 'Ｇ５：到着放送１' 8 120
fi
await_stage_end landing 200

# At the gate: the arrival gate (B B, frmArvGate), then the end of the flight (C A 6).
note "keys bb for the arrival gate"
xdotool windowfocus --sync "$SIM" 2>/dev/null || true
xdotool type --delay 150 "bb"
GATE=$(window '^到着ゲート設定$' 10) || fail "the arrival gate prompt did not open"
xdotool windowfocus "$GATE"
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 80 "8"
click_at '^到着ゲート設定$' 320 95 || fail "the arrival gate prompt went"
sleep 1
xdotool search --onlyvisible --name '^到着ゲート設定$' >/dev/null 2>&1 && fail "the arrival gate prompt stayed open"
note "arrival gate 8"
group ca6 'Ｇ６：最終放送１' 8 300
sleep 2
shot 11-report
mkdir -p "$OUT/FlightReport"
cp -p "$BASE"/FlightReport/* "$OUT/FlightReport/" 2>/dev/null || true

# VexlorPro ends by its main window (Exit; the settings are saved); VexlorEXP ends when
# VexlorPro deletes vexlorEXP.cfg.
xdotool windowmap "$MAIN" 2>/dev/null || true
sleep 0.5
click_at '^VEXLOR-PRO' 340 300 || fail "the main window did not show again"
BOX=$(window '^設定値の保存$' 10) || fail "the main window did not close"
xdotool windowfocus "$BOX"
sleep 0.2
shot 12-closing
xdotool key Return
for _ in $(seq 300); do kill -0 "$PRO_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PRO_PID" 2>/dev/null && fail "VexlorPro did not end"
wait "$PRO_PID" 2>/dev/null || true
PRO_PID=""
# The installation's programs still running, by their executables.
running() {
  local exe target names=""
  for exe in /proc/[0-9]*/exe; do
    target=$(readlink "$exe" 2>/dev/null) || continue
    case "$target" in "$BASE"/ExePro/*) names="$names ${target##*/}" ;; esac
  done
  echo "$names"
}
for _ in $(seq 150); do [ -z "$(running)" ] && break; sleep 0.1; done
[ -z "$(running)" ] || fail "still running:$(running)"
note "programs ended: VexlorPro VexlorEXP Ocumo"
cp -p "$BASE/VexlorPro.cfg" "$OUT/VexlorPro.cfg"
echo "$(( $(date +%s) - RUN_START ))" >"$OUT/run-seconds"

# The sound of both programs, each from its own disk file, laid on one clock.
python3 "$ROOT/scripts/flight-outputs.py" "$OUT"
echo "flight-demo: screenshots, timelines, stand-in log, sound and report in $OUT"
