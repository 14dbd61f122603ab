#!/bin/bash
# Quick end-to-end check of a built quillfind-server against both catalogues.
#
#   server/smoke-test.sh [PATH/TO/quillfind-server]
#
# Default binary: /tmp/srvbuild/quillfind-server
#   (cmake -S server -B /tmp/srvbuild && cmake --build /tmp/srvbuild)
# Needs curl and python3.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-/tmp/srvbuild/quillfind-server}
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

start() {  # name data-dir -> sets port
    "$bin" --port 0 --data "$2" >"$work/$1.out" 2>"$work/$1.err" &
    pids+=($!)
    for _ in $(seq 50); do
        [[ -s $work/$1.out ]] && break
        sleep 0.1
    done
    port=$(awk '$1 == "port" { print $2 }' "$work/$1.out")
    [[ -n $port ]] || { cat "$work/$1.err"; exit 1; }
}

status=0
start test "$here/../tests/data/catalogue"
python3 "$here/smoke_check.py" "http://127.0.0.1:$port" "$here/../tests/data/catalogue" --test-catalogue || status=1
start main "$here/data"
python3 "$here/smoke_check.py" "http://127.0.0.1:$port" "$here/data" || status=1

# Shutdown must not wait for a stalled response.
curl -s "http://127.0.0.1:$port/isbn/stall/" >/dev/null &
client=$!
sleep 0.5
server=${pids[-1]}
started=$(date +%s%N)
kill -TERM "$server"
rc=0
wait "$server" || rc=$?
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
kill "$client" 2>/dev/null || true
if (( rc != 0 || elapsed > 1200 )); then
    echo "FAIL: shutdown took ${elapsed} ms, exit status $rc"
    status=1
else
    echo "shutdown with a stalled client: ${elapsed} ms, exit status 0"
fi

if (( status == 0 )); then echo "smoke test: 1 passed, 0 failed"; else echo "smoke test: 0 passed, 1 failed"; fi
exit $status
