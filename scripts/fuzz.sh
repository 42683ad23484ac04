#!/usr/bin/env bash
# Builds the model-file, system-text and exact-check fuzzers (clang, libFuzzer,
# AddressSanitizer and UBSan) in build-fuzz/ and runs each for SECONDS seconds (default 60)
# on a copy of its corpus (fuzz/corpus, fuzz/corpus_text, fuzz/corpus_exact) in a temporary
# folder, so the checked-in seeds stay as they are. Exits non-zero when the fuzzer finds
# anything: a crash, a sanitizer report, a failed check, a timeout or running out of memory.
# Findings are kept in build-fuzz/findings/.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
case $seconds in
  '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 64 ;;
esac

cxx=${CXX_FUZZ:-$(command -v clang++ || command -v clang++-14 || true)}
if [[ -z $cxx ]]; then
  echo "fuzz.sh: clang++ is needed for libFuzzer" >&2
  exit 1
fi

echo "== Build the fuzzers =="
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build build-fuzz --target model_file_fuzzer system_text_fuzzer exact_check_fuzzer

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r fuzz/corpus "$work/corpus"
cp -r fuzz/corpus_text "$work/corpus_text"
cp -r fuzz/corpus_exact "$work/corpus_exact"
findings=build-fuzz/findings
mkdir -p "$findings"

status=0
# -timeout: one input may take at most 10 s; -max_len: model files are small, 64 KB is ample
# (a system for the exact check is at most 2,593 bytes: MAX_LEN sets less).
fuzz() {
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$@" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len="${MAX_LEN:-65536}" -timeout=10 \
    -artifact_prefix="$findings/" -print_final_stats=1 || status=$?
}
echo "== Fuzz Readfile for ${seconds} s =="
fuzz build-fuzz/model_file_fuzzer "$work/corpus" -dict=fuzz/model_file.dict
echo "== Fuzz the system text reader for ${seconds} s =="
fuzz build-fuzz/system_text_fuzzer "$work/corpus_text"
echo "== Fuzz the exact check for ${seconds} s =="
MAX_LEN=2600 fuzz build-fuzz/exact_check_fuzzer "$work/corpus_exact"

if [[ $status -ne 0 ]]; then
  echo "fuzz.sh: the fuzzer found a problem (exit $status); inputs are in $findings/:" >&2
  ls -l "$findings" >&2
  exit 1
fi
echo "fuzz.sh: no findings in ${seconds} s"
