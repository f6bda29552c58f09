#pragma once

#include <array>

namespace tarsilo {

// Powers of ten as the extended values nearest to the exact powers. The
// compiler converts each decimal literal with correct rounding; a test checks
// every entry against the C library's conversion.
extern const std::array<long double, 32> PowSmall;  // 10^i, i = 0..31
extern const std::array<long double, 16> PowMiddle; // 10^(32 j), j = 1..15 (entry 0 unused)
extern const std::array<long double, 10> PowLarge;  // 10^(512 k), k = 1..9 (entry 0 unused)

// v × 10^n: |n| split into i + 32 j + 512 k and applied as up to three
// rounded products (or quotients for negative n), smallest factor first.
// For |n| >= 5120 the result is +infinity (n > 0) or +0 (n < 0).
long double ScaleByPowerOfTen(long double v, int n);

} // namespace tarsilo
