#!/usr/bin/env bash
# The arm64 tier: the calculation core in the software extended type, first
# natively on x86 (the core's tests and the differential test against the
# x87), then cross-built for Debian 12 arm64 against the system root of
# scripts/arm64-sysroot.sh and run under qemu-user:
#   1. the core's tests (Release) under qemu;
#   2. the texts of the main window's commands for 20,000 random cases, the
#      x86-64 build (the x87) against the arm64 build, byte for byte, with
#      two seeds;
#   3. the core's exponential, square root and model values of both builds,
#      bit for bit and against mpmath;
#   4. the arm64 package (scripts/package-arm64.sh), whose program must start
#      to its main window under qemu.
# This machine has no binfmt_misc: every arm64 program runs as
# qemu-aarch64-static -L <root> <program>.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
root=${TARSILO_ARM64_SYSROOT:-/var/cache/tarsilo/debian12-arm64-sysroot}
export TARSILO_ARM64_SYSROOT=$root PYTHONDONTWRITEBYTECODE=1
python=/usr/bin/python3
core_tests=(test_number_text test_validation test_descent_model test_faults test_decimal_mark
  test_extended_exp)
# Each against the core of the build type and against the optimised core.
core_targets=()
for test in "${core_tests[@]}"; do core_targets+=("$test" "${test}_optimised"); done
core_pattern="^($(IFS='|'; echo "${core_tests[*]}"))(_optimised)?\$"

bash scripts/install-deps.sh build tools arm64
bash scripts/arm64-sysroot.sh "$root"

# The software type on x86: the core's tests and the x87 comparison.
cmake --preset soft-extended >/dev/null
cmake --build --preset soft-extended --target "${core_targets[@]}" soft_extended_against_x87
ctest --preset soft-extended -R "$core_pattern|^soft_extended_against_x87\$"

# The x87 build the arm64 one is compared with.
cmake --preset release-tests >/dev/null
cmake --build build/release-tests --target calc_texts core_values

cmake --preset arm64 >/dev/null
cmake --build --preset arm64 --target "${core_targets[@]}" calc_texts core_values
# qemu-user cannot start child processes: the tests that do ran natively above.
ctest --preset arm64 -R "$core_pattern" -LE starts_processes

qemu=(qemu-aarch64-static -L "$root")
for seed in 14 21; do
  "$python" tests/cross/compare_texts.py --seed "$seed" build/release-tests/tests/cross/calc_texts -- \
    "${qemu[@]}" build/arm64/tests/cross/calc_texts
done
"$python" tests/cross/check_core_values.py --names "x86-64 build,arm64 build" \
  build/release-tests/tests/cross/core_values -- "${qemu[@]}" build/arm64/tests/cross/core_values
bash scripts/package-arm64.sh
echo "arm64 tier passed in $((SECONDS - started)) s"
