#!/usr/bin/env bash
# run-test.sh [--server [--server-args "OPTIONS"]] [--zebra] PROGRAM.exe [ARGS...]
# Runs one Windows test program under Wine. With --server, a catalogue service
# on a free port serves the test catalogue, given OPTIONS too; its port is in
# QUILL_TEST_PORT. With --zebra, a Zebra SRU server on a free port serves the
# test catalogue's library books (databases marc21 and unimarc) and Zebra's
# Library of Congress examples (loc), over SRU and Z39.50; its port is in
# QUILL_ZEBRA_PORT. A second one answers Z39.50 in MARC-8 and GB2312 on
# QUILL_ZEBRA_LEGACY_PORT.
set -u
server=0
server_args=""
zebra=0
while :; do
  case ${1:-} in
    --server) server=1; shift ;;
    --server-args) server_args=$2; shift 2 ;;
    --zebra) zebra=1; shift ;;
    *) break ;;
  esac
done
exe=$1; shift

# shellcheck source=start-server.sh
. "$(dirname "$0")/start-server.sh"
# shellcheck source=start-zebra.sh
. "$(dirname "$0")/start-zebra.sh"
server_pid=""
stop_all() {
  [ -n "$server_pid" ] && { kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null; }
  stop_zebra
}
trap stop_all EXIT

if [ $server = 1 ]; then
  # shellcheck disable=SC2086 # the options are words
  start_server "$QUILL_SERVER_EXE" "$QUILL_TEST_DATA" $server_args || exit 1
  export QUILL_TEST_PORT=$server_port
fi
if [ $zebra = 1 ]; then
  start_zebra "$QUILL_TEST_DATA" || exit 1
  export QUILL_ZEBRA_PORT=$zebra_port QUILL_ZEBRA_LEGACY_PORT=$zebra_legacy_port
fi
wine "$exe" "$@"
