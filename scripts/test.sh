#!/usr/bin/env bash
# Builds everything with the tests and runs every test, then a session of the
# program's windows under valgrind memcheck, then the same tests optimised and
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target
# for a bounded time, then the program on real desktops. Then the Debian 12
# package: built, checked by lintian and hardening-check and by the package
# test, installed with apt on a plain Debian 12, built twice more from two
# clones to prove it reproducible; then the Debian 13 tier; the Windows build
# under Wine, and its window tests again under Debian 13's Wine; last, the
# arm64 tier (the software extended type natively, the arm64 build of the core
# under qemu against the x86-64 build).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test
bash scripts/memcheck.sh build/test
bash scripts/test-sanitizers.sh
bash scripts/fuzz.sh 45
bash scripts/test-desktop.sh build/test
bash scripts/package.sh
bash scripts/check-package.sh build/package/tarsilo_*.deb
TARSILO_PACKAGE_TREE="$PWD/build/package" ctest --preset test -L package
bash scripts/test-install.sh bookworm build/package/tarsilo_*.deb
bash scripts/test-reproducible.sh
bash scripts/test-debian13.sh
bash scripts/test-windows.sh
bash scripts/test-wine10.sh
bash scripts/test-arm64.sh
