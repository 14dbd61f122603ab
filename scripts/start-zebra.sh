# start-zebra.sh, sourced by the scripts that need an SRU server.
# start_zebra CATALOGUE_DIR [PORT]: indexes, in a fresh temporary folder, the
# catalogue's library books as the databases marc21 and unimarc and the
# Library of Congress records of Zebra's examples as loc, then starts zebrasrv
# on 127.0.0.1:PORT (a free port when none is given). Sets zebra_pid,
# zebra_port and zebra_dir; fails when it does not answer within 10 s.
# stop_zebra: stops that server and removes its folder.
zebra_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zebra_examples=/usr/share/doc/idzebra-2.0/examples/marcxml

start_zebra() {
  local catalogue=$1 port=${2:-} status
  zebra_pid="" zebra_port=""
  zebra_dir=$(mktemp -d) || return 1
  if ! zebra_index "$catalogue"; then
    echo "start_zebra: indexing $catalogue failed" >&2
    [ -f "$zebra_dir/zebraidx.log" ] && tail -n 20 "$zebra_dir/zebraidx.log" >&2
    return 1
  fi
  # A free port found now may be taken before zebrasrv listens: it then
  # exits at once, and another port is tried.
  for _ in 1 2 3; do
    zebra_port=${port:-$(zebra_free_port)}
    status=0
    zebra_listen || status=$?
    case $status in
      0) return 0 ;;
      2) break ;;
    esac
    [ -n "$port" ] && break
  done
  echo "start_zebra: zebrasrv did not answer on port $zebra_port" >&2
  grep -v 'Loaded filter' "$zebra_dir/zebrasrv.log" | tail -n 5 >&2
  return 1
}

# Safe under set -e and when nothing was started.
stop_zebra() {
  if [ -n "${zebra_pid:-}" ]; then
    kill "$zebra_pid" 2>/dev/null || true
    wait "$zebra_pid" 2>/dev/null || true
  fi
  if [ -n "${zebra_dir:-}" ]; then rm -rf "$zebra_dir"; fi
  zebra_pid="" zebra_dir=""
}

zebra_index() {
  local f n=0
  cp "$zebra_root"/server/zebra/* "$zebra_dir"/ &&
    python3 "$zebra_root/server/make-marcxml.py" "$1" "$zebra_dir" || return 1
  for f in "$zebra_examples"/collection-*.xml*; do
    n=$((n + 1))
    zcat -f "$f" >"$zebra_dir/loc-$n.xml" || return 1
  done
  (
    cd "$zebra_dir" &&
      zebraidx -c zebra.cfg init &&
      zebraidx -c zebra.cfg -g marc21 -d marc21 update marc21.xml &&
      zebraidx -c zebra.cfg -g unimarc -d unimarc update unimarc.xml &&
      zebraidx -c zebra.cfg -g loc -d loc update loc-*.xml
  ) >"$zebra_dir/zebraidx.log" 2>&1
}

zebra_free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Starts zebrasrv on zebra_port and waits until an SRU search answers: 1 when
# it exited, 2 when it did not answer within 10 s.
zebra_listen() {
  cat >"$zebra_dir/yazgfs.xml" <<EOF
<yazgfs>
  <listen id="local">tcp:127.0.0.1:$zebra_port</listen>
  <server id="zebra" listenref="local">
    <config>zebra.cfg</config>
    <cql2rpn>/usr/share/yaz/etc/pqf.properties</cql2rpn>
  </server>
</yazgfs>
EOF
  # Static mode: one process serves every connection, no fork per request.
  (cd "$zebra_dir" && exec zebrasrv -S -f yazgfs.xml -l zebrasrv.log) </dev/null >/dev/null 2>&1 &
  zebra_pid=$!
  local url="http://127.0.0.1:$zebra_port/marc21?version=1.1&operation=searchRetrieve&query=bath.isbn%3D0"
  local deadline=$((SECONDS + 10)) status=2
  while [ $SECONDS -lt $deadline ]; do
    if ! kill -0 "$zebra_pid" 2>/dev/null; then status=1; break; fi
    # Another server on a taken port would answer too: its log tells ours.
    curl -sf -o /dev/null --max-time 1 "$url" &&
      grep -q '\[request\] GET /marc21' "$zebra_dir/zebrasrv.log" && return 0
    sleep 0.05
  done
  kill "$zebra_pid" 2>/dev/null
  wait "$zebra_pid" 2>/dev/null
  zebra_pid=""
  return $status
}
