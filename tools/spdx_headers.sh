#!/usr/bin/env bash
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

# The comment leader for a file, or nothing when it keeps its licence in dep5.
leader_for() {
  case $1 in
    *.cpp | *.h) echo "//" ;;
    *.sh | *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt | Makefile | .gitignore | .ci/*) echo "#" ;;
    *.desktop) echo "#" ;;
    *.[1-9]) echo '.\"' ;;
    *) ;;
  esac
}

header() {
  printf '%s %s: %s\n%s %s: %s\n' "$1" "$copyright_tag" "$holder" "$1" "$licence_tag" "$licence"
}

add_header() {
  local file=$1 leader=$2 tmp
  tmp=$(mktemp "$file.XXXXXX")
  {
    # A #! line must stay the first line.
    if [[ $(head -c 2 "$file") == "#!" ]]; then
      head -n 1 "$file"
      header "$leader"
      tail -n +2 "$file"
    else
      header "$leader"
      [[ $leader == "//" || $leader == "#" ]] && echo
      cat "$file"
    fi
  } >"$tmp"
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
}

changed=0
while IFS= read -r -d '' file; do
  leader=$(leader_for "$file")
  [[ -n $leader && -f $file ]] || continue
  grep -q "$licence_tag" "$file" && continue
  add_header "$file" "$leader"
  changed=$((changed + 1))
done < <(git ls-files -z)
echo "spdx_headers: $changed files given a header"
