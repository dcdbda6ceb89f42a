# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT

# Shared pieces of the end-to-end tests: each test gets its own X server,
# sound server, settings folder and temporary folder, and takes them all down
# again by process id (other tests run beside it at the same time).
# Source it, then call e2e_start_x, e2e_start_wm (for a desktop's window
# manager), e2e_start_pulse (if sound is needed) and e2e_start_game; fail with
# e2e_fail "why".

set -uo pipefail

readonly E2E_SKIP=77
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/pokurimo-e2e.XXXXXX")
E2E_PIDS=()
E2E_FAILED=0
GAME_PID=""
export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" XDG_RUNTIME_DIR="$E2E_TMP/run"
# The game in Japanese, whatever the desktop speaks: screens are told apart by their captions.
export LANGUAGE=ja
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
readonly E2E_SETTINGS="$XDG_CONFIG_HOME/Pokurimo/Pokurimo.conf"

e2e_log() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*"; }

e2e_cleanup() {
  local pid i
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do  # the last started goes first
    kill "${E2E_PIDS[i]}" 2>/dev/null
  done
  for pid in "${E2E_PIDS[@]}"; do
    wait "$pid" 2>/dev/null
  done
  if [[ $E2E_FAILED -eq 0 ]]; then
    rm -rf "$E2E_TMP"
  else
    echo "kept for diagnosis: $E2E_TMP"
  fi
}
trap e2e_cleanup EXIT

e2e_skip() {
  echo "SKIPPED: $*"
  exit $E2E_SKIP
}

e2e_screenshot() {
  local name="$1"
  [[ -n "${DISPLAY:-}" ]] && command -v import >/dev/null &&
    import -window root "$E2E_TMP/$name.png" 2>/dev/null && echo "screenshot: $E2E_TMP/$name.png"
}

e2e_fail() {
  E2E_FAILED=1
  echo "FAILED: $*"
  e2e_x_report
  e2e_screenshot "failure"
  if [[ -s "$E2E_TMP/game.err" ]]; then
    echo "--- the game's error output (last lines) ---"
    tail -n 40 "$E2E_TMP/game.err"
  fi
  exit 1
}

# Whether the display still answers, and what its X server said.
e2e_x_report() {
  [[ -n "${DISPLAY:-}" ]] || return 0
  if xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "the X server on $DISPLAY answers"
  else
    echo "the X server on $DISPLAY does not answer"
  fi
  [[ -s "$E2E_TMP/xvfb.log" ]] && { echo "--- the X server's output (last lines) ---"; tail -n 15 "$E2E_TMP/xvfb.log"; }
  return 0
}

# Runs "$@" until it succeeds or the seconds run out.
e2e_wait_for() {
  local seconds="$1"; shift
  local end=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS >= end)) && return 1
    sleep 0.05
  done
}

# A private X server on a display number it picks itself. Servers started
# side by side (other tests, sway's Xwayland) can race for a number, and the
# loser may still write it before it dies: a server counts only once it is
# alive and answers, else another is started. Like a desktop's server it never
# resets when its last client leaves, so a game started right after another
# ended never meets a server in the middle of a reset. E2E_SCREEN sets its
# size (1024x768 unless told).
e2e_start_x() {
  command -v Xvfb >/dev/null || e2e_skip "Xvfb is not installed (make deps installs it)"
  command -v xdotool >/dev/null || e2e_skip "xdotool is not installed (make deps installs it)"
  local attempt pid
  for attempt in 1 2 3 4 5; do
    : >"$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768}x24" -nolisten tcp -noreset 3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    pid=$!
    # The number and its newline are written apart: wait for the whole line.
    if e2e_wait_for 20 grep -q '^[0-9][0-9]*$' "$E2E_TMP/display"; then
      export DISPLAY=":$(head -n 1 "$E2E_TMP/display")"
      sleep 0.2
      if kill -0 "$pid" 2>/dev/null && e2e_wait_for 5 xdotool getdisplaygeometry && kill -0 "$pid" 2>/dev/null; then
        E2E_PIDS+=("$pid")
        e2e_log "X server on $DISPLAY"
        return 0
      fi
    fi
    e2e_log "Xvfb attempt $attempt failed: $(tail -n 2 "$E2E_TMP/xvfb.log" | tr '\n' ' ')"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  e2e_fail "no X server could be started: $(tail -n 3 "$E2E_TMP/xvfb.log")"
}

# A window manager on that server, as on a desktop: openbox frames the windows,
# focuses new ones by itself and closes the active one on Alt+F4.
e2e_start_wm() {
  command -v openbox >/dev/null || e2e_skip "openbox is not installed (make deps installs it)"
  openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
  E2E_PIDS+=($!)
  e2e_wait_for 20 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    e2e_fail "openbox did not start: $(tail -n 3 "$E2E_TMP/openbox.log")"
  e2e_log "window manager openbox"
}

