#!/usr/bin/env bash
# Builds Korvel and runs every test, in these stages:
#   1. install the Debian packages for building and testing;
#   2. the formatting of every C and C++ file (clang-format, .clang-format);
#   3. the whole suite (core tests without a display, screen tests on the offscreen platform,
#      the read-only-folder test again as an unprivileged user);
#   4. the whole suite again (screen tests included) in a build with AddressSanitizer and
#      UndefinedBehaviorSanitizer;
#   5. the model-file reader, the system-text reader and the exact check under libFuzzer,
#      a minute each (scripts/fuzz.sh; sanitizers on);
#   6. the installed desktop program: desktop entry, AppStream data, MIME type, .deb package.
# Its builds treat warnings as errors (KORVEL_WERROR), so a new warning fails the run.
# Any failure or sanitizer report fails the run. Each stage says how long it took, and a
# summary of the times comes before the last line, which says whether every stage passed,
# or names the stage that failed.
set -euo pipefail
cd "$(dirname "$0")/.."

stage="none yet"
stages_passed=0
scratch_runtime=
stage_started=$SECONDS
stage_times=()
minutes() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }
end_stage() { # the running stage ends, passed or not: its time is told and kept
  local took=$((SECONDS - stage_started))
  echo "== $stage: $(minutes $took) =="
  stage_times+=("$(printf '%8s  %s' "$(minutes $took)" "$stage")")
}
finish() {
  local status=$?
  [[ -n $scratch_runtime ]] && rm -rf "$scratch_runtime"
  [[ $stage != "none yet" ]] && end_stage
  echo
  echo "Time taken by each stage:"
  printf '%s\n' "${stage_times[@]}"
  printf '%8s  %s\n' "$(minutes $SECONDS)" "in all"
  if ((status)); then
    echo "test.sh: FAILED in stage $((stages_passed + 1)) of 6, \"$stage\" (exit status $status)"
  else
    echo "test.sh: all 6 stages passed"
  fi
}
trap finish EXIT
begin() { # begin NAME: a stage starts; the one before it passed
  if [[ $stage != "none yet" ]]; then
    stages_passed=$((stages_passed + 1))
    end_stage
  fi
  stage=$1
  stage_started=$SECONDS
  echo "== $stage =="
}

begin "Install packages"
bash scripts/install-deps.sh
jobs=$(nproc)
# Screen tests need no display; Qt wants a private runtime folder when none is set.
if [[ -z ${XDG_RUNTIME_DIR:-} || ! -d $XDG_RUNTIME_DIR ]]; then
  scratch_runtime=$(mktemp -d)
  chmod 700 "$scratch_runtime"
  export XDG_RUNTIME_DIR=$scratch_runtime
fi

begin "Formatting"
bash scripts/check-format.sh

begin "Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs"

begin "All tests with AddressSanitizer and UndefinedBehaviorSanitizer"
# Every test, the screens' included; the benchmarks are not tests and are left out. The
# tests' own environment (tests/CMakeLists.txt) names the leaks of Qt that are not ours.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVEL_CORE_ONLY=OFF \
  -DKORVEL_SANITIZE=ON -DKORVEL_WERROR=ON -DKORVEL_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j "$jobs"

begin "Fuzz the readers and the exact check"
bash scripts/fuzz.sh 60

begin "Installed program"
bash scripts/check-install.sh build
stages_passed=6
