#!/bin/sh
# korvel-cli's solve, save and export must not load Qt Gui (only print needs it, and runs in
# korvel-cli-print); print must still write its PDF through that program.
# Usage: commands_without_qt_gui.sh KORVEL_CLI
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
status=0

# Runs one command with the dynamic loader's library log; fails if Qt Gui is among them.
check() {
    log=$(LD_DEBUG=libs "$cli" "$@" 2>&1 >/dev/null)
    code=$?
    if [ $code -ne 0 ]; then
        echo "FAIL: korvel-cli $* exited with $code"; status=1
    elif ! printf '%s\n' "$log" | grep -q 'init: .*libQt6Core'; then
        echo "FAIL: no loader log for korvel-cli $* (LD_DEBUG ignored?)"; status=1
    elif printf '%s\n' "$log" | grep -q 'libQt6Gui'; then
        echo "FAIL: korvel-cli $* loads Qt Gui:"
        printf '%s\n' "$log" | grep 'init: ' | grep -o '[^ ]*Qt6Gui[^ ]*'
        status=1
    else
        echo "ok: korvel-cli $*"
    fi
}

check solve
check save --example 11-2 "$dir/ex.kvl"
check solve "$dir/ex.kvl"
check export "$dir/ex.kvl" "$dir/out.txt"

"$cli" print "$dir/ex.kvl" "$dir/out.pdf"
code=$?
if [ $code -ne 0 ] || [ "$(head -c 5 "$dir/out.pdf" 2>/dev/null)" != "%PDF-" ]; then
    echo "FAIL: korvel-cli print exited with $code and wrote no PDF"; status=1
else
    echo "ok: korvel-cli print"
fi
exit $status
