#pragma once
// The natural exponential in the 80-bit extended format, within one ulp of
// the exact value over the whole range and correctly rounded but for about
// one argument in ten million. The Windows toolchain's expl is off by more
// than an ulp for some arguments and gives 0 for every result below the
// normal range, so the Windows build uses this one.
//
// IEEE results: +inf beyond the last finite result (with the overflow flag),
// a subnormal or 0 below the normal range (underflow flag, never a trap),
// NaN for NaN, exp(+inf) = +inf and exp(-inf) = 0 exactly.

namespace tarsilo {

long double ExtendedExp(long double x);

} // namespace tarsilo
