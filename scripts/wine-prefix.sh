#!/usr/bin/env bash
# wine-prefix.sh PREFIX [headless|display]
# Creates a private Wine prefix once. "headless" selects the null graphics
# driver (windows without an X server); "display" maps a CJK font so that
# Chinese text shows under Xvfb.
set -eu
# Wine wants an absolute prefix.
mkdir -p "$1"
prefix=$(cd "$1" && pwd)
mode=${2:-headless}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
here=$(cd "$(dirname "$0")" && pwd)
fonts="$here/cjk-fonts.reg.txt"
# A display prefix is brought up to date when the font mapping changes.
[ -f "$prefix/.quill-$mode" ] && { [ "$mode" = headless ] || [ "$prefix/.quill-$mode" -nt "$fonts" ]; } && exit 0
# A prefix that Wine made on its own, when a program ran first, is brought up
# to date instead.
wineboot -i >/dev/null 2>&1 || wineboot -u >/dev/null 2>&1
if [ "$mode" = headless ]; then
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  # The classic look: the theme engine caches part bitmaps as sizes change,
  # which makes the tests' GDI object counts wander.
  wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f >/dev/null 2>&1
else
  # regedit wants the file in UTF-16; the repository keeps it in UTF-8.
  iconv -f utf-8 -t utf-16 "$fonts" >"$prefix/cjk-fonts.reg"
  wine regedit "$(winepath -w "$prefix/cjk-fonts.reg")" >/dev/null 2>&1
fi
wineserver -w
touch "$prefix/.quill-$mode"
