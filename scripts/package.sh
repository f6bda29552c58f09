#!/usr/bin/env bash
# Builds the optimised program and its Debian package: build/package/tarsilo_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset package >/dev/null
cmake --build --preset package
(cd build/package && cpack -G DEB >/dev/null)
ls -1 build/package/tarsilo_*.deb
