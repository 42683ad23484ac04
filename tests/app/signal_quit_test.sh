#!/bin/sh
# A termination signal ends a running korvel through Terminate: the run-check file then
# says "Normal Exit". Runs a copy of the program in its own folder, so the run-check file
# is the test's own.
set -u
program=$1
signal=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/korvel"
export HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_DATA_HOME="$dir/home/.local/share"
export KORVEL_REGISTRY_DIR="$dir/registry" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$KORVEL_REGISTRY_DIR"
"$dir/korvel" &
pid=$!
tries=0
until grep -q '"Running"' "$dir/Run_Check.txt" 2>/dev/null; do
  tries=$((tries + 1))
  if [ $tries -gt 200 ]; then echo "korvel never recorded Running"; kill -9 $pid; exit 1; fi
  sleep 0.1
done
sleep 0.5 # the first screen's event loop is running
kill -"$signal" $pid
wait $pid
status=$?
first=$(head -n 1 "$dir/Run_Check.txt" | tr -d '\r')
echo "exit status $status, run-check file: $first"
[ "$first" = '"Normal Exit"' ] && [ $status -eq 0 ]
