#!/bin/sh
# Times Korvel's start-up to its title screen: runs korvel_startup_bench on a private Xvfb
# display (no window manager), which starts build/src/app/korvel 10 times and reports each
# start and the median. Usage:
#   bench/startup.sh [BUILD_DIR] [benchmark options...]
# BUILD_DIR defaults to ./build; build first with
#   ninja -C BUILD_DIR korvel korvel_startup_bench
set -eu

build=${1:-build}
[ $# -gt 0 ] && shift
bench="$build/bench/korvel_startup_bench"
if [ ! -x "$bench" ]; then
    echo "startup.sh: $bench not found; build it with: ninja -C $build korvel_startup_bench" >&2
    exit 2
fi
command -v Xvfb >/dev/null || { echo "startup.sh: Xvfb is needed (apt-get install xvfb)" >&2; exit 2; }

# Xvfb picks a free display number and writes it to the descriptor given.
fifo_dir=$(mktemp -d)
trap 'rm -rf "$fifo_dir"' EXIT
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fifo_dir/display" 2>"$fifo_dir/xvfb.log" &
xvfb=$!
display=$(head -n 1 "$fifo_dir/display")
if [ -z "$display" ]; then
    echo "startup.sh: Xvfb did not start:" >&2
    cat "$fifo_dir/xvfb.log" >&2
    exit 2
fi
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$fifo_dir"' EXIT

status=0
DISPLAY=":$display" "$bench" "$@" || status=$?
exit "$status"
