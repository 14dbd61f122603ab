#!/usr/bin/env bash
# run.sh: set up, build, start the catalogue service on the built-in port and
# a Zebra SRU and Z39.50 server on port 8937, both over the bundled sample
# catalogue, and look books up. With a display the window opens under Wine
# with the Zebra server as a third source over SRU and a fourth over Z39.50
# (its GB2312 UNIMARC twin); on a headless machine the console lookup runs.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILL_BUILD:-$root/build}
port=8936
sru=http://127.0.0.1:8937/marc21

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" --programs

"$build/native/server/quillfind-server" --port "$port" --data "$root/server/data" >/dev/null &
server=$!
# shellcheck source=start-zebra.sh
. "$root/scripts/start-zebra.sh"
trap 'kill $server 2>/dev/null || true; stop_zebra; wineserver -k 2>/dev/null || true' EXIT
start_zebra "$root/server/data" 8937
sleep 1

app="$build/win64/src/app/Quillfind.exe"
if [ -n "${DISPLAY:-}" ] && [ -f "$app" ]; then
  export WINEPREFIX="$build/win64/wineprefix-display" WINEDEBUG=-all
  bash "$root/scripts/wine-prefix.sh" "$WINEPREFIX" display
  # The window reads its sources from Quillfind.ini beside it.
  ini="$(dirname "$app")/Quillfind.ini"
  python3 "$root/scripts/set-ini.py" "$ini" Sources sru "$sru"
  python3 "$root/scripts/set-ini.py" "$ini" "Catalogue Zebra" address "127.0.0.1:$zebra_legacy_port/unimarc"
  python3 "$root/scripts/set-ini.py" "$ini" "Catalogue Zebra" format unimarc
  python3 "$root/scripts/set-ini.py" "$ini" "Catalogue Zebra" charset gb2312
  echo "Quillfind is open; type or scan an ISBN (e.g. 9787020002207) and press Enter."
  wine "$app"
else
  [ -f "$app" ] && echo "No display: running the console lookup instead of the window."
  export WINEPREFIX="$build/win64/wineprefix" WINEDEBUG=-all
  bash "$root/scripts/wine-prefix.sh" "$WINEPREFIX" headless
  # Both sources, both sources, community only, library only, in neither.
  wine "$build/win64/src/console/quillfind-lookup.exe" --utf8 \
    9787020002207 9780131103627 9787536693968 9780201896831 9780000000000 || true
  # The first book again with the SRU server as a third source.
  wine "$build/win64/src/console/quillfind-lookup.exe" --utf8 --sru "$sru" 9787020002207 || true
  # And over Z39.50 from a catalogue that sends GB2312 UNIMARC.
  wine "$build/win64/src/console/quillfind-lookup.exe" --utf8 --sru "$sru" \
    --z3950 "127.0.0.1:$zebra_legacy_port/unimarc" --z3950-format unimarc --z3950-charset gb2312 9787020002207 || true
fi
