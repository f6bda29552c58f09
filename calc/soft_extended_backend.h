#pragma once
// What the software extended type leaves to a library: the rounded results of
// the five basic operations on finite operands. The type itself
// (calc/soft_extended.cpp) settles NaNs, infinities, the refused encodings,
// the invalid operations, division by zero and the denormal-operand flag, so
// a backend only ever sees finite operands whose result is a number:
//   - normal or subnormal values and zeros; a pseudo-denormal arrives as the
//     normal encoding of its value (exponent 1);
//   - a non-zero divisor, a square root of a non-negative value.
// It rounds to nearest, ties to even, to 64 significant bits in the x87's
// exponent range with gradual underflow (overflow gives infinity) and reports
// the x87 flags that raised: Inexact, Underflow (a tiny result that is
// inexact), Overflow.

#include <cstdint>

#include "calc/soft_extended.h"

namespace tarsilo::soft_backend {

struct Rounded {
    SoftExtended value;
    std::uint16_t flags = 0;
};

Rounded Add(SoftExtended a, SoftExtended b);
Rounded Subtract(SoftExtended a, SoftExtended b);
Rounded Multiply(SoftExtended a, SoftExtended b);
Rounded Divide(SoftExtended a, SoftExtended b);
Rounded SquareRoot(SoftExtended a);

} // namespace tarsilo::soft_backend
