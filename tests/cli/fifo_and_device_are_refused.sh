#!/bin/bash
# korvel-cli refuses a FIFO or an endless device as its model file at once, naming it; a
# FIFO as the file to write is refused too, and stays a FIFO.
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

mkfifo "$dir/out.fifo"
printf '2,1,5\n1,3,10\n' > "$dir/system.csv"
for command in save export print; do
    timeout 20 "$cli" $command "$dir/system.csv" "$dir/out.fifo" > "$dir/out" 2> "$dir/err"
    status=$?
    [ $status -eq 1 ] || fail "exit status $status for $command to a FIFO"
    grep -qF "not a regular file: $dir/out.fifo" "$dir/err" ||
        fail "message for $command to a FIFO: $(cat "$dir/err")"
    [ -p "$dir/out.fifo" ] || fail "$command replaced the FIFO"
done
echo "refused at once"
