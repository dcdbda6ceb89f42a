#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
# Process-level measurements of the game, side by side with a bare Qt window,
# on a private X server, and bench/results.md written from them and from the
# micro-benchmarks' JSON output:
#   bench/run_all.sh <release build dir> <micro-benchmark json>
# Figures are medians over POKURIMO_BENCH_RUNS rounds (5 by default; start times
# take three times as many, as they move most with the machine's load); game
# and yardstick alternate so that both see the same load.
set -euo pipefail

src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?release build dir}" && pwd)
micro_json=${2:?micro-benchmark json}
runs=${POKURIMO_BENCH_RUNS:-5}
idle_seconds=10
results=$src/bench/results.md

work=$(mktemp -d "${TMPDIR:-/tmp}/pokurimo-bench.XXXXXX")
xvfb_pid=""
pulse_pid=""
child_pid=""
cleanup() {
  set +e  # a process already gone must not stop the others' cleanup
  [[ -n $child_pid ]] && kill -9 "$child_pid" 2>/dev/null
  [[ -n $pulse_pid ]] && kill "$pulse_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

die() {
  echo "run_all.sh: $*" >&2
  local log
  for log in "$work"/*.log; do
    [[ -s $log ]] && { echo "--- $(basename "$log") ---"; tail -n 20 "$log"; } >&2
  done
  exit 1
}
for tool in Xvfb xdotool jq; do
  command -v "$tool" >/dev/null 2>&1 || die "$tool is missing (make deps installs it)"
done

# --- The private session: X server, sound server, settings -----------------
start_xvfb() {
  # Never reset between the measured starts; wait for the number's newline too.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  local i
  for ((i = 0; i < 100; i++)); do
    grep -q '^[0-9][0-9]*$' "$work/display" && break
    sleep 0.1
  done
  grep -q '^[0-9][0-9]*$' "$work/display" || die "Xvfb did not start: $(head -c 300 "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
}

# A null-sink sound server, so the game's sounds play as on a desktop.
sound_server="none (sounds fail fast)"
start_pulse() {
  command -v pulseaudio >/dev/null 2>&1 || return 0
  pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-null-sink \
    --load="module-native-protocol-unix socket=$work/runtime/pulse.sock" >"$work/pulse.log" 2>&1 &
  pulse_pid=$!
  local i
  for ((i = 0; i < 50; i++)); do
    [[ -S $work/runtime/pulse.sock ]] && { sound_server="PulseAudio with a null sink"; return 0; }
    sleep 0.1
  done
  kill "$pulse_pid" 2>/dev/null || true
  pulse_pid=""
}

mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
echo "autospawn = no" >"$work/pulse-client.conf"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
export PULSE_CLIENTCONFIG=$work/pulse-client.conf PULSE_SERVER=unix:$work/runtime/pulse.sock
start_xvfb
start_pulse

# --- Small measuring tools ---------------------------------------------------
now_ns() { date +%s%N; }

# The first visible window of process $1 sized $2 x $3 that is not $4. Screens
# are told apart by size: an empty title shows as the application's name.
wait_window() {
  local pid=$1 width=$2 height=$3 not=${4:-} deadline wid geometry
  deadline=$(($(now_ns) + 30000000000))
  while (($(now_ns) < deadline)); do
    kill -0 "$pid" 2>/dev/null || die "process $pid ended while its window was awaited"
    for wid in $(xdotool search --all --onlyvisible --pid "$pid" --name '.*' 2>/dev/null); do
      [[ $wid == "$not" ]] && continue
      geometry=$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null) || continue
      [[ $geometry == *"WIDTH=$width"*"HEIGHT=$height"* ]] && { echo "$wid"; return 0; }
    done
  done
  die "no $width x $height window of process $pid within 30 s"
}

cpu_ticks() {  # utime + stime of a process, in clock ticks
  local stat
  stat=$(<"/proc/$1/stat")
  stat=${stat##*) }  # the fields after the command name
  awk '{ print $12 + $13 }' <<<"$stat"
}

# Percent of one core that process $1 uses over the idle window.
idle_cpu_percent() {
  local before after
  before=$(cpu_ticks "$1")
  sleep "$idle_seconds"
  after=$(cpu_ticks "$1")
  awk -v d=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$idle_seconds" 'BEGIN { printf "%.2f\n", 100 * d / hz / s }'
}

peak_rss_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

wait_exit() {
  local pid=$1 i
  for ((i = 0; i < 100; i++)); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; child_pid=""; return 0; }
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  child_pid=""
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# --- The runs ------------------------------------------------------------------
# Spots on the screens, in window pixels (from the layouts).
readonly TITLE_TAKO=(52 116) TITLE_QUIT=(148 168)
readonly TITLE_SIZE=(357 254) PLAY_SIZE=(439 439)
readonly PLAY_NEXT=(207 422) PLAY_START=(62 54) PLAY_TO_TITLE=(372 280) PLAY_ROADSIDE=(10 10)

# The yardstick: start to window shown, then (unless "start-only") its peak memory.
bare_round() {
  local t0 t1 wid
  t0=$(now_ns)
  "$build/bench/bare_window" >>"$work/bare.log" 2>&1 &
  child_pid=$!
  wid=$(wait_window "$child_pid" "${TITLE_SIZE[@]}")  # the bare window has the title's size
  t1=$(now_ns)
  echo $(((t1 - t0) / 1000000)) >>"$work/bare_start_ms"
  if [[ ${1:-} == start-only ]]; then
    kill "$child_pid"
  else
    sleep 1
    peak_rss_kb "$child_pid" >>"$work/bare_rss_kb"
    click "$wid" 52 116  # its one button quits
  fi
  wait_exit "$child_pid"
}

# Start to the title window shown, and nothing else.
start_round() {
  local t0 t1
  t0=$(now_ns)
  "$build/pokurimo" >>"$work/game.log" 2>&1 &
  child_pid=$!
  wait_window "$child_pid" "${TITLE_SIZE[@]}" >/dev/null
  t1=$(now_ns)
  echo $(((t1 - t0) / 1000000)) >>"$work/game_start_ms"
  kill "$child_pid"
  wait_exit "$child_pid"
}

# A scripted game: start, idle on the title, たこレベル, idle while the first
# story line waits, space through the story, Start, a few moves, a miss,
# back to the title, おしまい. Peak memory is read just before おしまい.
game_round() {
  local t0 t1 title play title2 i
  t0=$(now_ns)
  "$build/pokurimo" >>"$work/game.log" 2>&1 &
  child_pid=$!
  title=$(wait_window "$child_pid" "${TITLE_SIZE[@]}")
  t1=$(now_ns)
  echo $(((t1 - t0) / 1000000)) >>"$work/game_start_ms"
  sleep 2
  idle_cpu_percent "$child_pid" >>"$work/title_cpu"

  click "$title" "${TITLE_TAKO[@]}"
  play=$(wait_window "$child_pid" "${PLAY_SIZE[@]}")
  sleep 2
  idle_cpu_percent "$child_pid" >>"$work/story_cpu"
  for i in 1 2 3 4; do
    click "$play" "${PLAY_NEXT[@]}"
    sleep 0.3
  done
  click "$play" "${PLAY_START[@]}"
  sleep 0.5
  for i in 1 2 3 4 5; do
    xdotool mousemove --window "$play" $((66 + i)) 95
    sleep 0.05
  done
  xdotool mousemove --window "$play" "${PLAY_ROADSIDE[@]}"
  sleep 0.5
  click "$play" "${PLAY_NEXT[@]}"
  sleep 0.3
  click "$play" "${PLAY_TO_TITLE[@]}"
  title2=$(wait_window "$child_pid" "${TITLE_SIZE[@]}" "$title")
  sleep 0.5
  peak_rss_kb "$child_pid" >>"$work/game_rss_kb"
  click "$title2" "${TITLE_QUIT[@]}"
  wait_exit "$child_pid"
}

# Stage 2 with the hazards moving while the first story line waits.
stage2_round() {
  "$build/bench/stage2_idle" >>"$work/stage2.log" 2>&1 &
  child_pid=$!
  wait_window "$child_pid" "${PLAY_SIZE[@]}" >/dev/null
  sleep 2
  idle_cpu_percent "$child_pid" >>"$work/stage2_cpu"
  kill "$child_pid"
  wait_exit "$child_pid"
}

miss_round() {
  local line
  line=$(QT_QPA_PLATFORM=offscreen "$build/bench/miss_latency" 2>>"$work/miss.log") || die "miss_latency failed"
  sed -E 's/.*median=([0-9.]+).*/\1/' <<<"$line" >>"$work/miss_median_ms"
  sed -E 's/.*p95=([0-9.]+).*/\1/' <<<"$line" >>"$work/miss_p95_ms"
  sed -E 's/.*max=([0-9.]+).*/\1/' <<<"$line" >>"$work/miss_max_ms"
}

echo "run_all.sh: warming the file cache, then $runs rounds (about $((runs * 50)) s)"
bare_round
game_round
rm -f "$work"/*_ms "$work"/*_kb "$work"/*_cpu
for ((round = 1; round <= runs; round++)); do
  echo "  round $round/$runs"
  bare_round
  game_round
  stage2_round
  miss_round
  for extra in 1 2; do
    bare_round start-only
    start_round
  done
done

# --- The report ----------------------------------------------------------------
med() { median <"$work/$1"; }
list() { paste -sd ' ' "$work/$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v op="$2" -v t="$3" 'BEGIN { ok = (op == "<") ? v < t : (op == "<=") ? v <= t : v >= t; print ok ? "met" : "**missed**" }'; }

game_start=$(med game_start_ms)
bare_start=$(med bare_start_ms)
start_ratio=$(ratio "$game_start" "$bare_start")
game_rss=$(med game_rss_kb)
bare_rss=$(med bare_rss_kb)
rss_ratio=$(ratio "$game_rss" "$bare_rss")
miss_median=$(med miss_median_ms)
miss_p95=$(med miss_p95_ms)
miss_max=$(sort -g "$work/miss_max_ms" | tail -n 1)
title_cpu=$(med title_cpu)
story_cpu=$(med story_cpu)
stage2_cpu=$(med stage2_cpu)

# One row of the micro-benchmark table: name, time with unit, counters.
micro_row() {
  jq -r --arg n "$1" '.benchmarks[] | select(.name == $n) |
    "| \(.name) | \(.real_time * 1000 | round / 1000) \(.time_unit) | " +
    ([to_entries[] | select(.key as $k | ["per_pixel_us", "speedup", "off_road_share", "capacity_changes", "stage2_90s_bytes", "two_minutes_bytes", "largest_bytes"] | index($k)) |
      "\(.key) = \(.value * 100 | round / 100)"] | join(", ")) + " |"' "$micro_json"
}
micro_value() { jq -r --arg n "$1" --arg f "$2" '.benchmarks[] | select(.name == $n) | .[$f]' "$micro_json"; }

build_us=$(micro_value BM_BuildGrid real_time)
speedup=$(micro_value BM_BuildGrid speedup)
offroad1_ns=$(micro_value BM_IsOffRoad/1 real_time)
offroad3_ns=$(micro_value BM_IsOffRoad/3 real_time)
run_move_us=$(micro_value BM_RunPointerMove/0 real_time)
run_move_painted_us=$(micro_value BM_RunPointerMove/1 real_time)
sweep_us=$(awk -v ns="$(micro_value BM_FirstOffRoadOnLine/3 real_time)" 'BEGIN { print ns / 1000 }')
run_move100_us=$(micro_value BM_RunPointerMove100px/0 real_time)
list_packs_ms=$(micro_value BM_ListTwentyPacks real_time)
load_pack_ms=$(micro_value BM_LoadPack real_time)
record_move_ns=$(micro_value BM_GhostRecordMove real_time)
record_growth=$(micro_value BM_GhostRecordMove capacity_changes)
ghost_frame_us=$(micro_value BM_GhostFrame/0 real_time)
ghost_frame_painted_us=$(micro_value BM_GhostFrame/1 real_time)
ghost_90s_kb=$(awk -v b="$(micro_value BM_GhostFileSize stage2_90s_bytes)" 'BEGIN { printf "%.1f", b / 1024 }')
ghost_120s_kb=$(awk -v b="$(micro_value BM_GhostFileSize two_minutes_bytes)" 'BEGIN { printf "%.1f", b / 1024 }')
stroke_ms=$(micro_value BM_EditorBrushStroke/iterations:20 real_time)
recheck_ms=$(micro_value BM_EditorRecheck real_time)
full_check_ms=$(micro_value BM_CheckCourseStage2 real_time)
stroke_move_ms=$(awk -v s="$stroke_ms" 'BEGIN { print s / 41 }')  # a press, forty moves and the release
log_move_ns=$(micro_value BM_RunLogMove real_time)
rejudge125_ms=$(micro_value BM_RejudgeTwoMinuteRun/125 real_time)
rejudge1000_ms=$(micro_value BM_RejudgeTwoMinuteRun/1000 real_time)
run125_kb=$(awk -v b="$(micro_value BM_RejudgeTwoMinuteRun/125 file_bytes)" 'BEGIN { printf "%.1f", b / 1024 }')
run1000_kb=$(awk -v b="$(micro_value BM_RejudgeTwoMinuteRun/1000 file_bytes)" 'BEGIN { printf "%.1f", b / 1024 }')
ghost_largest_kb=$(awk -v b="$(micro_value BM_GhostFileSize largest_bytes)" 'BEGIN { printf "%.1f", b / 1024 }')

cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
mem_total=$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
os_name=$(. /etc/os-release 2>/dev/null && echo "${PRETTY_NAME:-unknown}")
load_average=$(cut -d ' ' -f 1-3 /proc/loadavg)
qt_version=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)

cat >"$results" <<EOF
# Pokurimo benchmarks

Written by \`make bench\` (bench/run_all.sh) on $(date -u '+%Y-%m-%d %H:%M UTC').

Machine: $(nproc) cores ($cpu_model), $mem_total memory, $os_name, Qt $qt_version,
Release build. Load average when the report was written: $load_average (other
work on the machine shares its cores and moves the start times most).

## Micro-benchmarks (Google Benchmark)

| Benchmark | Time | Counters |
|---|---|---|
$(for b in BM_BuildGrid BM_BuildGridPerPixel BM_IsOffRoad/1 BM_IsOffRoad/3 BM_FirstOffRoadOnLine/1 BM_FirstOffRoadOnLine/3 BM_RunPointerMove/0 BM_RunPointerMove/1 BM_RunPointerMove100px/0 BM_RunPointerMove100px/1 BM_HazardStepRules BM_HazardTimersOnScreen BM_ListTwentyPacks BM_LoadPack BM_GhostRecordMove BM_GhostFrame/0 BM_GhostFrame/1 BM_GhostFileSize BM_EditorBrushStroke/iterations:20 BM_EditorRecheck BM_CheckCourseStage2 BM_RunLogMove BM_RejudgeTwoMinuteRun/125 BM_RejudgeTwoMinuteRun/1000; do micro_row "$b"; done)

| Target | Figure | Verdict |
|---|---|---|
| Grid build from dat/map1.dat < 100 µs | $(printf '%.2f' "$build_us") µs | $(verdict "$build_us" "<" 100) |
| Grid build ≥ 20× faster than the per-pixel build (same run) | $(printf '%.1f' "$speedup")× | $(verdict "$speedup" ">=" 20) |
| Off-road test of one pointer move < 50 ns | $(printf '%.1f' "$offroad1_ns") ns (easy), $(printf '%.1f' "$offroad3_ns") ns (hard) | $(verdict "$(awk -v a="$offroad1_ns" -v b="$offroad3_ns" 'BEGIN { print (a > b) ? a : b }')" "<" 50) |
| One pointer move of a run with the drawn hero (road test + repaint request) < 1 ms | $(printf '%.1f' "$run_move_us") µs ($(printf '%.1f' "$run_move_painted_us") µs with the repaint done) | $(verdict "$run_move_painted_us" "<" 1000) |
| The road test of a 100-pixel move at radius 3, every pixel swept (grid only) ≤ 2 µs | $(printf '%.2f' "$sweep_us") µs | $(verdict "$sweep_us" "<=" 2) |
| A whole 100-pixel move of a run with the drawn hero ≤ 5 µs | $(printf '%.2f' "$run_move100_us") µs, $(awk -v a="$run_move100_us" -v b="$run_move_us" 'BEGIN { printf "%.1f", a / b }')× one single-pixel move | $(verdict "$run_move100_us" "<=" 5) |
| Listing twenty course packs (the title's course list) < 50 ms | $(printf '%.2f' "$list_packs_ms") ms | $(verdict "$list_packs_ms" "<" 50) |
| Loading one course pack < 50 ms | $(printf '%.2f' "$load_pack_ms") ms | $(verdict "$load_pack_ms" "<" 50) |
| Recording one pointer move of a run ≤ 1 µs, no allocation once started | $(printf '%.1f' "$record_move_ns") ns, room grown $record_growth times | $(verdict "$(awk -v a="$record_move_ns" -v g="$record_growth" 'BEGIN { print (g > 0) ? 1e9 : a }')" "<=" 1000) |
| One ghost frame on the play screen (its old and new rectangles) < 1 ms | $(printf '%.1f' "$ghost_frame_us") µs ($(printf '%.1f' "$ghost_frame_painted_us") µs with the repaint done) | $(verdict "$ghost_frame_painted_us" "<" 1000) |
| Each step of a brush stroke in the editor, the whole map repainted, < 16 ms (a frame) | $(printf '%.2f' "$stroke_move_ms") ms a step ($(printf '%.1f' "$stroke_ms") ms the whole stroke of 41) | $(verdict "$stroke_move_ms" "<" 16) |
| The editor's re-check of stage 2 with its moving hazards after one brush stroke < 200 ms | $(printf '%.1f' "$recheck_ms") ms (the full --check-course of the stage: $(printf '%.1f' "$full_check_ms") ms) | $(verdict "$recheck_ms" "<" 200) |
| Logging one move of a run ≤ 1 µs | $(printf '%.1f' "$log_move_ns") ns | $(verdict "$log_move_ns" "<=" 1000) |
| A two-minute stage 2 run kept as its log ≤ 64 KB at 125 moves a second, ≤ 256 KB at 1,000 | $run125_kb KB, $run1000_kb KB | $(verdict "$(awk -v a="$run125_kb" -v b="$run1000_kb" 'BEGIN { print (a <= 64 && b <= 256) ? 1 : 0 }')" ">=" 1) |
| Re-judging a two-minute run well under a second (< 250 ms) | $(printf '%.1f' "$rejudge125_ms") ms at 125 moves a second, $(printf '%.1f' "$rejudge1000_ms") ms at 1,000 | $(verdict "$rejudge1000_ms" "<" 250) |
| A stage 2 record run kept as its path (too long for its log) ≤ 64 KB for two minutes, no file over 256 KB | $ghost_90s_kb KB (90 s), $ghost_120s_kb KB (two minutes), $ghost_largest_kb KB (an hour, thinned) | $(verdict "$(awk -v a="$ghost_120s_kb" -v b="$ghost_largest_kb" 'BEGIN { print (a <= 64 && b <= 256) ? 1 : 0 }')" ">=" 1) |

BM_RejudgeTwoMinuteRun plays stage 2 on the easy level with no screen, its
clocks beating on time: the hand wanders over the START sign at random for
110 s, then walks the shortest road to the goal, waiting where a moving
hazard is near, 125 or 1,000 moves a second, each a millisecond early or late
at random; the run's file (its log, zlib-packed) is measured, then the log is
re-judged through the session in its verify mode. BM_RunLogMove is one move
logged, the room taken at the Start click.
BM_EditorRecheck is the live check's worker after one stroke of road on the
game's own stage 2: the stage written alone and read back by the pack loader,
then proven on both levels and through its moving hazards; BM_CheckCourseStage2
is what --check-course does for the same stage (the whole pack read from its
files, then the same proof).
BM_EditorBrushStroke is one stroke of the wide road brush across the game's
own stage 2 map in a shown editor, the road view on and the hazards moving:
a press, forty moves each repainted whole, and the release that makes the
stroke a step of the history (offscreen platform); a step is a forty-first of it.
BM_RunPointerMove is one pointer move during a run on a shown stage 1 play
screen: the drawn hero follows the pointer and the road test runs; /0 stops
at the repaint request of the icon's old and new rectangles, /1 also repaints
them (offscreen platform). BM_HazardTimersOnScreen is one beat of all three
hazard timers on a shown stage 2 play screen, repaint included (offscreen platform).
BM_FirstOffRoadOnLine sweeps the off-road grid along a 100-pixel line of map 1
at radius 1 and 3; BM_RunPointerMove100px is one 100-pixel move along bare road
of a run (hard level), judged at every pixel it crosses. BM_GhostRecordMove
is one pointer move as the run records it (most moves come quicker than a
sixtieth of a second and are passed over). BM_GhostFrame moves the ghost a
sixtieth of a second along a kept record run on a shown stage 1 play screen
during a run; /0 stops at the repaint request, /1 also repaints (offscreen
platform). BM_GhostFileSize encodes a stage 2 record run at the full 60
samples a second: the hard level's whole 90 seconds, two minutes, and an
hour, which the recorder thins to fit its room.
BM_ListTwentyPacks reads the game's own course and twenty player packs of two
stages each, every file and picture checked; BM_LoadPack reads the game's own.

## Whole process (Xvfb, medians of $runs rounds; start times of $((3 * runs)))

Sound server: $sound_server. Start times are from spawning the process until
xdotool sees its window mapped; the file cache is warm (one unrecorded round first).
Peak memory is VmHWM. CPU is utime + stime over $idle_seconds s.

| Measure | Pokurimo | Bare Qt window | Ratio | Target | Verdict |
|---|---|---|---|---|---|
| Start to the title window shown | $game_start ms | $bare_start ms | $start_ratio× | ≤ 1.3× | $(verdict "$start_ratio" "<=" 1.3) |
| Peak memory over a scripted game | $((game_rss / 1024)) MiB | $((bare_rss / 1024)) MiB | $rss_ratio× | ≤ 1.6× | $(verdict "$rss_ratio" "<=" 1.6) |

| Measure | Median of the rounds | Target | Verdict |
|---|---|---|---|
| Pointer move off the road → crying face drawn (offscreen harness, 51 misses a round) | $miss_median ms (95th percentile $miss_p95 ms, worst of all $miss_max ms) | < 16 ms | $(verdict "$miss_p95" "<" 16) |
| CPU, idle on the title screen | $title_cpu % | < 2 % | $(verdict "$title_cpu" "<" 2) |
| CPU, a story line waiting (stage 1) | $story_cpu % | < 2 % | $(verdict "$story_cpu" "<" 2) |
| CPU, stage 2 hazards moving while a line waits | $stage2_cpu % | < 2 % | $(verdict "$stage2_cpu" "<" 2) |

Each round's figures:

- start, Pokurimo (ms): $(list game_start_ms)
- start, bare window (ms): $(list bare_start_ms)
- peak memory, Pokurimo (KiB): $(list game_rss_kb)
- peak memory, bare window (KiB): $(list bare_rss_kb)
- miss → face, median per round (ms): $(list miss_median_ms)
- miss → face, 95th percentile / worst per round (ms): $(list miss_p95_ms) / $(list miss_max_ms)
- CPU % title / story / stage 2: $(list title_cpu) / $(list story_cpu) / $(list stage2_cpu)

The scripted game: start, idle on the title, たこレベル, idle while the first
story line waits, click through the story, Start, a few moves, a move onto the
roadside (a miss), the next line, タイトルへ, おしまい.
EOF
echo "run_all.sh: wrote $results"
cat "$results"
