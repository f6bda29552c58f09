// The rounded operations of the software extended type by MPFR, the
// alternative to Berkeley SoftFloat (calc/soft_extended_softfloat.cpp) that
// this benchmark measures: precision 64, the x87's exponent range with
// gradual underflow emulated by mpfr_subnormalize, round to nearest even.
//
// MPFR's own underflow flag means a result below the smallest subnormal; the
// x87 raises underflow for a result that is tiny (below the smallest normal
// after rounding to 64 bits with an unbounded exponent) and inexact, so that
// flag is derived from the result before subnormalizing.

#include <gmp.h>
#include <mpfr.h>

#include "bench/mpfr_extended/backend_calls.h"
#include "calc/soft_extended_backend.h"

namespace tarsilo::bench {

// The benchmarks run on one thread.
std::array<long, 5>& BackendCalls() {
    static std::array<long, 5> calls{};
    return calls;
}

} // namespace tarsilo::bench

namespace tarsilo::soft_backend {

namespace {

static_assert(GMP_NUMB_BITS == 64, "one limb holds the 64-bit significand");

constexpr int Precision = 64;
// x = m·2^e with 0.5 <= m < 1: the largest finite value has e = 16384, the
// smallest subnormal 2^-16445 has e = -16444, the smallest normal e = -16381.
constexpr mpfr_exp_t MaxExponent = 16384;
constexpr mpfr_exp_t MinExponent = -16444;
constexpr mpfr_exp_t MinNormalExponent = -16381;
constexpr int Bias = SoftExtended::Bias;

// Three numbers of 64 bits for each thread, made once.
struct Registers {
    mpfr_t a, b, result;
    Registers() { mpfr_inits2(Precision, a, b, result, static_cast<mpfr_ptr>(nullptr)); }
    ~Registers() { mpfr_clears(a, b, result, static_cast<mpfr_ptr>(nullptr)); }
};
Registers& Local() {
    thread_local Registers registers;
    return registers;
}

// Exact: the backend only receives finite values; a pseudo-denormal arrives
// with exponent 1.
void Load(mpfr_t target, SoftExtended x) {
    const int biased = x.SignAndExponent() & SoftExtended::MaxBiased;
    const long exponent = (biased == 0 ? 1 : biased) - Bias - 63;
    mpfr_set_ui_2exp(target, x.Significand(), exponent, MPFR_RNDN);
    if (x.SignAndExponent() & SoftExtended::SignBit)
        mpfr_neg(target, target, MPFR_RNDN);
}

SoftExtended Store(const mpfr_t x) {
    const std::uint16_t sign = mpfr_signbit(x) ? SoftExtended::SignBit : 0;
    if (mpfr_zero_p(x))
        return SoftExtended::FromBits(sign, 0);
    if (mpfr_inf_p(x))
        return SoftExtended::FromBits(sign | SoftExtended::MaxBiased, SoftExtended::IntegerBit);
    // The one limb of a 64-bit number, its leading bit set.
    const auto limb = static_cast<const mp_limb_t*>(mpfr_custom_get_significand(x));
    std::uint64_t significand = limb[0];
    const long biased = mpfr_get_exp(x) - 1 + Bias;
    if (biased >= 1)
        return SoftExtended::FromBits(static_cast<std::uint16_t>(sign | biased), significand);
    // Subnormal: mpfr_subnormalize has cleared the bits that shift out.
    significand >>= 1 - biased;
    return SoftExtended::FromBits(sign, significand);
}

// The mode and range are set on every call, as the SoftFloat backend sets its
// own, so that no other user of MPFR can leave another one behind.
template <class Operation> Rounded Run(int index, Operation operation) {
    ++bench::BackendCalls()[index];
    Registers& r = Local();
    mpfr_set_emin(MinExponent);
    mpfr_set_emax(MaxExponent);
    mpfr_clear_flags();
    int ternary = operation(r);
    // A result MPFR underflowed (to zero or the smallest subnormal) is tiny too.
    const bool tiny = mpfr_underflow_p() ||
                      (mpfr_regular_p(r.result) && mpfr_get_exp(r.result) < MinNormalExponent);
    ternary = mpfr_subnormalize(r.result, ternary, MPFR_RNDN);
    std::uint16_t flags = 0;
    if (ternary != 0 || mpfr_inexflag_p())
        flags |= x87_flag::Inexact;
    if (mpfr_overflow_p())
        flags |= x87_flag::Overflow;
    if (tiny && (flags & x87_flag::Inexact))
        flags |= x87_flag::Underflow;
    return {Store(r.result), flags};
}

// One of MPFR's operations on two operands, counted under `index`.
Rounded Binary(int index, SoftExtended a, SoftExtended b,
               int (*operation)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t)) {
    return Run(index, [&](Registers& r) {
        Load(r.a, a);
        Load(r.b, b);
        return operation(r.result, r.a, r.b, MPFR_RNDN);
    });
}

} // namespace

Rounded Add(SoftExtended a, SoftExtended b) {
    return Binary(0, a, b, mpfr_add);
}

Rounded Subtract(SoftExtended a, SoftExtended b) {
    return Binary(1, a, b, mpfr_sub);
}

Rounded Multiply(SoftExtended a, SoftExtended b) {
    return Binary(2, a, b, mpfr_mul);
}

Rounded Divide(SoftExtended a, SoftExtended b) {
    return Binary(3, a, b, mpfr_div);
}

Rounded SquareRoot(SoftExtended a) {
    return Run(4, [&](Registers& r) {
        Load(r.a, a);
        return mpfr_sqrt(r.result, r.a, MPFR_RNDN);
    });
}

} // namespace tarsilo::soft_backend
