#!/usr/bin/env bash
# run-test.sh [--server [--server-args "OPTIONS"]] PROGRAM.exe [ARGS...]
# Runs one Windows test program under Wine. With --server, a catalogue service
# on a free port serves the test catalogue, given OPTIONS too; its port is in
# QUILL_TEST_PORT.
set -u
server=0
server_args=""
if [ "${1:-}" = --server ]; then server=1; shift; fi
if [ "${1:-}" = --server-args ]; then server_args=$2; shift 2; fi
exe=$1; shift

if [ $server = 1 ]; then
  portfile=$(mktemp)
  # shellcheck disable=SC2086 # the options are words
  "$QUILL_SERVER_EXE" --port 0 --data "$QUILL_TEST_DATA" $server_args >"$portfile" &
  spid=$!
  trap 'kill $spid 2>/dev/null; wait $spid 2>/dev/null; rm -f "$portfile"' EXIT
  for _ in $(seq 200); do
    grep -q '^port ' "$portfile" && break
    sleep 0.05
  done
  QUILL_TEST_PORT=$(awk '/^port /{print $2; exit}' "$portfile")
  export QUILL_TEST_PORT
  [ -n "$QUILL_TEST_PORT" ] || { echo "catalogue service did not start" >&2; exit 1; }
fi
wine "$exe" "$@"
