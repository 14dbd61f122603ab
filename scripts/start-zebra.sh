# start-zebra.sh, sourced by the scripts that need an SRU server.
# start_zebra CATALOGUE_DIR [PORT]: indexes, in a fresh temporary folder, the
# catalogue's library books as the databases marc21 and unimarc, the Library
# of Congress records of Zebra's examples as loc and a few records with
# diacritics as accents, then starts zebrasrv on 127.0.0.1:PORT (a free port
# when none is given). It answers SRU and, on the same port, Z39.50 with
# USMARC and UNIMARC records in UTF-8. A second zebrasrv over a copy of the
# same databases, on zebra_legacy_port, answers Z39.50 as older catalogues
# do: USMARC in MARC-8, UNIMARC in GB2312 (Zebra converts records for the
# whole server, so another character set takes another server). Sets
# zebra_pid, zebra_port, zebra_legacy_pid, zebra_legacy_port and zebra_dir;
# fails when either does not answer within 10 s.
# stop_zebra: stops both servers and removes their folder.
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
  # Each zebrasrv locks its folder: the second serves a copy.
  mkdir "$zebra_dir/legacy" && cp "$zebra_dir"/*.mf "$zebra_dir"/*.xsl "$zebra_dir"/*.xml "$zebra_dir"/zebra.cfg \
    "$zebra_dir/legacy/" || return 1
  zebra_start_one "$zebra_dir" "$port" utf-8 utf-8 || return 1
  zebra_pid=$listen_pid zebra_port=$listen_port
  zebra_start_one "$zebra_dir/legacy" "" marc-8 gb2312 || return 1
  zebra_legacy_pid=$listen_pid zebra_legacy_port=$listen_port
}

# zebra_start_one DIR PORT USMARC_CHARSET UNIMARC_CHARSET: sets listen_pid and listen_port.
zebra_start_one() {
  local dir=$1 port=$2 status
  for _ in 1 2 3; do
    listen_port=${port:-$(zebra_free_port)}
    status=0
    zebra_listen "$@" || status=$?
    case $status in
      0) return 0 ;;
      2) break ;;
    esac
    [ -n "$port" ] && break
  done
  echo "start_zebra: zebrasrv did not answer on port $listen_port" >&2
  grep -v 'Loaded filter' "$dir/zebrasrv.log" | tail -n 5 >&2
  return 1
}

# Safe under set -e and when nothing was started.
stop_zebra() {
  local pid
  for pid in ${zebra_pid:-} ${zebra_legacy_pid:-}; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  zebra_legacy_pid=""
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
      zebraidx -c zebra.cfg -g loc -d loc update loc-*.xml &&
      zebraidx -c zebra.cfg -g loc -d accents update accents.xml
  ) >"$zebra_dir/zebraidx.log" 2>&1
}

zebra_free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# zebra_listen DIR PORT USMARC_CHARSET UNIMARC_CHARSET: starts zebrasrv in
# DIR on listen_port, its Z39.50 records converted from the stored MARCXML,
# and waits until an SRU search answers: 1 when it exited, 2 when it did not
# answer within 10 s. Sets listen_pid.
zebra_listen() {
  local dir=$1 usmarc=$3 unimarc=$4
  cat >"$dir/yazgfs.xml" <<EOF
<yazgfs>
  <listen id="local">tcp:127.0.0.1:$listen_port</listen>
  <server id="zebra" listenref="local">
    <config>zebra.cfg</config>
    <cql2rpn>/usr/share/yaz/etc/pqf.properties</cql2rpn>
    <retrievalinfo>
      <retrieval syntax="usmarc"><backend syntax="xml" name="marcxml">
        <marc inputformat="xml" outputformat="marc" inputcharset="utf-8" outputcharset="$usmarc"/></backend></retrieval>
      <retrieval syntax="unimarc"><backend syntax="xml" name="marcxml">
        <marc inputformat="xml" outputformat="marc" inputcharset="utf-8" outputcharset="$unimarc"/></backend></retrieval>
      <retrieval syntax="xml" name="marcxml"/>
    </retrievalinfo>
  </server>
</yazgfs>
EOF
  # Static mode: one process serves every connection, no fork per request.
  (cd "$dir" && exec zebrasrv -S -f yazgfs.xml -l zebrasrv.log) </dev/null >/dev/null 2>&1 &
  listen_pid=$!
  local url="http://127.0.0.1:$listen_port/marc21?version=1.1&operation=searchRetrieve&query=bath.isbn%3D0"
  local deadline=$((SECONDS + 10)) status=2
  while [ $SECONDS -lt $deadline ]; do
    if ! kill -0 "$listen_pid" 2>/dev/null; then status=1; break; fi
    # Another server on a taken port would answer too: its log tells ours.
    curl -sf -o /dev/null --max-time 1 "$url" &&
      grep -q '\[request\] GET /marc21' "$dir/zebrasrv.log" && return 0
    sleep 0.05
  done
  kill "$listen_pid" 2>/dev/null
  wait "$listen_pid" 2>/dev/null
  listen_pid=""
  return $status
}
