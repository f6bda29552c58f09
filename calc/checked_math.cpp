#include "calc/checked_math.h"

namespace tarsilo::checked {

void RaiseForResult(Extended result, Extended divisor) {
    if (std::isnan(result))
        RaiseFault(ProcessorFault::FloatInvalidOperation);
    RaiseFault(divisor == 0 ? ProcessorFault::FloatDivideByZero : ProcessorFault::FloatOverflow);
}

Extended Exp(Extended x) {
    return Finite(std::exp(x));
}

Extended Sqrt(Extended x) {
    return Finite(std::sqrt(x));
}

} // namespace tarsilo::checked
