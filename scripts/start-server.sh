# start-server.sh, sourced by the scripts that need a catalogue service.
# start_server EXE DATA [OPTIONS...]: starts one on a free port and sets
# server_pid and server_port; fails when it does not come up within 10 s.
start_server() {
  local exe=$1 data=$2 portfile
  shift 2
  portfile=$(mktemp)
  "$exe" --port 0 --data "$data" "$@" >"$portfile" &
  server_pid=$!
  for _ in $(seq 200); do
    grep -q '^port ' "$portfile" && break
    sleep 0.05
  done
  server_port=$(awk '/^port /{print $2; exit}' "$portfile")
  rm -f "$portfile"
  [ -n "$server_port" ] || { echo "catalogue service did not start" >&2; return 1; }
}
