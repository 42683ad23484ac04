#!/bin/bash
# korvel-cli refuses a FIFO or an endless device as its model file at once, naming it.
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "$*"; exit 1; }

mkfifo "$dir/f.kvl"
ln -s /dev/zero "$dir/z.kvl"
for model in "$dir/f.kvl" "$dir/z.kvl"; do
    timeout 20 "$cli" solve "$model" > "$dir/out" 2> "$dir/err"
    status=$?
    [ $status -eq 1 ] || fail "exit status $status for $model"
    grep -qF "Error 75   (Path/File access error: not a regular file: $model)" "$dir/err" ||
        fail "message for $model: $(cat "$dir/err")"
    [ ! -s "$dir/out" ] || fail "output for $model"
done
echo "refused at once"
