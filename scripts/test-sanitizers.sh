#!/usr/bin/env bash
# Builds the whole project with its tests under AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer into build/asan and runs every
# test. Any report stops the test that made it, so the run fails. Only the
# third-party noise listed in tests/sanitizer-suppressions is silenced.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
  -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build build/asan -j2

suppressions="$PWD/tests/sanitizer-suppressions"
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:print_suppressions=0"
export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$suppressions/ubsan.supp"
ctest --test-dir build/asan --output-on-failure -j2
