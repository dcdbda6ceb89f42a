#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
# Installs the game into a private root and plays its first seconds there:
#   installed_game.sh install <build dir>   cmake --install with DESTDIR (the fast path)
#   installed_game.sh deb <build dir>       the Debian package built by build-deb, unpacked with dpkg -x
#   installed_game.sh build-deb <build dir> only builds that package, into <build dir>/package-test
# Then checks the installed files and the desktop integration, starts the
# installed game on its own X server, sees the title window, clicks たこレベル
# and sees the play screen, which needs the course maps from share/games/pokurimo.
# Exits 77 (skipped) only when no X server can be started.
set -euo pipefail

mode=${1:?mode: install or deb}
build=$(cd "${2:?build dir}" && pwd)
readonly skip=77
readonly app_id=io.github.pokurimo.Pokurimo

work=$(mktemp -d "${TMPDIR:-/tmp}/pokurimo-package.XXXXXX")
root=$work/root
xvfb_pid=""
game_pid=""
cleanup() {
  set +e  # a game already gone must not stop the X server's cleanup
  [[ -n $game_pid ]] && kill -9 "$game_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [[ -s $work/game.log ]]; then
    echo "--- game output ---" >&2
    tail -n 40 "$work/game.log" >&2
  fi
  exit 1
}

need() {
  command -v "$1" >/dev/null 2>&1 || fail "$1 is missing (make deps installs it)"
}

install_with_cmake() {
  DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }
}

