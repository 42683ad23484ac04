#!/usr/bin/env bash
# Builds Korvel and starts it. Any arguments are passed on (a model file to open).
# Needs only the packages for building and running (install-deps.sh --runtime): the tests
# and benchmarks are left out when their libraries are not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --runtime
# Qt wants a private runtime folder; a root login or a bare console often has none.
if [[ -z ${XDG_RUNTIME_DIR:-} || ! -d $XDG_RUNTIME_DIR ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target korvel
# Without a display Qt would abort with its platform-plugin message: say what is missing.
if [[ -z ${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-} ]]; then
  echo "run.sh: Korvel is built (build/src/app/korvel) but needs a graphical session to start:" \
    "neither DISPLAY nor WAYLAND_DISPLAY is set. korvel-cli needs none" \
    "(cmake --build build --target korvel-cli builds it)." >&2
  exit 1
fi
status=0
build/src/app/korvel "$@" || status=$?
exit $status
