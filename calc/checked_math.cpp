#include "calc/checked_math.h"

#include "calc/extended_exp.h"

namespace tarsilo::checked {

void RaiseForResult(Extended result, Extended divisor) {
    if (std::isnan(result))
        RaiseFault(ProcessorFault::FloatInvalidOperation);
    RaiseFault(divisor == 0 ? ProcessorFault::FloatDivideByZero : ProcessorFault::FloatOverflow);
}

// glibc's expl stays within about an ulp over the whole range; the Windows
// C library's gives 0 for every subnormal result, so Windows uses the core's
// own.
Extended Exp(Extended x) {
#if defined(_WIN32)
    return Finite(ExtendedExp(x));
#else
    return Finite(std::exp(x));
#endif
}

Extended Sqrt(Extended x) {
    return Finite(std::sqrt(x));
}

} // namespace tarsilo::checked
