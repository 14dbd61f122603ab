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
  # shellcheck source=start-server.sh
  . "$(dirname "$0")/start-server.sh"
  # shellcheck disable=SC2086 # the options are words
  start_server "$QUILL_SERVER_EXE" "$QUILL_TEST_DATA" $server_args
  started=$?
  trap 'kill $server_pid 2>/dev/null; wait $server_pid 2>/dev/null' EXIT
  [ $started = 0 ] || exit 1
  export QUILL_TEST_PORT=$server_port
fi
wine "$exe" "$@"
