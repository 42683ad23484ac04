#!/bin/bash
# korvel-cli given file names that are not UTF-8, as a shell passes them (bytes): the files it
# reads and makes carry exactly those bytes, and no name with U+FFFD in it appears.
set -u
cli=$1
export LC_ALL=C
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && cd "$dir" || exit 1
printf '2,1,5\n1,3,10\n' >in.csv && cp in.csv $'bad\xff\xfe.csv' && mkdir $'d\xff'
printf keep >$'r\xef\xbf\xbd.kvl' && printf old >$'old\xfe.kvl'
status=0 && fail() { echo "FAIL: $*"; status=1; }
# exit status | the file the command makes | how it begins | the command
while IFS='|' read -r code made start command; do
    eval "set -- $command" && eval "made=$made"
    "$cli" "$@" >/dev/null 2>err; got=$?
    [ "$got" = "$code" ] || fail "$command gave $got: $(cat err)"
    [ -z "$made" ] || [ "$(head -c ${#start} -- "$made" 2>&1)" = "$start" ] ||
        fail "$command made no $made beginning $start"
done <<'CASES'
0|$'r\xfe.kvl'|"KORVEL"|save in.csv $'r\xfe.kvl'
0|||solve $'bad\xff\xfe.csv'
0|$'out\xe9.txt'|KORVEL|export $'bad\xff\xfe.csv' $'out\xe9.txt'
0|$'old\xfe.kvl'|"KORVEL"|save in.csv $'old\xfe.kvl'
0|$'d\xff/m\xfe.kvl'|"KORVEL"|save $'bad\xff\xfe.csv' $'d\xff/m\xfe.kvl'
0|$'p\xe9.pdf'|%PDF|print $'r\xfe.kvl' $'p\xe9.pdf'
1|||solve $'none\xff.csv'
CASES
grep -qF 'File not found: '"$dir"'/none\xFF.csv' err || fail "the name unreadable: $(cat err)"
# Exactly these names: the one with U+FFFD untouched, no stand-in name left behind.
[ "$(ls -A | tr '\n' '/')" = $'bad\xff\xfe.csv/d\xff/err/in.csv/old\xfe.kvl/out\xe9.txt/p\xe9.pdf/r\xef\xbf\xbd.kvl/r\xfe.kvl/' ] ||
    fail "names: $(ls -A | od -c)"
[ "$(ls -A $'d\xff'; cat $'r\xef\xbf\xbd.kvl')" = $'m\xfe.kvl\nkeep' ] || fail "the folder, or U+FFFD file"
exit $status
