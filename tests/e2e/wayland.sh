#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
# Stage 1 on a real Wayland desktop: sway (headless) with Xwayland, the game on
# Xwayland, and a pointer that moves only as a mouse's does, by relative steps
# of the compositor's virtual pointer (keys go through XTEST). たこレベル, the
# story, START, then the course checker's route to the goal: no miss, the goal
# scene and a stored record. Then START and a step off the road (once out of
# the window), again and again: every such step costs exactly one life, ピポ
# never stays behind on the map, and the fifth miss ends the game.
# Usage: wayland.sh <game> <virtual_pointer> <route_points> <x_region> <build folder>

game="$1" mouse="$2" route_points="$3" x_region="$4" build="$5"
source "$(dirname "$0")/lib.sh"

readonly SWAY_USER=pokurimo-test  # sway will not run as root
readonly OFF_ROAD="64 120"        # grass below the start point, in map pixels

# sway with Xwayland on a headless output; exports DISPLAY and sets SWAY_RUN,
# WAYLAND_NAME and SWAYSOCK.
start_sway() {
  local tool
  for tool in sway swaymsg Xwayland xdotool jq; do
    command -v "$tool" >/dev/null || e2e_skip "$tool is not installed (make deps installs it)"
  done
  [[ -x "$mouse" ]] || e2e_skip "the virtual pointer client was not built (make deps installs libwayland-dev)"
  SWAY_RUN="$E2E_TMP/sway"
  mkdir -m 700 "$SWAY_RUN"
  local as=() allow=""
  if ((EUID == 0)); then
    command -v xhost >/dev/null || e2e_skip "xhost is not installed (make deps installs it)"
    id -u "$SWAY_USER" >/dev/null 2>&1 || useradd -r -M -d /nonexistent -s /usr/sbin/nologin "$SWAY_USER" ||
      e2e_skip "cannot create the user $SWAY_USER for sway"
    chown "$SWAY_USER" "$SWAY_RUN"
    chmod 711 "$E2E_TMP"
    # Made by wlroots when missing, the folder would belong to sway's user.
    [[ -d /tmp/.X11-unix ]] || install -d -m 1777 /tmp/.X11-unix
    as=(runuser -u "$SWAY_USER" --)
    # Xwayland lets in only its own user; the game and xdotool run as root.
    allow="xhost +si:localuser:root >/dev/null; "
  fi
  cat >"$SWAY_RUN/config" <<EOF
xwayland force
output * resolution 1024x768 position 0 0
default_border none
default_floating_border none
focus_follows_mouse no
for_window [shell="xwayland"] floating enable, move position 100 60
exec sh -c '${allow}echo "\$WAYLAND_DISPLAY \$DISPLAY \$SWAYSOCK" >$SWAY_RUN/env.part && mv $SWAY_RUN/env.part $SWAY_RUN/env'
EOF
  chmod 644 "$SWAY_RUN/config"
  (cd "$SWAY_RUN" && exec "${as[@]}" env -i PATH="$PATH" HOME="$SWAY_RUN" XDG_RUNTIME_DIR="$SWAY_RUN" \
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$SWAY_RUN/config") >"$E2E_TMP/sway.log" 2>&1 &
  E2E_PIDS+=($!)
  e2e_wait_for 30 test -s "$SWAY_RUN/env" || e2e_fail "sway did not start: $(tail -n 5 "$E2E_TMP/sway.log")"
  read -r WAYLAND_NAME DISPLAY SWAYSOCK <"$SWAY_RUN/env"
  export DISPLAY SWAYSOCK
  e2e_wait_for 20 xdotool getmouselocation || e2e_fail "Xwayland on $DISPLAY does not answer"
  e2e_log "sway on $WAYLAND_NAME, Xwayland on $DISPLAY"
}

# The mouse: the virtual pointer client, fed one command a line.
start_mouse() {
  coproc MOUSE { XDG_RUNTIME_DIR="$SWAY_RUN" WAYLAND_DISPLAY="$WAYLAND_NAME" exec "$mouse" 2>>"$E2E_TMP/mouse.err"; }
  # Taken down after sway: sway 1.7 may crash when a virtual pointer goes away.
  E2E_PIDS=("$MOUSE_PID" "${E2E_PIDS[@]}")
  mouse_sync
}
mouse() { printf '%s\n' "$@" >&"${MOUSE[1]}"; }
mouse_sync() {
  local reply=""
  mouse sync
  read -r -t 20 reply <&"${MOUSE[0]}"
  [[ "$reply" == ok ]] || e2e_fail "the virtual pointer does not answer: $(cat "$E2E_TMP/mouse.err")"
}

# Puts the pointer on screen position (x, y) and clicks: into the corner
# first, then there, by relative motion. A press right after the pointer
# jumped into an Xwayland window is lost (Xwayland lets the pointer leave for
# the root window), so the hand moves a pixel more before it presses.
click_at() {
  mouse "move -4000 -4000" "move $(($1 - 1)) $2"
  mouse_sync
  mouse "move 1 0"
  mouse_sync
  sleep 0.1
  mouse click
  mouse_sync
}
# Clicks at client position (x, y) of window $1.
click_in() {
  local ox oy
  read -r ox oy < <(e2e_origin "$1")
  click_at $((ox + $2)) $((oy + $3))
}

# sway centres an odd-sized floating window at half pixels while the X
# window gets whole ones; the config places them at whole pixels instead.
# Checks that window $1 (named $2) is where both sway and X say it is.
placed() {
  local sway_at x_at
  sway_at=$(swaymsg -t get_tree | jq -r --argjson id "$1" '.. | objects | select(.window? == $id) | "\(.rect.x) \(.rect.y)"')
  x_at=$(e2e_origin "$1")
  [[ "$sway_at" == "$x_at" ]] || e2e_fail "the $2 is at $sway_at for sway but at $x_at for X"
  e2e_log "$2 $1 at $x_at"
}

pointer_at() { xdotool getmouselocation | sed -E 's/x:([0-9]+) y:([0-9]+).*/\1 \2/'; }

# Fingerprints of the LIFE counter and of the message box of play window $1.
life_shown() { "$x_region" "$1" 312 176 121 25; }
message_shown() { "$x_region" "$1" 0 304 303 134; }

# The mouse's relative steps from route line $1 + 1 through line $1 + $2, a few milliseconds apart.
route_steps() {
  awk -v from="$1" -v count="$2" 'NR > from && NR <= from + count {
      if (seen) printf "move %d %d\nsleep 3\n", $1 - x, $2 - y
      x = $1; y = $2; seen = 1
    }' "$E2E_TMP/route.txt"
}