# The package's control fields: what apt will pull in and where it is filed.
check_control() {
  local deb=$1 depends
  [[ $(dpkg-deb -f "$deb" Package) == pokurimo ]] || fail "package name is not pokurimo"
  [[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "section is not games"
  [[ -n $(dpkg-deb -f "$deb" Maintainer) ]] || fail "no maintainer"
  [[ -n $(dpkg-deb -f "$deb" Description) ]] || fail "no description"
  depends=$(dpkg-deb -f "$deb" Depends)
  local p listed
  for p in libqt6widgets6 libqt6gui6 libqt6core6 libqt6multimedia6 qt6-qpa-plugins fonts-ipafont-gothic libpulse0; do
    listed="(^|[ ,])$p([ ,(]|\$)"
    [[ $depends =~ $listed ]] || fail "Depends lacks $p: $depends"
  done
}

# The package the package tests share (built once, as a CTest fixture).
build_deb() {
  local out=$build/package-test
  rm -rf "$out"
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
  local debs=("$out"/pokurimo_*.deb)
  [[ -f ${debs[0]} ]] || fail "cpack made no pokurimo_*.deb"
  echo "PASS: built ${debs[0]}"
}

install_from_deb() {
  need dpkg-deb
  local debs=("$build"/package-test/pokurimo_*.deb)
  [[ -f ${debs[0]} ]] || fail "no package in $build/package-test: run the package_deb_build test"
  check_control "${debs[0]}"
  dpkg -x "${debs[0]}" "$root"
  check_changelog "${debs[0]}"
}

# The changelog is Debian's format, and its newest entry is this package.
check_changelog() {
  local deb=$1 changelog=$work/changelog
  need dpkg-parsechangelog
  gzip -dc "$root/usr/share/doc/pokurimo/changelog.gz" >"$changelog"
  [[ $(dpkg-parsechangelog -l "$changelog" -S Version) == "$(dpkg-deb -f "$deb" Version)" ]] ||
    fail "the changelog's newest entry is not this package's version"
  [[ $(dpkg-parsechangelog -l "$changelog" -S Maintainer) == "$(dpkg-deb -f "$deb" Maintainer)" ]] ||
    fail "the changelog is signed by someone other than the maintainer"
}

check_files() {
  local usr=$root/usr f size
  [[ -x $usr/games/pokurimo ]] || fail "games/pokurimo is not installed"
  for f in course.json dat/map1.dat dat/map2.dat sound/Click.wav sound/Out.wav sound/Start.wav \
    courses/sea-snow/course.json courses/sea-snow/map1.png courses/sea-snow/map2.png; do
    [[ -s $usr/share/games/pokurimo/$f ]] || fail "share/games/pokurimo/$f is not installed"
  done
  gzip -t "$usr/share/man/man6/pokurimo.6.gz" 2>/dev/null || fail "no compressed manual page"
  gzip -t "$usr/share/doc/pokurimo/changelog.gz" 2>/dev/null || fail "no compressed changelog"
  check_copyright "$usr/share/doc/pokurimo/copyright"
  for size in 16 32 48 128 256; do
    f=$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [[ -f $f ]] || fail "no ${size}px icon"
    file -b "$f" | grep -q "PNG image data, $size x $size," || fail "the ${size}px icon is $(file -b "$f")"
  done
}

# Generated from the REUSE information: MIT (Debian's Expat) for the tree,
# CC0 for the AppStream metadata, and the text of both.
check_copyright() {
  local copyright=$1
  [[ -s $copyright ]] || fail "no copyright file"
  head -n 1 "$copyright" | grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "the copyright file is not machine-readable"
  grep -A2 -x "Files: \*" "$copyright" | grep -qx "License: Expat" || fail "the tree is not under Expat (MIT)"
  grep -A2 "^Files: .*metainfo.xml.in" "$copyright" | grep -qx "License: CC0-1.0" || fail "the metadata is not CC0"
  grep -q "^ Permission is hereby granted" "$copyright" || fail "the MIT licence text is missing"
}

check_desktop_integration() {
  need desktop-file-validate
  need appstreamcli
  local entry=$root/usr/share/applications/$app_id.desktop
  [[ -f $entry ]] || fail "no desktop entry"
  desktop-file-validate "$entry" || fail "desktop entry does not validate"
  grep -qx "Exec=pokurimo" "$entry" || fail "desktop entry does not start pokurimo"
  grep -qx "Icon=$app_id" "$entry" || fail "desktop entry names another icon"
  # validate-tree also checks that the metadata's launchable entry is there.
  appstreamcli validate-tree --no-net "$root/usr" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "AppStream metadata does not validate"; }
  local metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || true
  if grep -q "^[EW]:" "$work/appstream.log"; then
    cat "$work/appstream.log" >&2
    fail "AppStream metadata has errors or warnings"
  fi
  # The Japanese name is spelt as on the title picture, the same in both.
  grep -qx "Name\[ja\]=ぽくりも" "$entry" || fail "the desktop entry's Japanese name is not ぽくりも"
  grep -q '<name xml:lang="ja">ぽくりも</name>' "$metainfo" || fail "the AppStream Japanese name is not ぽくりも"
}

start_xvfb() {
  command -v Xvfb >/dev/null 2>&1 || { echo "SKIP: Xvfb is not installed"; exit $skip; }
  # -noreset: a server that resets when its last client leaves may not be there
  # for the next one. The number and its newline are written apart: wait for both.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  local i
  for ((i = 0; i < 100; i++)); do
    grep -q '^[0-9][0-9]*$' "$work/display" && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  grep -q '^[0-9][0-9]*$' "$work/display" || { echo "SKIP: Xvfb could not start: $(head -c 300 "$work/xvfb.log")"; exit $skip; }
  export DISPLAY=":$(head -n 1 "$work/display")"
}

# The game on its own display with its own settings and no sound server.
start_game() {
  mkdir -p "$work/config" "$work/runtime"
  chmod 700 "$work/runtime"
  echo "autospawn = no" >"$work/pulse-client.conf"
  (
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
    export PULSE_CLIENTCONFIG=$work/pulse-client.conf PULSE_SERVER=unix:$work/runtime/no-pulse
    export ASAN_OPTIONS=detect_leaks=0
    exec "$root/usr/games/pokurimo" "$@"
  ) >"$work/game.log" 2>&1 &
  game_pid=$!
}

# The first visible window of the game with the given size, looked for up to
# $3 seconds. Screens are told apart by size: every window's title reads
# "Pokurimo" (an empty title shows the application's name).
wait_for_window() {
  local width=$1 height=$2 seconds=$3 deadline wid geometry
  deadline=$((SECONDS + seconds))
  while ((SECONDS < deadline)); do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended while its window was awaited"
    for wid in $(xdotool search --all --onlyvisible --pid "$game_pid" --name '.*' 2>/dev/null); do
      geometry=$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null) || continue
      [[ $geometry == *"WIDTH=$width"*"HEIGHT=$height"* ]] && { echo "$wid"; return 0; }
    done
    sleep 0.1
  done
}

play_first_seconds() {
  need xdotool
  start_game
  local title play="" attempt
  title=$(wait_for_window 357 254 60)
  [[ -n $title ]] || fail "no title window within 60 s"
  # たこレベル: a click in the left-hand level button opens the play screen.
  # A window just mapped may not take the first click yet: try a few times.
  for attempt in 1 2 3; do
    xdotool mousemove --window "$title" 52 116 click 1 2>/dev/null || true
    play=$(wait_for_window 439 439 15)
    [[ -n $play ]] && break
  done
  [[ -n $play ]] || fail "the play screen did not open: the course maps were not found"
}

# The command line opens a stage straight away: the play screen, no title.
open_a_stage() {
  kill -9 "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null || true  # killed: its status is not ours
  start_game --level 2 --stage 2
  [[ -n $(wait_for_window 439 439 60) ]] || fail "--stage 2 opened no play screen"
  [[ -z $(wait_for_window 357 254 1) ]] || fail "--stage 2 showed the title screen"
}

case $mode in
  build-deb) build_deb; exit 0 ;;
  install) install_with_cmake ;;
  deb) install_from_deb ;;
  *) fail "unknown mode $mode" ;;
esac
check_files
check_desktop_integration
start_xvfb
play_first_seconds
open_a_stage
echo "PASS: the installed game ($mode) shows its title and opens the play screen, and opens stage 2 from its command line"
