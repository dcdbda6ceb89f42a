#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
# Gives every tracked source file that lacks one an SPDX header:
#   tools/spdx_headers.sh [tree]        (the tree defaults to the current folder)
# C++ files get // comments, build files and scripts # comments (below a #! line),
# the man page .\" comments. Files that already name a licence are left alone, so
# running it twice changes nothing. Pictures, sounds, maps, Markdown and the
# AppStream metadata keep their licence in .reuse/dep5.
set -euo pipefail

readonly holder="2026 The Pokurimo developers"
readonly licence="MIT"
# Spelt in two pieces so that REUSE tools do not read this script's own lines as tags.
readonly copyright_tag="SPDX-File""CopyrightText"
readonly licence_tag="SPDX-License""-Identifier"
tree=${1:-.}
cd "$tree"

# Sets $leader to the file's comment leader, or to nothing when the file keeps
# its licence in dep5.
leader_for() {
  case $1 in
    *.cpp | *.h) leader="//" ;;
    *.sh | *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt | Makefile | .gitignore | .ci/* | *.desktop) leader="#" ;;
    *.[1-9]) leader='.\"' ;;
    *) leader="" ;;
  esac
}

header() {
  printf '%s %s: %s\n%s %s: %s\n' "$leader" "$copyright_tag" "$holder" "$leader" "$licence_tag" "$licence"
}

# Writes the file anew through a temporary copy; the file keeps its mode.
add_header() {
  local file=$1 tmp=$1.spdx-tmp first=""
  IFS= read -r first <"$file" || true
  {
    if [[ $first == "#!"* ]]; then  # a #! line must stay the first line
      printf '%s\n' "$first"
      header
      tail -n +2 "$file"
    else
      header
      [[ $leader == '.\"' ]] || echo
      cat "$file"
    fi
  } >"$tmp"
  cat "$tmp" >"$file"
  rm "$tmp"
}

changed=0
while IFS= read -r -d '' file; do
  leader_for "$file"
  [[ -n $leader && -f $file ]] || continue
  grep -q "$licence_tag" "$file" && continue
  add_header "$file"
  changed=$((changed + 1))
done < <(git ls-files -z)
echo "spdx_headers: $changed files given a header"
