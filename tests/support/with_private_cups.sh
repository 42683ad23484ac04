#!/bin/sh
# Runs a command beside a print system of its own: a private CUPS daemon on a socket in a
# temporary folder, with one queue that takes jobs ("Taking", printing to /dev/null) and
# one that refuses them ("Refusing"). The command sees it through CUPS_SERVER.
set -eu
dir=$(mktemp -d)
cleanup() {
  [ -n "${cupsd_pid:-}" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
mkdir -p "$dir/spool" "$dir/cache" "$dir/state" "$dir/tmp" "$dir/log"
cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice Yes
Sandboxing Relaxed
SystemGroup root $(id -gn)
CONF
cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
cupsd_pid=$!
CUPS_SERVER=$dir/cups.sock
export CUPS_SERVER
tries=0
# lpstat -r succeeds whether or not the scheduler answers: wait for its words and the socket.
until [ -S "$dir/cups.sock" ] && [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 50 ]; then
    echo "with_private_cups.sh: the print system did not start" >&2
    cat "$dir/log/error_log" >&2 || true
    exit 1
  fi
  sleep 0.1
done
# A scheduler just up may still turn a request away: each step is tried a few times.
retry() {
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    "$@" 2>/dev/null && return 0
    sleep 0.2
  done
  "$@"
}
retry lpadmin -p Taking -E -v file:///dev/null
retry lpadmin -p Refusing -E -v file:///dev/null
retry cupsreject Refusing
"$@"
