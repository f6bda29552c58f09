#pragma once

#include "calc/decimal_constants.h"
#include "calc/extended.h"

namespace tarsilo {

// Powers of ten as the extended values nearest to the exact powers
// (calc/decimal_constants.h): PowSmall 10^i for i = 0..31, PowMiddle
// 10^(32 j) for j = 1..15, PowLarge 10^(512 k) for k = 1..9.

// v × 10^n: |n| split into i + 32 j + 512 k and applied as up to three
// rounded products (or quotients for negative n), smallest factor first.
// For |n| >= 5120 the result is +infinity (n > 0) or +0 (n < 0).
Extended ScaleByPowerOfTen(Extended v, int n);

} // namespace tarsilo
