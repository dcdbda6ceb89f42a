#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
# What a distribution checks before it takes a release:
#   release_checks.sh reuse <source dir>           reuse lint, and the SPDX header tool on a copy
#   release_checks.sh man <page> <game>            the manual page renders cleanly and lists every option
#   release_checks.sh cli <game> <version>         --help, --version and refused arguments, with no display
#   release_checks.sh lintian <build dir>          Debian's own checker on the package the tests built
set -euo pipefail

mode=${1:?mode: reuse, man, cli or lintian}
work=$(mktemp -d "${TMPDIR:-/tmp}/pokurimo-release.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

need() {
  command -v "$1" >/dev/null 2>&1 || fail "$1 is missing (make deps installs it)"
}

# A git repository holding the source tree's files as they are now.
copy_tree() {
  local src=$1 copy=$2
  mkdir -p "$copy"
  git -C "$src" ls-files -co --exclude-standard -z | (cd "$src" && tar -c --null -T -) | tar -x -C "$copy"
  git -C "$copy" init -q && git -C "$copy" add -A
}

check_reuse() {
  local src=$1 copy=$work/copy
  need reuse
  need git
  reuse --root "$src" lint >"$work/lint.log" 2>&1 || { cat "$work/lint.log" >&2; fail "reuse lint fails"; }
  # The header tool, on a copy: it heads every C++ file, keeps #! lines first,
  # changes nothing the second time, and the tree stays compliant with the same
  # copyright file.
  copy_tree "$src" "$copy"
  python3 "$src/packaging/copyright_from_reuse.py" "$copy" "$work/before"
  bash "$src/tools/spdx_headers.sh" "$copy" >/dev/null
  git -C "$copy" add -A
  local tag="SPDX-License""-Identifier: MIT" f
  for f in app/main.cpp game/GameSession.h CMakeLists.txt tests/package/release_checks.sh; do
    grep -q "$tag" "$copy/$f" || fail "spdx_headers.sh gave $f no header"
  done
  [[ $(head -n 1 "$copy/tests/package/release_checks.sh") == "#!/usr/bin/env bash" ]] ||
    fail "spdx_headers.sh moved a #! line"
  [[ $(bash "$src/tools/spdx_headers.sh" "$copy") == *" 0 files "* ]] || fail "spdx_headers.sh is not idempotent"
  git -C "$copy" diff --quiet || fail "a second run of spdx_headers.sh changed files"
  reuse --root "$copy" lint >"$work/lint.log" 2>&1 || { cat "$work/lint.log" >&2; fail "reuse lint fails after spdx_headers.sh"; }
  python3 "$src/packaging/copyright_from_reuse.py" "$copy" "$work/after"
  diff -u "$work/before" "$work/after" || fail "the headers changed the copyright file"
  echo "PASS: reuse lint, and spdx_headers.sh keeps the tree compliant"
}

check_man() {
  local page=$1 game=$2 option
  need groff
  groff -ww -man -z "$page" 2>"$work/groff.log"
  [[ ! -s $work/groff.log ]] || { cat "$work/groff.log" >&2; fail "groff warns about the manual page"; }
  grep -q '^pokurimo \\- ' "$page" || fail "the NAME line is not 'pokurimo \\- summary'"
  for option in $(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --help | grep -o -- '--[a-z-]*'); do
    grep -qF -- "${option//-/\\-}" "$page" || fail "the manual page does not document $option"
  done
  echo "PASS: the manual page renders without warnings and documents every option"
}

# Runs the game with the given arguments and no display at all.
run_game() {
  local rc=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@" >"$work/out" 2>"$work/err" || rc=$?
  echo "$rc"
}

check_cli() {
  game=$1
  local version=$2 arg
  for arg in --version -v; do
    [[ $(run_game "$arg") == 0 ]] || fail "$arg failed: $(cat "$work/err")"
    [[ $(cat "$work/out") == "Pokurimo $version" ]] || fail "$arg printed '$(cat "$work/out")'"
  done
  [[ $(run_game --help) == 0 ]] || fail "--help failed: $(cat "$work/err")"
  grep -q "^Usage: .*pokurimo \[options\]" "$work/out" && grep -q -- "--version" "$work/out" ||
    fail "--help printed: $(cat "$work/out")"
  # Each refused command line, and the word its message must name.
  local refused word
  for refused in "--frobnicate:frobnicate" "stray:stray" "--version stray:stray" "-platform xcb:platform" \
    "--stage 9:--stage 9" "--level 3:a level is 1 or 2" "--stage x:--stage x" "--course /nonexistent:course.json" \
    "--from 2:add --practice" "--practice --from 99:--from 99" "--practice --stage 2 --from 0:practice does not begin there"; do
    arg=${refused%:*} word=${refused##*:}
    # shellcheck disable=SC2086  # several words are several arguments
    [[ $(run_game $arg) == 2 ]] || fail "'$arg' did not exit with 2: $(cat "$work/err")"
    [[ ! -s $work/out ]] || fail "'$arg' printed to stdout"
    grep -qF -- "$word" "$work/err" && grep -qF -- "pokurimo --help" "$work/err" ||
      fail "'$arg' gave no clear message: $(cat "$work/err")"
  done
  echo "PASS: --help, --version and refused arguments"
}

check_lintian() {
  local build=$1 debs
  need lintian
  debs=("$build"/package-test/pokurimo_*.deb)
  [[ -f ${debs[0]} ]] || fail "no package in $build/package-test: run the package_deb_build test"
  # Errors and warnings fail; informational tags are shown but allowed.
  lintian --fail-on error,warning --display-info --tag-display-limit 0 "${debs[0]}" | tee "$work/lintian.log" ||
    fail "lintian finds errors or warnings"
  echo "PASS: lintian $(basename "${debs[0]}")"
}

case $mode in
  reuse) check_reuse "${2:?source dir}" ;;
  man) check_man "${2:?manual page}" "${3:?game}" ;;
  cli) check_cli "${2:?game}" "${3:?version}" ;;
  lintian) check_lintian "${2:?build dir}" ;;
  *) fail "unknown mode $mode" ;;
esac
