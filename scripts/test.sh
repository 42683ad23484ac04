#!/usr/bin/env bash
# Builds Korvel and runs every test:
#   1. the whole suite (core tests without a display, screen tests on the offscreen platform);
#   2. the core tests again in a build with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the model-file reader under libFuzzer for a minute (sanitizers on);
#   4. the installed desktop program: desktop entry, AppStream data, MIME type, .deb package.
# Any failure or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
# Screen tests need no display; Qt wants a private runtime folder when none is set.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

echo "== Build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Core tests with AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVEL_CORE_ONLY=ON \
  -DKORVEL_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== Fuzz the model-file reader =="
bash scripts/fuzz.sh 60

echo "== Installed program =="
bash scripts/check-install.sh build
