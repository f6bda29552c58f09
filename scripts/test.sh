#!/usr/bin/env bash
# Builds everything with the tests and runs every test, then a session of the
# program's windows under valgrind memcheck, then the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target
# for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j2
bash scripts/memcheck.sh build/test
bash scripts/test-sanitizers.sh
bash scripts/fuzz.sh 45
bash scripts/test-desktop.sh build/test
