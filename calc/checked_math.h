#pragma once
// Extended-precision arithmetic that turns the three fault conditions into
// errors, operation by operation.
//
// Every operand that reaches these functions is finite (field texts that
// overflow do not convert, and every result is checked here), so a result
// alone tells what happened: a NaN is an invalid operation, an infinity from a
// division by zero is a division by zero, any other infinity is an overflow.
// The error is raised before the caller can store the result.

#include <cmath>

#include "calc/errors.h"

namespace tarsilo {

using Extended = long double;

namespace checked {

// Decides and raises the fault for a non-finite result.
[[noreturn]] void RaiseForResult(Extended result, bool divisionByZero);

inline Extended Finite(Extended result, bool divisionByZero = false) {
    if (!std::isfinite(result)) [[unlikely]]
        RaiseForResult(result, divisionByZero);
    return result;
}

inline Extended Add(Extended a, Extended b) { return Finite(a + b); }
inline Extended Sub(Extended a, Extended b) { return Finite(a - b); }
inline Extended Mul(Extended a, Extended b) { return Finite(a * b); }
inline Extended Div(Extended a, Extended b) { return Finite(a / b, b == 0); }
inline Extended Neg(Extended a) { return -a; }
Extended Exp(Extended x);
Extended Sqrt(Extended x);

} // namespace checked
} // namespace tarsilo
