#!/usr/bin/env bash
# Builds everything with the tests and runs every test, then a session of the
# program's windows under valgrind memcheck, then the same tests optimised and
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target
# for a bounded time, then the program on real desktops. Then the Debian 12
# source and binary packages: built by dpkg-buildpackage in a Debian 12 root,
# checked by lintian and hardening-check and by the package test, installed
# with apt on a plain Debian 12 and tried there by their autopkgtest, built
# once more in another place and manner to prove them reproducible; then the
# Debian 13 tier; the Windows build and its installers under Wine, and its
# window tests again under Debian 13's Wine; last, the
# arm64 tier (the software extended type natively, the arm64 build of the core
# under qemu against the x86-64 build).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
. scripts/compiler-cache.sh

# Each step's time, listed at the end (also after a failure), so that a slow
# step stands out.
timings=()
step() {
  local start=$SECONDS
  "$@"
  timings+=("$(printf '%5d s  %s' $((SECONDS - start)) "$*")")
}
trap 'printf "test.sh: %s\n" "${timings[@]}" "$(printf "%5d s  in all" $SECONDS)"' EXIT
step cmake --preset test
step cmake --build --preset test
step ctest --preset test
step bash scripts/memcheck.sh build/test
step bash scripts/test-sanitizers.sh
step bash scripts/fuzz.sh 45
step bash scripts/test-desktop.sh build/test
step bash scripts/package.sh
step env TARSILO_PACKAGE="$(ls "$PWD"/build/debian/bookworm/tarsilo_*.deb)" \
  TARSILO_PACKAGE_SOURCE="$(cat build/debian/bookworm/built-in)" \
  ctest --test-dir build/test -L '^package$' --output-on-failure
step bash scripts/test-install.sh bookworm build/debian/bookworm
step bash scripts/test-reproducible.sh bookworm
step bash scripts/test-debian13.sh
step bash scripts/test-windows.sh
step bash scripts/test-wine10.sh
step bash scripts/test-arm64.sh
