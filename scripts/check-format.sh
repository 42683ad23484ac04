#!/usr/bin/env bash
# Fails when a C or C++ file of the project differs from the layout .clang-format gives it,
# and when it finds no file to check. Lists the files with find, not git, so that a copy of
# the tree without git (a minimal system, a source archive) is checked just the same; build
# folders and hidden folders are left out. Never reads standard input.
# Debian 12 has clang-format 14 and Debian 13 clang-format 19; they disagree on a few forms
# (`struct stat s {};` against `s{}`, a call broken before lambda arguments), which the code
# avoids (`= {}`, named lambdas) so that the check passes with either.
set -euo pipefail
cd "$(dirname "$0")/.."
exec </dev/null

if ! command -v clang-format >/dev/null; then
  echo "check-format.sh: clang-format is not installed (bash scripts/install-deps.sh installs it)" >&2
  exit 1
fi
folders=(src tests tools bench fuzz)
list=$(find "${folders[@]}" -type d \( -name 'build*' -o -name '.*' \) -prune -o \
  -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print | LC_ALL=C sort)
if [[ -z $list ]]; then
  echo "check-format.sh: no C or C++ files found in ${folders[*]}: nothing was checked" >&2
  exit 1
fi
mapfile -t files <<<"$list"
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
