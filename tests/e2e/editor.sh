#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT

# A course made in the editor by a real pointer on a real X server under a
# window manager: the starter pack's road and marks cleared, then a road
# painted, a START, a goal, a checkpoint with its line and a car placed by
# dragging, saved with Ctrl+S; the course checker then passes the folder. The
# live check turns from failing to passing as the road is finished; "Test"
# (F5) walks the stage from its START and from the checkpoint to the goal, and
# Escape brings the editor back with its history. A stroke saved, undone and
# saved again leaves the files as they were.
# Usage: editor.sh <game> <x_region>

source "$(dirname "$0")/lib.sh"
game="$1" x_region="$2"
pack="$E2E_TMP/home/my-course"

E2E_SCREEN=1600x1000 e2e_start_x  # a desktop's screen: the whole editor on it
e2e_start_wm
e2e_start_game "$game" --edit "$pack"

is_editor() { [[ "$(xdotool getwindowname "$1" 2>/dev/null)" == コースエディタ* ]]; }
e2e_wait_for 30 e2e_find_window is_editor || e2e_fail "the editor did not open"
editor=$(e2e_find_window is_editor)
xdotool windowactivate --sync "$editor" 2>/dev/null
sleep 0.5

# The map is where the starter map's grass is; its zoom is its width over 300.
read -r map_x map_y map_w _ < <("$x_region" --find "$editor" 76ba54) || e2e_fail "no map in the editor window"
zoom=$((map_w / 300))
((zoom >= 2)) || e2e_fail "the map is $map_w pixels wide, not shown enlarged"
e2e_log "map at $map_x,$map_y, ${zoom}x"
at() { echo $((map_x + $1 * zoom + zoom / 2)) $((map_y + $2 * zoom + zoom / 2)); }
key() { xdotool key "$@"; sleep 0.2; }  # to the focused window, as a keyboard types
click() { xdotool mousemove --window "$editor" $(at "$1" "$2") click "${3:-1}"; sleep 0.2; }
# A drag as a hand makes it: pressed, moved in steps, released.
drag() {
  local x1=$1 y1=$2 x2=$3 y2=$4 i
  xdotool mousemove --window "$editor" $(at "$x1" "$y1") mousedown 1
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --window "$editor" $(at $((x1 + (x2 - x1) * i / 8)) $((y1 + (y2 - y1) * i / 8)))
    sleep 0.02
  done
  xdotool mouseup 1
  sleep 0.2
}

# Nothing of the starter pack is left: its road filled with grass, its marks gone.
key g && click 30 45 3
for mark in "25 40" "250 145" "25 250"; do
  key v && click $mark && key Delete
done
# The live check's verdict shows behind its words: green when the stage plays, red when not.
check_says() { "$x_region" --find "$editor" "$1" >/dev/null; }
readonly PLAYABLE=00963c NOT_PLAYABLE=c81e1e

# The new course: half a road, a START at its left end, a goal where the road
# will end, a checkpoint with its line, and a car beside the road.
key 2 && drag 20 150 150 150
key alt+1 && drag 15 142 45 158
key alt+2 && drag 262 143 276 157
key alt+3 && drag 120 140 125 160
xdotool type --delay 30 "halfway" && sleep 0.3
key alt+5 && drag 200 40 212 55
e2e_wait_for 20 check_says $NOT_PLAYABLE || e2e_fail "the live check does not fail a road that stops short of the goal"
key ctrl+s
e2e_wait_for 10 test -f "$pack/course.json" || e2e_fail "Ctrl+S wrote no course.json in $pack"
cp -r "$pack" "$E2E_TMP/half"
key 2 && drag 150 150 280 150
e2e_wait_for 20 check_says $PLAYABLE || e2e_fail "the live check does not pass the finished road"
e2e_log "the live check turned from failing to passing as the road was finished"

# "Test" from the START, then from the checkpoint: the map lies 2 pixels into the play window.
walk_to_goal() {  # from map x $1 along the road to the goal
  local x
  for ((x = $1; x <= 269; x += 3)); do
    xdotool mousemove --window "$play" $((x + 2)) 152
    sleep 0.01
  done
}
test_from() {  # $1: what is tried, $2: the x of its START sign, selected first with $3 (or nothing)
  [[ -n "$3" ]] && key v && click $3
  key F5
  play=$(e2e_await_screen play 10) || e2e_fail "F5 opened no test of the stage ($1)"
  sleep 0.5
  local prompt
  prompt=$("$x_region" "$play" 0 304 303 134)
  xdotool mousemove --window "$play" $(($2 + 2)) 152 click 1
  sleep 0.2
  walk_to_goal "$2"
  sleep 1.5  # longer than a miss's crying face: a miss would show the prompt again
  [[ "$("$x_region" "$play" 0 304 303 134)" != "$prompt" ]] || e2e_fail "the test from $1 did not reach the goal"
  key Escape
  e2e_wait_for 10 bash -c "! xdotool getwindowname $play" || e2e_fail "Escape did not end the test from $1"
  xdotool windowactivate --sync "$editor" 2>/dev/null
  sleep 0.3
  e2e_log "tested from $1: the goal reached, the editor back"
}
test_from "the START" 30 ""
test_from "the checkpoint" 122 "122 150"

# The history came back with the editor: undoing the last stroke gives the half road's files.
key ctrl+z && key ctrl+s
sleep 0.5
diff -r "$pack" "$E2E_TMP/half" || e2e_fail "after the tests, undo did not give back the pack before the last stroke"
key ctrl+shift+z && key ctrl+s
sleep 0.5

# A stroke saved, undone and saved again: the files are as they were.
cp -r "$pack" "$E2E_TMP/saved"
key 1 && drag 60 60 90 90
key ctrl+s
sleep 0.5
diff -rq "$pack" "$E2E_TMP/saved" >/dev/null && e2e_fail "the stroke changed nothing saved"
key ctrl+z && key ctrl+s
sleep 0.5
diff -r "$pack" "$E2E_TMP/saved" || e2e_fail "undoing the stroke did not give the files back"

key ctrl+w
e2e_wait_for 10 bash -c "! kill -0 $GAME_PID" || e2e_fail "the editor did not close on Ctrl+W"
faults=$(e2e_faults) && e2e_fail "faults: $faults"

"$game" --check-course "$pack" >"$E2E_TMP/check.txt" 2>&1
status=$?
cat "$E2E_TMP/check.txt"
((status == 0)) || e2e_fail "--check-course refused the pack made in the editor"
grep -q '"halfway"' "$pack/course.json" || e2e_fail "the checkpoint's line was not saved"
grep -q '"kind": "car"' "$pack/course.json" || e2e_fail "the car was not saved"
e2e_log "a course made in the editor plays"
