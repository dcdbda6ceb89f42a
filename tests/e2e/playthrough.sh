#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
# Stage 1 played through with the real game, as a player would: たこレベル,
# the story, the start mark, a careful route to the goal, the clear scene, a
# name for the new record, and back to the title. Checks the stored record
# and, from a recording of the sound server, that "Start" and "Clear" were heard.
# Keys go to whichever window the game made active: no test focuses a new screen.
# Usage: playthrough.sh <game> <route_points> <sound_heard> <build folder> [--no-sound-folder | --window-manager]
# With --no-sound-folder the game runs from a copy of its folder without
# sound/: every effect falls back to the alert, and the game must play on.
# With --window-manager the X server has a window manager (openbox), as a desktop has.

game="$1" route_points="$2" sound_heard="$3" build="$4" mode="${5:-}"
source "$(dirname "$0")/lib.sh"

if [[ "$mode" == "--no-sound-folder" ]]; then
  # The game finds its course and sound/ next to its program file: give it a folder without sound/.
  folder="$build/e2e-nosound.$$"
  mkdir -p "$folder" && cp -r "$build/dat" "$build/course.json" "$folder/" && cp "$game" "$folder/pokurimo" || e2e_fail "cannot lay out $folder"
  trap 'rm -rf "$folder"; e2e_cleanup' EXIT
  game="$folder/pokurimo"
fi

e2e_start_x
[[ "$mode" == "--window-manager" ]] && e2e_start_wm
e2e_start_pulse
command -v parec >/dev/null || e2e_skip "parec is not installed (make deps installs pulseaudio-utils)"

# The route a careful player takes, in map pixels.
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$route_points" "$build/dat/map1.dat" 1 1 >"$E2E_TMP/route.txt" ||
  e2e_fail "no route from the course checker"
e2e_log "route of $(wc -l <"$E2E_TMP/route.txt") positions"

# Record everything the game plays; the recording's first byte marks time 0.
parec -d auto_null.monitor --raw --format=s16le --channels=1 --rate=22050 --latency-msec=20 >"$E2E_TMP/sound.raw" &
parec_pid=$!
E2E_PIDS+=($parec_pid)
e2e_wait_for 10 test -s "$E2E_TMP/sound.raw" || e2e_fail "the sound server records nothing"
rec0=$(date +%s.%N)
calc() { awk "BEGIN { printf \"%.3f\", $* }"; }
since_rec() { calc "$(date +%s.%N) - $rec0"; }

e2e_start_game "$game"
title=$(e2e_await_screen title 30) || e2e_fail "no title screen"
e2e_log "title screen $title"
e2e_click "$title" 52 116   # たこレベル
play=$(e2e_await_screen play 20) || e2e_fail "no play screen after たこレベル"
e2e_await_gone title 10 || e2e_fail "the title screen stayed open"
read -r px py < <(e2e_origin "$play")
e2e_log "play screen $play at $px,$py"

# Space through the four lines of the story with the hand resting off the
# window (without a window manager the keys would then follow the pointer,
# unless the play screen took the keyboard when it opened), then click the
# start mark, and no more keys; the click puts the pointer onto the road at
# map pixel (64, 93), which tells that the run began.
xdotool mousemove 0 0
for try in $(seq 1 6); do
  xdotool key space
  sleep 0.4
done
start_at="$((px + 2 + 64)) $((py + 2 + 93))"
started=0
for try in $(seq 1 5); do
  t_start=$(since_rec)
  e2e_click "$play" 62 54
  sleep 0.3
  read -r mx my < <(xdotool getmouselocation | sed -E 's/x:([0-9]+) y:([0-9]+).*/\1 \2/')
  if [[ "$mx $my" == "$start_at" ]]; then
    started=1
    break
  fi
done
((started)) || e2e_fail "the start click never put the pointer at $start_at (did the space key reach the story?)"
e2e_log "run started (pointer at $start_at), $t_start s into the recording"
run_began=$SECONDS

# Along the route, two pixels a move, a few milliseconds apart.
moves=()
n=0
while read -r x y; do
  if ((n % 2 == 0)); then moves+=(mousemove $((px + 2 + x)) $((py + 2 + y)) sleep 0.006); fi
  n=$((n + 1))
  last="$x $y"
done <"$E2E_TMP/route.txt"
read -r x y <<<"$last"
moves+=(mousemove $((px + 2 + x)) $((py + 2 + y)))
xdotool "${moves[@]}"
t_goal=$(since_rec)
run_seconds=$((SECONDS - run_began + 1))
e2e_log "pointer on the goal, $t_goal s into the recording"

# The clear scene has three lines; then the ranking screen opens for the new record.
sleep 0.5
rank=$(e2e_read_to_ranking) || e2e_fail "no ranking screen after the goal scene"
t_rank=$(since_rec)
e2e_log "ranking screen $rank"
xdotool mousemove 0 0  # the name must reach the ranking by its focus, not by the pointer
sleep 0.3
xdotool type --delay 30 "tester"
sleep 0.3
e2e_click "$rank" 228 156   # とじる
e2e_await_gone rank 10 || e2e_fail "the ranking screen did not close"

# The stage 2 story begins; leave for the title.
e2e_find_screen play >/dev/null || e2e_fail "the play screen went away after the record"
sleep 0.5
xdotool windowfocus --sync "$play"  # the active window, as a window manager would make it
e2e_human_click "$play" 372 280   # タイトルへ, while the story waits
title=$(e2e_await_screen title 20) || e2e_fail "no title screen after タイトルへ"
e2e_await_gone play 10 || e2e_fail "the play screen stayed open"

# The record is in the settings file: the name and a time no longer than the run.
e2e_check_tester_record "$run_seconds"
[[ "$(sed -n 's/^HScore_Nm_1_1_1=//p' "$E2E_SETTINGS")" == "ぴぽ" ]] || e2e_fail "the former first place did not move down"
keys=$(grep -c '^HScore_\(Nm\|Val\)_[12]_[12]_[0-4]=' "$E2E_SETTINGS")
((keys == 40)) || e2e_fail "the settings file holds $keys score keys, not 40"

# Quit from the title: the game ends by itself, without a fault report.
e2e_click "$title" 148 168   # おしまい
e2e_wait_for 15 bash -c "! kill -0 $GAME_PID" || e2e_fail "the game did not end after おしまい"
wait "$GAME_PID"
status=$?
((status == 0)) || e2e_fail "the game ended with status $status"
e2e_faults && e2e_fail "fault reports in the game's error output"

# What was heard.
sleep 0.5
kill "$parec_pid" 2>/dev/null
if [[ "$mode" == "--no-sound-folder" ]]; then
  "$sound_heard" "$E2E_TMP/sound.raw" "$build/sound/Start.wav" "$(calc "$t_start - 0.5")" "$(calc "$t_start + 1.5")" &&
    e2e_fail "the Start sound was heard although its file is missing"
else
  heard() {  # $1 sound, $2 $3 the window in seconds of the recording
    "$sound_heard" "$E2E_TMP/sound.raw" "$build/sound/$1.wav" "$2" "$3" || e2e_fail "\"$1\" was not heard"
  }
  heard Start "$(calc "$t_start - 0.5")" "$(calc "$t_start + 1.0")"
  heard Clear "$(calc "$t_goal - 0.5")" "$(calc "$t_goal + 1.0")"
  heard Claps "$(calc "$t_goal")" "$(calc "$t_rank + 0.5")"
fi
e2e_log "passed"
