#pragma once
// Extended-precision arithmetic that turns the three fault conditions into
// errors, operation by operation.
//
// Every operand that reaches these functions is finite (field texts that
// overflow do not convert, and every result is checked here), so a result
// alone tells what happened: a NaN is an invalid operation, an infinity from a
// division by zero is a division by zero, any other infinity is an overflow.
// The error is raised before the caller can store the result.

#include "calc/errors.h"
#include "calc/extended.h"

namespace tarsilo {

namespace checked {

// Decides and raises the fault for a non-finite result; the divisor tells a
// division by zero from an overflow.
[[noreturn]] void RaiseForResult(Extended result, Extended divisor = 1);

// x − x is exactly 0 for every finite x and a NaN for an infinity or a NaN;
// on the x87 that is cheaper than comparing |x| with the largest value, and
// the software type gives the same answer with the same flags.
inline bool IsFinite(Extended x) {
    return x - x == 0;
}

inline Extended Finite(Extended result) {
    if (!IsFinite(result)) [[unlikely]]
        RaiseForResult(result);
    return result;
}

inline Extended Add(Extended a, Extended b) {
    return Finite(a + b);
}
inline Extended Sub(Extended a, Extended b) {
    return Finite(a - b);
}
inline Extended Mul(Extended a, Extended b) {
    return Finite(a * b);
}
inline Extended Div(Extended a, Extended b) {
    const Extended result = a / b;
    if (!IsFinite(result)) [[unlikely]]
        RaiseForResult(result, b);
    return result;
}
inline Extended Neg(Extended a) {
    return -a;
}
Extended Exp(Extended x);
Extended Sqrt(Extended x);

// a × b × ... evaluated left to right with one test at the end. With finite
// operands the first step that leaves the finite range can only be an
// overflow (a NaN needs an infinite operand first), and the value stays
// non-finite after it, so the single test decides the same error as a test
// after every step.
template <class... Factors> Extended Product(Extended first, Factors... rest) {
    Extended result = first;
    ((result = result * static_cast<Extended>(rest)), ...);
    if (!IsFinite(result)) [[unlikely]]
        RaiseFault(ProcessorFault::FloatOverflow);
    return result;
}

} // namespace checked
} // namespace tarsilo
