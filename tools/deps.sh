#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
# Installs what Pokurimo needs to build, run and test, and only what is missing.
# Debian and Ubuntu only; on other systems install the equivalents by hand:
#   Qt 6 (Widgets, Multimedia, Test, LinguistTools) development files and platform plugins,
#   CMake, a C++20 compiler, Google Benchmark, a Japanese proportional Gothic
#   font (IPAPGothic), and for the tests Xvfb, xdotool, openbox, PulseAudio,
#   and sway with Xwayland and the Wayland client library.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  # picture data is inflated within bounds before it is decoded
  zlib1g-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6
  qt6-qpa-plugins libgl-dev libx11-dev
  # the English translation: lupdate/lrelease and CMake's Qt6LinguistTools
  qt6-l10n-tools qt6-tools-dev
  fonts-ipafont-gothic
  libbenchmark-dev
  xvfb xauth xdotool x11-utils pulseaudio pulseaudio-utils
  # the X11 end-to-end tests run once more under a window manager
  openbox
  fonts-dejavu-core
  dpkg-dev file
  # the package test validates the desktop entry and the AppStream metadata
  desktop-file-utils appstream
  # the Debian copyright file is written from the REUSE information; the release
  # checks lint the tree and the package and render the manual page
  python3 reuse git lintian groff-base man-db
  # the benchmarks read Google Benchmark's JSON
  jq
  # the Wayland test: sway with Xwayland, its own virtual pointer client, and
  # xhost to let the game (run as root in CI) onto sway's Xwayland
  sway xwayland libwayland-dev libwayland-bin x11-xserver-utils
)

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  echo "deps.sh: this is not a Debian/Ubuntu system. Install by hand: ${packages[*]}" >&2
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null 2>&1 || { echo "deps.sh: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "deps.sh: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
