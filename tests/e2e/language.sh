#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
# The real game picks its language from the environment as a desktop sets it:
# English when LANGUAGE asks for it before Japanese, Japanese under a Japanese
# or C locale. Told by the ranking window's caption, opened from the title.
# Usage: language.sh <game>

game="$1"
source "$(dirname "$0")/lib.sh"

captioned() { [[ "$(xdotool getwindowname "$2" 2>/dev/null)" == "$1" ]]; }  # $1 caption, $2 window

# Starts the game with only the language settings "$@" on an X server of its
# own (what a killed game leaves behind never meets the next), opens the
# ranking, checks its caption is $1, and ends the game.
ranking_caption_is() {
  local want="$1"; shift
  e2e_start_x
  printf '#!/bin/sh\nexec env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG %s "%s"\n' "$*" "$game" >"$E2E_TMP/game.sh"
  chmod +x "$E2E_TMP/game.sh"
  e2e_start_game "$E2E_TMP/game.sh"
  local title
  title=$(e2e_await_screen title 30) || e2e_fail "no title screen with $*"
  e2e_click "$title" 52 168   # the ranking button
  e2e_wait_for 20 e2e_find_window captioned "$want" || e2e_fail "with $*: no ranking window captioned \"$want\""
  e2e_log "with $*: the ranking reads \"$want\""
  kill "$GAME_PID"
  wait "$GAME_PID" 2>/dev/null
}

ranking_caption_is "Rankings" LANGUAGE=en LANG=ja_JP.UTF-8
ranking_caption_is "Rankings" LANGUAGE=fr:en
ranking_caption_is "ランキング" LANGUAGE=ja LANG=en_US.UTF-8
ranking_caption_is "ランキング" LANG=C
ranking_caption_is "ランキング" LANG=de_DE.UTF-8
e2e_log "each language as the environment asked"
