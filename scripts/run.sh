#!/usr/bin/env bash
# run.sh: set up, build, start the catalogue service on the built-in port
# with the bundled sample catalogue, and look books up. With a display the
# window opens under Wine; on a headless machine the console lookup runs.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILL_BUILD:-$root/build}
port=8936

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" --programs

"$build/native/server/quillfind-server" --port "$port" --data "$root/server/data" >/dev/null &
server=$!
trap 'kill $server 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
sleep 1

app="$build/win64/src/app/Quillfind.exe"
if [ -n "${DISPLAY:-}" ] && [ -f "$app" ]; then
  export WINEPREFIX="$build/win64/wineprefix-display" WINEDEBUG=-all
  bash "$root/scripts/wine-prefix.sh" "$WINEPREFIX" display
  echo "Quillfind is open; type or scan an ISBN (e.g. 9787020002207) and press Enter."
  wine "$app"
else
  [ -f "$app" ] && echo "No display: running the console lookup instead of the window."
  export WINEPREFIX="$build/win64/wineprefix" WINEDEBUG=-all
  bash "$root/scripts/wine-prefix.sh" "$WINEPREFIX" headless
  # Both sources, both sources, community only, library only, in neither.
  wine "$build/win64/src/app/quillfind-lookup.exe" --utf8 \
    9787020002207 9780131103627 9787536693968 9780201896831 9780000000000 || true
fi
