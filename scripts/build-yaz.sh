#!/usr/bin/env bash
# build-yaz.sh BUILD_DIR TRIPLET: YAZ (Index Data's Z39.50 toolkit) for one
# Windows target, from Debian's own source package, static, into
# BUILD_DIR/yaz/TRIPLET (lib/libyaz.a, include/yaz/). Done once: a finished
# build is left alone. Needs the deb-src entry scripts/setup.sh adds.
set -eu
build=$1 host=$2
yaz=$build/yaz
prefix=$yaz/$host
[ -f "$prefix/lib/libyaz.a" ] && exit 0
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
make -C src -j "$(nproc)" libyaz.la >make.log 2>&1 || { tail -n 30 make.log >&2; exit 1; }
mkdir -p "$prefix/lib" "$prefix/include/yaz"
cp src/yaz/*.h "$prefix/include/yaz/"
cp src/.libs/libyaz.a "$prefix/lib/libyaz.a.part"
mv "$prefix/lib/libyaz.a.part" "$prefix/lib/libyaz.a"
cd "$yaz" && rm -rf "$work"
