#!/usr/bin/env bash
# test.sh: set up, build, and run every test: a check that the #include
# lines of src/ go round in no circle, the host tests under the sanitizers,
# the fuzz harnesses for 20 s each, then the Windows tests under Wine in a
# private headless prefix.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILL_BUILD:-$root/build}
jobs=$(nproc)

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"

status=0
echo "== include circles =="
python3 "$root/scripts/include-circles.py" || status=1
echo "== host tests (AddressSanitizer, UBSan) =="
ctest --test-dir "$build/native" --output-on-failure -j "$jobs" || status=1
echo "== fuzzing (libFuzzer, AddressSanitizer, UBSan) =="
bash "$root/scripts/fuzz.sh" || status=1

export WINEPREFIX="$build/win64/wineprefix" WINEDEBUG=-all
bash "$root/scripts/wine-prefix.sh" "$WINEPREFIX" headless
# One wineserver for the whole run: a cold Wine start costs seconds. It fails
# when the prefix's server is already up, which is what it asks for anyway.
wineserver -p >/dev/null 2>&1 || true
# The first Wine program starts the prefix's services, which keep the
# standard handles they inherit; started here, right before the tests, they
# hold no pipe of ctest's, which would otherwise wait for them to end.
wine cmd /c exit >/dev/null 2>&1 </dev/null
trap 'wineserver -k 2>/dev/null || true' EXIT
echo "== Windows tests (x86_64, Wine) =="
# Twice as many as there are cores: the Windows tests mostly wait, for pages
# and for the window. The ones that would disturb each other hold locks.
ctest --test-dir "$build/win64" --output-on-failure -j "$((2 * jobs))" || status=1
exit $status
