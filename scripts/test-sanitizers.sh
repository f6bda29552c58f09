#!/usr/bin/env bash
# Builds the whole project with its tests, optimised with debug information,
# under AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer into
# build/asan and runs every test (the "asan" presets of CMakePresets.json).
# Any report stops the test that made it, so the run fails. Only the
# third-party noise listed in tests/sanitizer-suppressions is silenced.
# Being optimised, this is also the run that proves the tests build and pass
# with NDEBUG and the optimiser on.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
