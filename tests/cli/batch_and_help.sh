#!/bin/bash
# korvel-cli as a script runs it: several systems in one run, a failing one in the middle
# (solve in korvel-cli, check in korvel-cli-check on two threads), and --help, --version
# and unknown options with their exit statuses and streams, for each program.
# Usage: batch_and_help.sh KORVEL_CLI VERSION
set -u
cli=$1
version=$2
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && cd "$dir" || exit 1
status=0 && fail() { echo "FAIL: $*"; status=1; }
printf '2,1,5\n1,3,10\n' >a.csv && printf '1 1 2\n1 -1 0\n' >c.txt
"$cli" save --example 11-2 b.kvl || fail "save"

# Runs the command; $code, $out and $err hold what it gave.
run() { "$cli" "$@" >out 2>err; code=$?; out=$(cat out); err=$(cat err); }

run solve a.csv b.kvl missing.csv c.txt
[ "$code" = 1 ] || fail "solve with a missing file exited $code"
[ "$(cut -f1 out | uniq | tr '\n' ' ')" = "a.csv b.kvl c.txt " ] || fail "solve rows: $out"
[ "$(wc -l <out)" = 10 ] || fail "solve printed $(wc -l <out) rows"
[[ $err == "missing.csv: Error 53   (File not found: $dir/missing.csv)" ]] || fail "solve said: $err"

run check --jobs 2 --json a.csv missing.csv b.kvl c.txt
[ "$code" = 1 ] || fail "check with a missing file exited $code"
[ "$(grep -o '^{"file":"[^"]*"' out | tr '\n' ' ')" = '{"file":"a.csv" {"file":"b.kvl" {"file":"c.txt" ' ] ||
    fail "check lines: $out"
[[ $err == "missing.csv: Error 53"* && $err != *$'\r'* ]] || fail "check said: $err"

# stream (out or err, where the text goes; the other stays empty) | exit status | start | command
while IFS='|' read -r stream want start command; do
    eval "set -- $command"
    run "$@"
    [ "$code" = "$want" ] || fail "$command exited $code"
    if [ "$stream" = out ]; then shown=$out quiet=$err; else shown=$err quiet=$out; fi
    [[ $shown == "$start"* ]] || fail "$command printed on $stream: $shown"
    [ -z "$quiet" ] || fail "$command printed on the other stream: $quiet"
done <<CASES
out|0|korvel-cli: |--help
out|0|usage: korvel-cli solve |solve --help
out|0|usage: korvel-cli check |check --help
out|0|usage: korvel-cli steps |steps -h
out|0|usage: korvel-cli print |print --help
out|0|korvel-cli $version|--version
err|64|korvel-cli: Unknown option 'frob'.|--frob
err|64|korvel-cli: Unknown option 'frob'.|solve a.csv --frob
err|64|korvel-cli: Unknown option 'frob'.|check --frob a.csv
err|64|korvel-cli: |steps --pivot
err|64|korvel-cli: |print a.csv
CASES
exit $status
