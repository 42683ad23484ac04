#!/bin/sh
# Runs a test program as a user whom file permissions bind. Root ignores permission bits, so
# tests of read-only folders skip themselves as root; CI runs as root. As root, the program
# is copied to a scratch folder the user "nobody" can read (the build folder may lie under
# /root) and run there as nobody; as anyone else it runs as it is.
#
#   run_unprivileged.sh PROGRAM [ARGUMENT...]
set -eu
program=$1
shift
if [ "$(id -u)" -ne 0 ]; then
  exec "$program" "$@"
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
cp "$program" "$scratch/"
mkdir "$scratch/tmp"
chown nobody:nogroup "$scratch/tmp"
status=0
setpriv --reuid=nobody --regid=nogroup --clear-groups --inh-caps=-all \
  env HOME="$scratch/tmp" TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/tmp" \
  "$scratch/$(basename "$program")" "$@" || status=$?
exit $status
