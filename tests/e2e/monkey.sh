#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
# The monkey: random pointer moves, clicks, drags and keys on every screen of
# the real game (the sanitizer build) for minutes. Clicks lean towards the
# buttons and the start mark so that the walk reaches all three screens; when
# the game quits it is started again. Passes when the game never dies by a
# signal or a sanitizer report, all three screens were seen, the game still
# answers at the end, and the settings file is whole.
# Usage: monkey.sh <game> <x_ping> [--window-manager]
# With --window-manager the X server has a window manager (openbox), as a
# desktop has: there Alt+F4 really closes the active window.
# POKURIMO_MONKEY_SEED replays a run; POKURIMO_MONKEY_SECONDS sets its length.

game="$1" x_ping="$2" mode="${3:-}"
source "$(dirname "$0")/lib.sh"

seed="${POKURIMO_MONKEY_SEED:-31337}"
seconds="${POKURIMO_MONKEY_SECONDS:-120}"
echo "monkey seed $seed (set POKURIMO_MONKEY_SEED=$seed to replay), $seconds s"
RANDOM=$seed

e2e_start_x
[[ "$mode" == "--window-manager" ]] && e2e_start_wm
e2e_start_pulse

declare -A seen=([title]=0 [play]=0 [rank]=0 [other]=0)
actions=0 restarts=0

pick() { echo $((RANDOM % $1)); }
between() { echo $(($1 + RANDOM % ($2 - $1 + 1))); }

# The game ended: by itself (おしまい) is fine, by a signal or a report is not.
check_exit() {
  wait "$GAME_PID"
  local status=$?
  e2e_faults && e2e_fail "fault reports in the game's error output (seed $seed)"
  ((status == 0)) || e2e_fail "the game died with status $status after $actions actions (seed $seed)"
}

start_game() {
  e2e_start_game "$game"
  e2e_await_screen title 30 >/dev/null || e2e_fail "no title screen after a start (seed $seed)"
}

keys=(space space Return Escape a z q x BackSpace Tab alt+F4 space Return Escape p o k u)
press_key() {  # $1 window
  xdotool windowfocus "$1" key --delay 20 "${keys[$(pick ${#keys[@]})]}" 2>/dev/null
}

click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1 2>/dev/null; }

# A short walk of small steps from a point, as a hand wobbles over the map.
wander() {  # $1 window, $2 $3 start, $4 $5 the box's limits (width, height)
  local x=$2 y=$3 steps=() n
  for ((n = $(between 5 30); n > 0; n--)); do
    x=$((x + $(between -3 3))); y=$((y + $(between -3 3)))
    ((x < 0)) && x=0; ((y < 0)) && y=0; ((x >= $4)) && x=$(($4 - 1)); ((y >= $5)) && y=$(($5 - 1))
    steps+=(mousemove --window "$1" $x $y sleep 0.01)
  done
  xdotool "${steps[@]}" 2>/dev/null
}

drag() {  # $1 window, $2 $3 limits
  xdotool mousemove --window "$1" $(pick $2) $(pick $3) mousedown 1 \
    mousemove --window "$1" $(pick $2) $(pick $3) sleep 0.05 \
    mousemove --window "$1" $(pick $2) $(pick $3) mouseup 1 2>/dev/null
}

act_title() {
  local id=$1 r=$(pick 100)
  # The play screen keeps a walk for long: until the ranking has been seen,
  # the title opens it, so each walk covers all screens whatever the seed.
  if ((${seen[rank]} == 0)); then click_at "$id" $(between 10 95) $(between 154 183)
  elif ((r < 22)); then click_at "$id" $(between 10 95) $(between 98 135)      # たこレベル
  elif ((r < 34)); then click_at "$id" $(between 106 190) $(between 98 135)  # さるレベル
  elif ((r < 54)); then click_at "$id" $(between 10 95) $(between 154 183)   # ランキング
  elif ((r < 57)); then click_at "$id" $(between 106 190) $(between 154 183) # おしまい
  elif ((r < 61)); then click_at "$id" $(between 10 95) $(between 194 215)   # コース
  elif ((r < 64)); then click_at "$id" $(between 10 95) $(between 226 247)   # れんしゅう
  elif ((r < 72)); then click_at "$id" $(pick 357) $(pick 254)
  elif ((r < 90)); then press_key "$id"
  else drag "$id" 357 254
  fi
}

