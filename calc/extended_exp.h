#pragma once
// The natural exponential in the 80-bit extended format, within one ulp of
// the exact value over the whole range and correctly rounded but for about
// one argument in ten million. Every build uses it, so that all of them give
// the same bits: the C libraries' own (expl) differ from one another by an
// ulp here and there, and the Windows one gives 0 for every result below the
// normal range.
//
// IEEE results: +inf beyond the last finite result (with the overflow flag),
// a subnormal or 0 below the normal range (underflow flag, never a trap),
// NaN for NaN, exp(+inf) = +inf and exp(-inf) = 0 exactly.

#include "calc/extended.h"

namespace tarsilo {

Extended ExtendedExp(Extended x);

} // namespace tarsilo
