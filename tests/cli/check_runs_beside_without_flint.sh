#!/bin/sh
# korvel-cli's other commands must not load FLINT (only check needs it, and runs in
# korvel-cli-check); check must still give its output and exit status through that program.
# Usage: check_runs_beside_without_flint.sh KORVEL_CLI
set -u
cli=$1
status=0

log=$(LD_DEBUG=libs "$cli" solve 2>&1 >/dev/null)
if ! printf '%s\n' "$log" | grep -q 'init: .*libQt6Core'; then
    echo "FAIL: no loader log for korvel-cli solve (LD_DEBUG ignored?)"; status=1
elif printf '%s\n' "$log" | grep -q 'libflint'; then
    echo "FAIL: korvel-cli solve loads FLINT"; status=1
else
    echo "ok: korvel-cli solve without FLINT"
fi

out=$("$cli" check --example test)
code=$?
if [ $code -ne 0 ] || [ "$(printf '%s\n' "$out" | head -n 1)" != "Unique solution." ]; then
    echo "FAIL: korvel-cli check exited with $code and printed: $out"; status=1
else
    echo "ok: korvel-cli check"
fi
"$cli" check --example 9 2>/dev/null
code=$?
if [ $code -ne 64 ]; then
    echo "FAIL: korvel-cli check --example 9 exited with $code, not 64"; status=1
else
    echo "ok: korvel-cli check usage"
fi
exit $status
