#!/usr/bin/env bash
# setup.sh: every Debian package the project needs (run as root). Quick when
# everything is there already.
set -eu
packages=(
  cmake ninja-build g++ make
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix gcc-mingw-w64-x86-64-posix gcc-mingw-w64-i686-posix
  wine wine64
  googletest libcpp-httplib-dev pkg-config python3
  clang libclang-rt-14-dev clang-format
  xvfb imagemagick fonts-wqy-microhei x11-utils xdotool
  yaz libyaz-dev libmarc-lint-perl idzebra-2.0 idzebra-2.0-examples curl
  libbusiness-isbn-data-perl
)
# YAZ for the Windows programs is built from Debian's own source package:
# its deb-src entry, for the suite and component of the system's deb entry.
yaz_sources=/etc/apt/sources.list.d/quillfind-deb-src.sources
added_sources=0
if [ ! -f "$yaz_sources" ]; then
  . /etc/os-release
  cat >"$yaz_sources" <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $VERSION_CODENAME
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  added_sources=1
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ $added_sources = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  # No recommends: wine64 recommends the 32-bit loader, which these machines cannot run.
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
