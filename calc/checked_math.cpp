#include "calc/checked_math.h"

#include "calc/extended_exp.h"

namespace tarsilo::checked {

void RaiseForResult(Extended result, Extended divisor) {
    if (IsNan(result))
        RaiseFault(ProcessorFault::FloatInvalidOperation);
    RaiseFault(divisor == 0 ? ProcessorFault::FloatDivideByZero : ProcessorFault::FloatOverflow);
}

// The core's own exponential on every platform, so that every build gives
// the same bits: a C library's expl differs from one system to the next (and
// does not exist for the software type).
Extended Exp(Extended x) {
    return Finite(ExtendedExp(x));
}

Extended Sqrt(Extended x) {
    return Finite(SquareRoot(x));
}

} // namespace tarsilo::checked
