// The rounded operations of the software extended type, by Berkeley SoftFloat
// (third_party/berkeley-softfloat-3): its 80-bit format at full precision,
// with the x86 specialization, whose rounding and tininess detection (after
// rounding) are the x87's.

#include "calc/soft_extended_backend.h"

// The library's build settings come first: its 80-bit type's layout depends
// on them.
extern "C" {
#include "platform.h"
#include "softfloat.h"
}

namespace tarsilo::soft_backend {

namespace {

extFloat80_t ToLibrary(SoftExtended x) {
    extFloat80_t value;
    value.signif = x.Significand();
    value.signExp = x.SignAndExponent();
    return value;
}

std::uint16_t FlagsOf(uint_fast8_t library) {
    std::uint16_t flags = 0;
    if (library & softfloat_flag_inexact)
        flags |= x87_flag::Inexact;
    if (library & softfloat_flag_underflow)
        flags |= x87_flag::Underflow;
    if (library & softfloat_flag_overflow)
        flags |= x87_flag::Overflow;
    if (library & softfloat_flag_infinite)
        flags |= x87_flag::ZeroDivide;
    if (library & softfloat_flag_invalid)
        flags |= x87_flag::Invalid;
    return flags;
}

// The library keeps its mode and flags per thread; the mode is set on every
// call, so that nothing else can leave another one behind.
template <class Operation> Rounded Run(Operation operation) {
    softfloat_roundingMode = softfloat_round_near_even;
    softfloat_detectTininess = softfloat_tininess_afterRounding;
    extF80_roundingPrecision = 80;
    softfloat_exceptionFlags = 0;
    const extFloat80_t result = operation();
    return {SoftExtended::FromBits(result.signExp, result.signif),
            FlagsOf(softfloat_exceptionFlags)};
}

} // namespace

Rounded Add(SoftExtended a, SoftExtended b) {
    return Run([&] { return extF80_add(ToLibrary(a), ToLibrary(b)); });
}

Rounded Subtract(SoftExtended a, SoftExtended b) {
    return Run([&] { return extF80_sub(ToLibrary(a), ToLibrary(b)); });
}

Rounded Multiply(SoftExtended a, SoftExtended b) {
    return Run([&] { return extF80_mul(ToLibrary(a), ToLibrary(b)); });
}

Rounded Divide(SoftExtended a, SoftExtended b) {
    return Run([&] { return extF80_div(ToLibrary(a), ToLibrary(b)); });
}

Rounded SquareRoot(SoftExtended a) {
    return Run([&] { return extF80_sqrt(ToLibrary(a)); });
}

} // namespace tarsilo::soft_backend
