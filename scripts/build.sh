#!/usr/bin/env bash
# build.sh: the host build (catalogue service, Win32-free code under
# AddressSanitizer and UBSan), the x86_64 Windows build with its tests, and
# the i686 Windows build as a compile-and-link check.
# build.sh --programs: only what scripts/run.sh runs (the catalogue service,
# Quillfind.exe and quillfind-lookup.exe), no test programs.
set -eu
programs=0
[ "${1:-}" = --programs ] && programs=1
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILL_BUILD:-$root/build}
jobs=$(nproc)

# YAZ for each Windows target, built once.
bash "$root/scripts/build-yaz.sh" "$build" x86_64-w64-mingw32
[ $programs = 1 ] || bash "$root/scripts/build-yaz.sh" "$build" i686-w64-mingw32

cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_SANITIZE=ON >/dev/null
cmake -S "$root" -B "$build/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DQUILL_SERVER_EXE="$build/native/server/quillfind-server" >/dev/null
if [ $programs = 1 ]; then
  cmake --build "$build/native" -j "$jobs" --target quillfind-server
  cmake --build "$build/win64" -j "$jobs" --target Quillfind quillfind-lookup
  exit 0
fi
cmake --build "$build/native" -j "$jobs"
cmake --build "$build/win64" -j "$jobs"

cmake -S "$root" -B "$build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILL_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" >/dev/null
cmake --build "$build/win32" -j "$jobs"
