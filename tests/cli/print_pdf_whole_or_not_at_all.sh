#!/bin/bash
# korvel-cli print writes its PDF whole or not at all: a write that fails (here the file
# size limit, as a full disk would) exits 1 and leaves the report that was there.
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "$*"; exit 1; }

"$cli" save --example 11-3 "$dir/m.kvl" 2>/dev/null || fail "save failed"
"$cli" print "$dir/m.kvl" "$dir/r.pdf" || fail "print failed"
[ "$(head -c 5 "$dir/r.pdf")" = "%PDF-" ] || fail "not a PDF"

printf 'old report' > "$dir/r.pdf"
(trap '' XFSZ; ulimit -f 2; exec "$cli" print "$dir/m.kvl" "$dir/r.pdf") 2> "$dir/err"
status=$?
[ $status -eq 1 ] || fail "exit status $status when the PDF cannot be written"
grep -q "has occurred in Print_to_Printer" "$dir/err" || fail "no report: $(cat "$dir/err")"
[ "$(cat "$dir/r.pdf")" = "old report" ] || fail "the old report was replaced"
[ "$(ls -A "$dir" | tr '\n' ' ')" = "err m.kvl r.pdf " ] || fail "left behind: $(ls -A "$dir")"
echo "PDF written whole or not at all"
