#!/usr/bin/env bash
# Builds Korvel and starts it. Any arguments are passed on (a model file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --runtime
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target korvel
exec build/src/app/korvel "$@"