# Space through the story, then click START until the run begins: the click
# puts the pointer onto the road at map pixel (64, 93). Keys go to whichever
# window has the keyboard: the new screens take it themselves.
start_run() {
  local play="$1" px py try
  read -r px py < <(e2e_origin "$play")
  START_AT="$((px + 2 + 64)) $((py + 2 + 93))"
  for try in $(seq 1 12); do
    if ((try > ${2:-0})); then
      click_in "$play" 62 54
      sleep 0.3
      [[ "$(pointer_at)" == "$START_AT" ]] && return 0
    fi
    xdotool key space
    sleep 0.4
  done
  e2e_fail "the start click never put the pointer at $START_AT (it is at $(pointer_at))"
}

start_sway
e2e_start_pulse  # a desktop has a sound server
start_mouse
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$route_points" "$build/dat/map1.dat" 1 1 >"$E2E_TMP/route.txt" ||
  e2e_fail "no route from the course checker"
route_length=$(wc -l <"$E2E_TMP/route.txt")
e2e_log "route of $route_length positions"

e2e_start_game "$game"
title=$(e2e_await_screen title 30) || e2e_fail "no title screen"
placed "$title" "title screen"
click_in "$title" 52 116   # たこレベル
play=$(e2e_await_screen play 20) || e2e_fail "no play screen after たこレベル"
e2e_await_gone title 10 || e2e_fail "the title screen stayed open"
placed "$play" "play screen"

# The run to the goal.
start_run "$play" 3
life5=$(life_shown "$play") || e2e_fail "cannot read the play window"
calm=$(message_shown "$play")
run_began=$SECONDS
e2e_log "run started, pointer at $START_AT"
# The first steps carry the pointer on from the start point, not from where
# the hand clicked START.
route_steps 0 10 >&"${MOUSE[1]}"
mouse_sync
sleep 0.3
read -r px py < <(e2e_origin "$play")
read -r x y < <(sed -n 10p "$E2E_TMP/route.txt")
[[ "$(pointer_at)" == "$((px + 2 + x)) $((py + 2 + y))" ]] ||
  e2e_fail "after 9 steps from $START_AT the pointer is at $(pointer_at), not at map pixel ($x, $y)"
