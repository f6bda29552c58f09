#!/usr/bin/env bash
# The part of scripts/package.sh that runs in the build root: installs the
# Build-Depends, builds the source and binary packages with dpkg-buildpackage
# and, unless told not to, checks them (scripts/check-package.sh).
#
# Usage (in the root): package-inside-root.sh <source tree>
set -euo pipefail
source_tree=${1:?usage: package-inside-root.sh <source tree>}
umask "${TARSILO_BUILD_UMASK:-022}"
export DEBIAN_FRONTEND=noninteractive
cd "$source_tree"

# The archive's package lists, fetched again once a day.
find /var/lib/apt/lists -maxdepth 1 -name '*_Packages*' -mmin -1440 | grep -q . ||
  apt-get update -qq
apt-get build-dep -y -qq ./ >/dev/null

if [ "${TARSILO_COMPILER_CACHE:-true}" = true ]; then
  export CCACHE_DIR=/var/cache/tarsilo-ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  ccache --zero-stats >/dev/null
fi
export DEB_BUILD_OPTIONS="parallel=$(nproc)"
if ! dpkg-buildpackage --no-sign --build=full >../build.log 2>&1; then
  grep -v '^\[[0-9]*/[0-9]*\] ' ../build.log | tail -n 40
  echo "package: dpkg-buildpackage failed" >&2
  exit 1
fi
echo "package: $(dpkg-query -W -f='dpkg-buildpackage ${Version}' dpkg-dev), debhelper" \
  "$(dpkg-query -W -f='${Version}' debhelper), $(g++ --version | head -n 1) on Debian $(cat /etc/debian_version)"
if [ "${TARSILO_COMPILER_CACHE:-true}" = true ]; then
  ccache --print-stats 2>/dev/null | awk -F'\t' '
    $1 == "direct_cache_hit" || $1 == "preprocessed_cache_hit" { hits += $2 }
    $1 == "cache_miss" { misses = $2 }
    END { printf "package: compiler cache: %d hits, %d compiled\n", hits, misses }' || true
fi
if [ "${TARSILO_CHECK_PACKAGE:-true}" = true ]; then
  bash scripts/check-package.sh ../tarsilo_*.changes
fi
