#!/usr/bin/env bash
# Fails when a C or C++ file of the project differs from the layout .clang-format gives it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h' '*.c')
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
