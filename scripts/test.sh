#!/usr/bin/env bash
# Builds everything with the tests and runs every test, then a session of the
# program's windows under valgrind memcheck, then the same tests optimised and
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target
# for a bounded time, the program on real desktops, and last the Windows build
# under Wine.
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
bash scripts/test-windows.sh
