#!/usr/bin/env bash
# build-yaz.sh BUILD_DIR TRIPLET: YAZ (Index Data's Z39.50 toolkit) for one
# Windows target, from Debian's own source package, static, into
# BUILD_DIR/yaz/TRIPLET (lib/libyaz.a, include/yaz/). Done once: a build
# finished by the same recipe is left alone. Needs the deb-src entry scripts/setup.sh adds.
set -eu
build=$1 host=$2
yaz=$build/yaz
prefix=$yaz/$host
recipe=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
# Built by this very recipe already: nothing to do.
[ -f "$prefix/lib/libyaz.a" ] && cmp -s "$recipe" "$prefix/build-yaz.sh" && exit 0
mkdir -p "$yaz/source"
if ! ls "$yaz/source"/yaz_*.orig.tar.gz >/dev/null 2>&1; then
  (cd "$yaz/source" && apt-get source --download-only yaz >/dev/null)
fi
work=$yaz/work-$host
rm -rf "$work" "$prefix"
mkdir -p "$work"
tar xzf "$yaz/source"/yaz_*.orig.tar.gz -C "$work" --strip-components=1
cd "$work"
# getaddrinfo: configure's link test does not link Winsock. Threads: with
# posix-thread mingw both thread models would be compiled in; disabled, YAZ
# uses its Win32 code. The empty export macros make the headers fit a
# static link. No libxml2 or iconv: ZOOM's Z39.50, ISO 2709 and YAZ's own
# MARC-8, ISO 5426 and Latin-1 converters need neither.
ac_cv_func_getaddrinfo=yes LIBS=-lws2_32 CPPFLAGS="-DYAZ_EXPORT= -DYAZ_IMPORT=" \
  ./configure --host="$host" --prefix="$prefix" --disable-shared --enable-static --disable-threads \
  --without-xml2 --without-xslt --without-exslt --without-gnutls --without-icu --without-iconv \
  --without-redis --without-memcached >configure.log 2>&1 || { tail -n 20 configure.log >&2; exit 1; }
# An answer past 16 MB is no catalogue's: YAZ's own limit (128 MB) would
# have a hostile server stream for many seconds before the client gives up.
sed -i 's/max_recv_bytes = 128 \* 1024 \* 1024;/max_recv_bytes = 16 * 1024 * 1024;/' src/tcpip.c
grep -q 'max_recv_bytes = 16 \* 1024 \* 1024;' src/tcpip.c || { echo "build-yaz.sh: the receive limit was not set" >&2; exit 1; }
make -C src -j "$(nproc)" libyaz.la >make.log 2>&1 || { tail -n 30 make.log >&2; exit 1; }
mkdir -p "$prefix/lib" "$prefix/include/yaz"
cp src/yaz/*.h "$prefix/include/yaz/"
cp src/.libs/libyaz.a "$prefix/lib/libyaz.a.part"
mv "$prefix/lib/libyaz.a.part" "$prefix/lib/libyaz.a"
cp "$recipe" "$prefix/build-yaz.sh"
cd "$yaz" && rm -rf "$work"