# A private sound server whose only output is a null sink; its monitor can be recorded.
e2e_start_pulse() {
  command -v pulseaudio >/dev/null && command -v pactl >/dev/null ||
    e2e_skip "PulseAudio is not installed (make deps installs it)"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --load="module-null-sink sink_name=auto_null" \
    --load="module-native-protocol-unix auth-anonymous=1" >"$E2E_TMP/pulse.log" 2>&1 &
  E2E_PIDS+=($!)
  export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
  e2e_wait_for 20 pactl info || e2e_skip "PulseAudio did not start: $(tail -n 3 "$E2E_TMP/pulse.log")"
  e2e_log "sound server at $PULSE_SERVER"
}

# Starts the game ($1: its program file, then its options) with the sanitizers stopping at the first fault.
e2e_start_game() {
  QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$@" >>"$E2E_TMP/game.out" 2>>"$E2E_TMP/game.err" &
  GAME_PID=$!
  E2E_PIDS+=($GAME_PID)
}

e2e_game_running() { kill -0 "$GAME_PID" 2>/dev/null; }

# Clicks at client position (x, y) of window $1.
e2e_click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# The same with the button held down for a moment, as a hand clicks.
e2e_human_click() {
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1 sleep 0.12 mouseup 1
}

# The sanitizers' and the runtime's fault reports in the game's error output.
e2e_faults() {
  grep -E "runtime error|ERROR: AddressSanitizer|ERROR: LeakSanitizer|AddressSanitizer:DEADLYSIGNAL" "$E2E_TMP/game.err" 2>/dev/null
}

# The game's screens, told apart by caption and size (the title has no caption
# of its own, so the window system shows the game's name, as on the play screen).
readonly E2E_TITLE_SIZE="357x254" E2E_PLAY_SIZE="439x439"
e2e_size() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry:/ {print $2}'; }
e2e_screen_of() {
  local name size
  name=$(xdotool getwindowname "$1" 2>/dev/null) || return 1
  size=$(e2e_size "$1")
  case "$name" in
    ランキング*) echo rank ;;
    Pokurimo)
      case "$size" in
        "$E2E_TITLE_SIZE") echo title ;;
        "$E2E_PLAY_SIZE") echo play ;;
        *) echo other ;;  # a message box
      esac ;;
    *) echo other ;;
  esac
}

# The id of the first shown game window for which "$@" <id> succeeds, or nothing.
e2e_find_window() {
  local id
  for id in $(xdotool search --onlyvisible --class pokurimo 2>/dev/null); do
    "$@" "$id" && { echo "$id"; return 0; }
  done
  return 1
}

e2e_is_screen() { [[ "$(e2e_screen_of "$2")" == "$1" ]]; }  # $1 screen, $2 window
# The id of the shown window of screen $1 (title, play, rank), or nothing.
e2e_find_screen() { e2e_find_window e2e_is_screen "$1"; }

# Waits up to $2 seconds for screen $1 and prints its window id; gives up at
# once when the game has ended.
e2e_await_screen() {
  local end=$((SECONDS + $2)) id
  while ((SECONDS < end)); do
    id=$(e2e_find_screen "$1") && { echo "$id"; return 0; }
    [[ -z "$GAME_PID" ]] || e2e_game_running || return 1
    sleep 0.1
  done
  return 1
}

# Reads the goal scene with the space key until the ranking window opens, and
# prints its id. "$@", when given, must hold before each line is read: status
# 2 when it does not, 1 when no ranking opens.
e2e_read_to_ranking() {
  local rank try
  for try in $(seq 1 8); do
    rank=$(e2e_find_screen rank) && { echo "$rank"; return 0; }
    (($# == 0)) || "$@" || return 2
    xdotool key space
    sleep 0.5
  done
  e2e_await_screen rank 5
}

# The stage 1 record in the settings file: the name "tester", and a time no
# longer than the run ($1: the run's seconds).
e2e_check_tester_record() {
  local name score
  [[ -f "$E2E_SETTINGS" ]] || e2e_fail "no settings file at $E2E_SETTINGS"
  name=$(sed -n 's/^HScore_Nm_1_1_0=//p' "$E2E_SETTINGS")
  score=$(sed -n 's/^HScore_Val_1_1_0=//p' "$E2E_SETTINGS")
  e2e_log "stored: HScore_Nm_1_1_0=$name HScore_Val_1_1_0=$score (the run took about $1 s)"
  [[ "$name" == "tester" ]] || e2e_fail "stored name is '$name', not 'tester'"
  [[ "$score" =~ ^[0-9]+$ ]] && ((score <= $1)) || e2e_fail "stored score '$score' is not the run's time"
}

# Waits up to $2 seconds until screen $1 is gone.
e2e_await_gone() {
  local end=$((SECONDS + $2))
  while ((SECONDS < end)); do
    e2e_find_screen "$1" >/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# Window $1's top-left corner on the screen: "x y". (xdotool's position of a
# framed window is off by the frame's border, so ask xwininfo.)
e2e_origin() { xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $NF} /Absolute upper-left Y:/ {y = $NF} END {print x, y}'; }
