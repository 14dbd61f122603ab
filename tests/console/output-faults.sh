#!/usr/bin/env bash
# output-faults.sh LOOKUP_EXE: standard output that cannot be written, to a
# full disk or to a reader that went away, ends the run with exit status 4
# and a message on standard error, within seconds.
set -u
lookup=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/start-server.sh"
dir=$(mktemp -d)
server_pid=""
trap '[ -n "$server_pid" ] && kill $server_pid; rm -rf "$dir"' EXIT
start_server "$QUILL_SERVER_EXE" "$QUILL_TEST_DATA" || exit 1
base="http://127.0.0.1:$server_port"
urls="--community $base --library $base --covers $base/lpic/"
status=0
fail() { echo "FAILED: $*"; status=1; }

# shellcheck disable=SC2086 # the URLs are words
wine "$lookup" $urls 9787111111111 >/dev/full 2>"$dir/full.err"
got=$?
[ $got = 4 ] || fail "full disk: exit status $got, not 4"
grep -q '^output could not be written: ' "$dir/full.err" || fail "full disk: no message: $(cat "$dir/full.err")"

# 200 books that take the server 1.5 s each would keep the run busy for over
# a minute; the reader goes away after the first line.
for _ in $(seq 200); do echo slow1500-9787333333333; done >"$dir/books"
start=$(date +%s)
# shellcheck disable=SC2086
timeout 60 wine "$lookup" $urls <"$dir/books" 2>"$dir/pipe.err" | head -1 >/dev/null
got=${PIPESTATUS[0]}
seconds=$(($(date +%s) - start))
[ "$got" = 4 ] || fail "closed pipe: exit status $got, not 4"
[ $seconds -lt 15 ] || fail "closed pipe: the run took $seconds s"
grep -q '^output could not be written: ' "$dir/pipe.err" || fail "closed pipe: no message: $(cat "$dir/pipe.err")"
exit $status
