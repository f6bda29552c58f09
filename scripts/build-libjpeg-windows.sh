#!/usr/bin/env bash
# Cross-builds libjpeg (interface 62) for Windows from Debian's own source
# package of libjpeg-turbo, the one the Linux build links, into
# <prefix> (default build/windows-deps/jpeg): a static library, headers and,
# in share/licenses, the licence texts that must ship with a program linking
# it (LICENSE.md and README.ijg). Does nothing when that prefix already holds
# all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$(realpath -m "${1:-build/windows-deps/jpeg}")
licenses="$prefix/share/licenses"
if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ] &&
   [ -f "$licenses/LICENSE.md" ] && [ -f "$licenses/README.ijg" ]; then
  exit 0
fi

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get source needs a deb-src entry for the archive the binaries come from.
if ! apt-cache showsrc libjpeg-turbo >/dev/null 2>&1 ||
   [ -z "$(apt-cache showsrc libjpeg-turbo 2>/dev/null)" ]; then
  as_root tee /etc/apt/sources.list.d/tarsilo-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  as_root apt-get update -qq
fi

work="$(dirname "$prefix")/libjpeg-turbo-source"
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
[ -n "$source_dir" ] || { echo "apt-get source libjpeg-turbo gave no source tree" >&2; exit 1; }

cmake -S "$source_dir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DCMAKE_C_FLAGS="-O2" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -DWITH_JPEG7=OFF \
  -DWITH_SIMD=ON -DREQUIRE_SIMD=ON -Wno-dev >"$work/configure.log" 2>&1
cmake --build "$work/build" --target jpeg-static >"$work/build.log"
mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/build/libjpeg.a" "$prefix/lib/libjpeg.a"
cp "$source_dir/jpeglib.h" "$source_dir/jmorecfg.h" "$source_dir/jerror.h" \
   "$work/build/jconfig.h" "$prefix/include/"
mkdir -p "$licenses"
cp "$source_dir/LICENSE.md" "$source_dir/README.ijg" "$licenses/"
echo "libjpeg for Windows: $prefix ($(basename "$source_dir"))"