[[ "$(message_shown "$play")" == "$calm" ]] || e2e_fail "a miss in the first steps from the start point"
route_steps 9 "$route_length" >&"${MOUSE[1]}"
mouse_sync
run_seconds=$((SECONDS - run_began + 1))
e2e_log "route walked, pointer at $(pointer_at)"

# The clear scene has three lines; then the ranking screen opens for the new record.
sleep 0.5
still_five() { [[ "$(life_shown "$play")" == "$life5" ]]; }
rank=$(e2e_read_to_ranking still_five)
case $? in
  0) ;;
  2) e2e_fail "a life was lost on the way to the goal" ;;
  *) e2e_fail "no ranking screen: the goal was not reached" ;;
esac
still_five || e2e_fail "LIFE is no longer 5 after the goal"
placed "$rank" "ranking screen"
sleep 0.3
xdotool type --delay 30 "tester"
sleep 0.3
click_in "$rank" 228 156   # とじる
e2e_await_gone rank 10 || e2e_fail "the ranking screen did not close"
e2e_check_tester_record "$run_seconds"

# Back to the title (the stage 2 story waits), and stage 1 once more.
sleep 0.5
click_in "$play" 372 280   # タイトルへ
title=$(e2e_await_screen title 20) || e2e_fail "no title screen after タイトルへ"
e2e_await_gone play 10 || e2e_fail "the play screen stayed open"
click_in "$title" 52 116   # たこレベル
play=$(e2e_await_screen play 20) || e2e_fail "no play screen after たこレベル"
placed "$play" "play screen"

# Off the road on purpose, after a stretch on it: one life a step, and the
# fifth ends the game. Once the hand carries the pointer out of the window in
# one go, as it can while Xwayland keeps the pointer locked: that is off the
# road too, and ピポ must not stay behind on the map.
read -r off_x off_y <<<"$OFF_ROAD"
read -r on_x on_y < <(sed -n 20p "$E2E_TMP/route.txt")
hero_spot() { "$x_region" "$play" $((on_x + 2 - 16)) $((on_y + 2 - 16)) 32 32; }
lives_seen=()
for lives in 5 4 3 2 1; do
  plain=$(hero_spot)
  start_run "$play" $((lives == 5 ? 3 : 0))
  shown=$(life_shown "$play")
  [[ " ${lives_seen[*]} " != *" $shown "* ]] || e2e_fail "LIFE did not go down to $lives"
  lives_seen+=("$shown")
  calm=$(message_shown "$play")
  route_steps 0 20 >&"${MOUSE[1]}"
  mouse_sync
  sleep 0.3
  [[ "$(message_shown "$play")" == "$calm" ]] || e2e_fail "a miss on the road (LIFE $lives)"
  if ((lives == 2)); then
    [[ "$(hero_spot)" != "$plain" ]] || e2e_fail "ピポ is not drawn at the pointer, map pixel ($on_x, $on_y)"
    where="out of the window"
    mouse "move -400 0"
  else
    where="on the grass"
    mouse "move $((off_x - on_x)) $((off_y - on_y))"
  fi
  mouse_sync
  sleep 0.3
  [[ "$(message_shown "$play")" != "$calm" ]] || e2e_fail "no miss $where (LIFE $lives)"
  e2e_log "LIFE $lives: a miss $where"
  [[ "$(hero_spot)" == "$plain" ]] || e2e_fail "ピポ stayed behind at map pixel ($on_x, $on_y) (LIFE $lives)"
  xdotool key space
  sleep 0.4
  if ((lives > 1)); then
    e2e_find_screen play >/dev/null || e2e_fail "the game ended with LIFE $((lives - 1)) left"
  fi
done
title=$(e2e_await_screen title 20) || e2e_fail "no title screen after the fifth miss"
e2e_await_gone play 10 || e2e_fail "the play screen stayed open after the fifth miss"

click_in "$title" 148 168   # おしまい
e2e_wait_for 15 bash -c "! kill -0 $GAME_PID" || e2e_fail "the game did not end after おしまい"
wait "$GAME_PID"
status=$?
((status == 0)) || e2e_fail "the game ended with status $status"
e2e_faults && e2e_fail "fault reports in the game's error output"
e2e_log "passed"
