#!/usr/bin/env bash
# batch-bench.sh: the console lookup's batch speed, run by hand after
# scripts/build.sh. A catalogue service answering after 40 ms stands in for
# the network; 400 ISBNs of the test catalogue are looked up with --jobs 1,
# 4 and 16, three times each, then 10,000 are read from standard input for
# the peak working set.
# Prints figures; checks nothing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILL_BUILD:-$root/build}
lookup="$build/win64/src/console/quillfind-lookup.exe"
export WINEPREFIX="$build/win64/wineprefix" WINEDEBUG=-all
bash "$root/scripts/wine-prefix.sh" "$WINEPREFIX" headless
wineserver -p >/dev/null 2>&1 || true  # already running is fine

# The service without the sanitizers: it shares the CPU with what it measures.
cmake -S "$root/server" -B "$build/server-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/server-bench" >/dev/null

work=$(mktemp -d)
. "$root/scripts/start-server.sh"
trap 'kill ${server_pid:-} 2>/dev/null; wait ${server_pid:-} 2>/dev/null; rm -rf "$work"' EXIT
start_server "$build/server-bench/quillfind-server" "$root/tests/data/catalogue" --latency 40
base="http://127.0.0.1:$server_port"
urls="--community $base --library $base --covers $base/lpic/"

grep -o '^\[97[0-9]*\]' "$root/tests/data/catalogue/catalogue.txt" | tr -d '[]' >"$work/catalogue"
for _ in $(seq 1000); do cat "$work/catalogue"; done >"$work/many"
head -n 400 "$work/many" >"$work/400"
head -n 10000 "$work/many" >"$work/10000"

# Nanoseconds one batch of 400 takes.
timed_run() {
  local start
  start=$(date +%s%N)
  wine "$lookup" $urls --jobs "$1" <"$work/400" >/dev/null 2>&1 || true
  echo $(( $(date +%s%N) - start ))
}

wine "$lookup" $urls 9787111111111 >/dev/null 2>&1 || true  # warm the prefix
# The median of three runs: a shared machine slows a single run now and then.
echo "400 ISBNs, service latency 40 ms, median of 3 runs"
first=""
for jobs in 1 4 16; do
  ns=$( (timed_run "$jobs"; timed_run "$jobs"; timed_run "$jobs") | sort -n | sed -n 2p)
  [ -z "$first" ] && first=$ns
  awk -v j="$jobs" -v ns="$ns" -v first="$first" \
    'BEGIN { s = ns / 1e9; printf "--jobs %-3s %7.2f s  %6.1f ISBN/s  speed-up %5.2f\n", j, s, 400 / s, first / ns }'
done

# Peak resident set of the Wine process (its working set), sampled until it ends.
wine "$lookup" $urls --jobs 16 <"$work/10000" >/dev/null 2>&1 &
pid=$!
peak=0
while kill -0 $pid 2>/dev/null; do
  hwm=$(awk '/^VmHWM:/{print $2}' /proc/$pid/status 2>/dev/null || true)
  [ -n "$hwm" ] && peak=$hwm
  sleep 0.2
done
wait $pid || true
echo "10,000 ISBNs from standard input (--jobs 16): peak working set $((peak / 1024)) MiB"
