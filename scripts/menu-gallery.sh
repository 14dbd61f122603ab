#!/usr/bin/env bash
# menu-gallery.sh: builds the menu gallery and draws the sample menu and the
# shelf menu in both looks under the headless Wine prefix, writing
# build/menu-gallery/classic.png, flat.png, shelf-classic.png and
# shelf-flat.png.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILL_BUILD:-$root/build}
out=$build/menu-gallery

bash "$root/scripts/setup.sh"
if [ ! -f "$build/win64/build.ninja" ]; then
  cmake -S "$root" -B "$build/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" >/dev/null
fi
cmake --build "$build/win64" --target menu_gallery -j "$(nproc)"

export WINEPREFIX="$build/win64/wineprefix" WINEDEBUG=-all
bash "$root/scripts/wine-prefix.sh" "$WINEPREFIX" headless
mkdir -p "$out"
rm -f "$out"/*.bmp "$out"/*.png
wine "$build/win64/tests/menu/menu_gallery.exe" "$(winepath -w "$out")" </dev/null
for look in classic flat shelf-classic shelf-flat; do
  convert "$out/$look.bmp" "$out/$look.png"
  rm "$out/$look.bmp"
  echo "$out/$look.png"
done
