#pragma once

#include "calc/checked_math.h"
#include "calc/inputs.h"

namespace tarsilo {

// k = ((μ × g) × Hx) / (R × T), shared by the validation and the model;
// the numerator is evaluated before the denominator.
inline Extended HeightTerm(const CalcInputs& in) {
    using namespace checked;
    const Extended numerator = Product(in.mu, in.g, in.Hx);
    const Extended denominator = Mul(GasConstantR, in.T);
    return Div(numerator, denominator);
}

} // namespace tarsilo