act_play() {
  local id=$1 r=$(pick 100)
  if ((r < 20)); then click_at "$id" $(between 43 82) $(between 43 66)       # the stage 1 start mark
    wander "$id" 66 95 304 304
  elif ((r < 26)); then click_at "$id" $(between 131 170) $(between 115 138) # the stage 2 start mark
    wander "$id" 154 165 304 304
  elif ((r < 42)); then wander "$id" $(pick 304) $(pick 304) 304 304
  elif ((r < 58)); then press_key "$id"
  elif ((r < 64)); then click_at "$id" $(between 120 295) $(between 416 430)  # the "next" hint
  elif ((r < 67)); then click_at "$id" $(between 314 430) $(between 266 295)  # タイトルへ
  elif ((r < 70)); then click_at "$id" $(between 314 430) $(between 226 255)  # バージョン
  elif ((r < 88)); then click_at "$id" $(pick 439) $(pick 439)
  else drag "$id" 439 439
  fi
}

act_rank() {
  local id=$1 r=$(pick 100)
  if ((r < 25)); then xdotool windowfocus "$id" type --delay 10 "$(head -c 6 /dev/urandom | base64 | tr -dc 'a-zA-Z' | head -c $(between 1 6))" 2>/dev/null
  elif ((r < 40)); then click_at "$id" $(between 8 130) $(between 136 180)   # the selectors
  elif ((r < 55)); then click_at "$id" $(between 186 271) $(between 138 175) # とじる
  elif ((r < 75)); then press_key "$id"
  elif ((r < 90)); then click_at "$id" $(pick 281) $(pick 205)
  else drag "$id" 281 205
  fi
}

act_other() {  # a message box
  local id=$1
  if (($(pick 2))); then press_key "$id"; else click_at "$id" $(pick 200) $(pick 120); fi
}

start_game
end=$((SECONDS + seconds))
while ((SECONDS < end)); do
  if ! e2e_game_running; then
    check_exit
    restarts=$((restarts + 1))
    start_game
    continue
  fi
  # The topmost kind of screen takes the action: a message box or the
  # ranking screen is modal over the others.
  target="" kind=""
  for id in $(xdotool search --onlyvisible --class pokurimo 2>/dev/null); do
    k=$(e2e_screen_of "$id") || continue
    case "$kind:$k" in
      :*|title:*|play:rank|play:other|rank:other) target=$id kind=$k ;;
    esac
  done
  [[ -n "$target" ]] || { sleep 0.1; continue; }
  seen[$kind]=$((${seen[$kind]} + 1))
  "act_$kind" "$target"
  actions=$((actions + 1))
  sleep 0.0$(pick 10)
done
e2e_log "$actions actions, $restarts restarts; screens seen: title ${seen[title]}, play ${seen[play]}, ranking ${seen[rank]}, message boxes ${seen[other]}"

for s in title play rank; do
  ((${seen[$s]} > 0)) || e2e_fail "the walk never reached the $s screen (seed $seed)"
done

# Still answering: every shown window replies to a ping within a second.
if ! e2e_game_running; then
  check_exit
  start_game
fi
sleep 1
answered=0
for try in 1 2 3; do
  "$x_ping" 1000 && { answered=1; break; }
done
((answered)) || e2e_fail "the game does not answer (seed $seed)"
e2e_faults && e2e_fail "fault reports in the game's error output (seed $seed)"
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null

# The settings file: none at all, or the game's own 40 keys once each with
# well-formed values; beside them only a course pack's records (a group of its
# own) and whether the ghost is shown.
if [[ -f "$E2E_SETTINGS" ]]; then
  bad=$(grep -v -E '^(\[Setting\]|\[Course_[0-9a-f]+\]|\[Ghost\]|Shown=(true|false)|HScore_Nm_[12]_([1-9]|1[0-6])_[0-4]=.*|HScore_Val_[12]_([1-9]|1[0-6])_[0-4]=-?[0-9]+|)$' "$E2E_SETTINGS")
  [[ -z "$bad" ]] || e2e_fail "malformed lines in the settings file: $(head -c 300 <<<"$bad")"
  own=$(awk '/^\[/ { group = $0; next } group == "[Setting]" && /^HScore_[A-Za-z]+_[12]_[12]_[0-4]=/' "$E2E_SETTINGS")
  keys=$(cut -d= -f1 <<<"$own" | sort -u | grep -c .)
  lines=$(grep -c . <<<"$own")
  # All 40 once the ranking has saved; none while only the ghost box was touched.
  ((lines == 0 || (keys == 40 && lines == 40))) || e2e_fail "the settings file holds $lines score lines of the game's own with $keys keys, not 40"
  e2e_log "settings file whole: $lines keys of the game's own"
else
  e2e_log "no settings file written"
fi
e2e_log "passed"
