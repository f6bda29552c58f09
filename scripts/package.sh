#!/usr/bin/env bash
# Builds the optimised program and its Debian package for the Debian release
# this runs on: build/package/tarsilo_<version>_<arch>.deb. Its Depends name
# the libraries as this release names them (dpkg-shlibdeps), so a package built
# on Debian 12 is for Debian 12 and one built on Debian 13 for Debian 13.
#
# The build uses Debian's build flags (the package preset) and is
# reproducible: the same commit gives the same bytes, wherever and whenever it
# is built. SOURCE_DATE_EPOCH, the time of the last commit unless it is set
# already, dates the files of the package and the program's resources.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build package
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
fi
export SOURCE_DATE_EPOCH
# Files are read and written the same way whatever the caller's settings.
export LC_ALL=C.UTF-8 TZ=UTC
umask 022

cmake --preset package >/dev/null
# The resource compiler dates its entries at SOURCE_DATE_EPOCH when it runs:
# a tree last built for another time compiles its resources again.
stamp=build/package/source-date-epoch
if [ "$(cat "$stamp" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ]; then
  find build/package -path '*_autogen/*' -name 'qrc_*.cpp' -delete
  echo "$SOURCE_DATE_EPOCH" >"$stamp"
fi
cmake --build --preset package
(cd build/package && cpack -G DEB >/dev/null)
ls -1 build/package/tarsilo_*.deb
