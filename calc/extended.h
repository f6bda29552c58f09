#pragma once
// The one extended type of the calculation core: the 80-bit format with a
// 64-bit significand, rounded to nearest with ties to even, with the x87's
// exponent range and gradual underflow, so that every build computes the
// same bits.
//
// On x86 (Linux and Windows) that is long double, computed by the x87. Where
// long double is another format (arm64: the 128-bit one), and on x86 too when
// built with TARSILO_SOFT_EXTENDED, it is SoftExtended, which computes the
// x87's results in software. The core writes its arithmetic with the usual
// operators and its other steps with the functions below, which both types
// have.

#include <cmath>
#include <cstdint>
#include <limits>

#if defined(TARSILO_SOFT_EXTENDED) || !(defined(__x86_64__) || defined(__i386__))
#define TARSILO_EXTENDED_IS_SOFT 1
#include "calc/soft_extended.h"
#else
#define TARSILO_EXTENDED_IS_SOFT 0
static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "long double is the x87's 80-bit format on x86");
#endif

namespace tarsilo {

#if TARSILO_EXTENDED_IS_SOFT
using Extended = SoftExtended;

inline bool IsNan(Extended x) {
    return soft_extended::KindOf(x) == soft_extended::Kind::NotANumber;
}
inline bool IsInf(Extended x) {
    return soft_extended::KindOf(x) == soft_extended::Kind::Infinite;
}
inline bool IsSubnormal(Extended x) {
    return soft_extended::KindOf(x) == soft_extended::Kind::Subnormal;
}
inline bool SignBit(Extended x) {
    return (x.SignAndExponent() & Extended::SignBit) != 0;
}
inline Extended Abs(Extended x) {
    return Extended::FromBits(x.SignAndExponent() & ~Extended::SignBit, x.Significand());
}
inline Extended SquareRoot(Extended x) {
    return soft_extended::SquareRoot(x);
}
inline Extended RoundToNearestIntegral(Extended x) {
    return soft_extended::RoundToNearestIntegral(x);
}
inline Extended RoundDown(Extended x) {
    return soft_extended::RoundDownToIntegral(x);
}
inline Extended SplitExponent(Extended x, int& exponent) {
    return soft_extended::SplitExponent(x, exponent);
}
inline long double ToLongDouble(Extended x) {
    return soft_extended::ToLongDouble(x);
}
inline Extended ExtendedFromBits(std::uint16_t signAndExponent, std::uint64_t significand) {
    return Extended::FromBits(signAndExponent, significand);
}
inline std::uint16_t SignAndExponentOf(Extended x) {
    return x.SignAndExponent();
}
inline std::uint64_t SignificandOf(Extended x) {
    return x.Significand();
}
#else
using Extended = long double;

inline bool IsNan(Extended x) {
    return std::isnan(x);
}
inline bool IsInf(Extended x) {
    return std::isinf(x);
}
inline bool IsSubnormal(Extended x) {
    return std::fpclassify(x) == FP_SUBNORMAL;
}
inline bool SignBit(Extended x) {
    return std::signbit(x);
}
inline Extended Abs(Extended x) {
    return std::fabs(x);
}
inline Extended SquareRoot(Extended x) {
    return std::sqrt(x);
}
inline Extended RoundToNearestIntegral(Extended x) {
    return std::rint(x);
}
inline Extended RoundDown(Extended x) {
    return std::floor(x);
}
inline Extended SplitExponent(Extended x, int& exponent) {
    return std::frexp(x, &exponent);
}
inline long double ToLongDouble(Extended x) {
    return x;
}

// The x87 layout in memory: the significand, then sign and exponent.
struct ExtendedLayout {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
    unsigned char padding[sizeof(long double) - 10];
};
inline Extended ExtendedFromBits(std::uint16_t signAndExponent, std::uint64_t significand) {
    return __builtin_bit_cast(long double, (ExtendedLayout{significand, signAndExponent, {}}));
}
inline std::uint16_t SignAndExponentOf(Extended x) {
    return __builtin_bit_cast(ExtendedLayout, x).signAndExponent;
}
inline std::uint64_t SignificandOf(Extended x) {
    return __builtin_bit_cast(ExtendedLayout, x).significand;
}
#endif

// A value the compiler cannot fold into a constant, so that an operation on
// it happens at run time and raises its flags there (the software type never
// folds).
inline Extended Unfolded(Extended x) {
#if TARSILO_EXTENDED_IS_SOFT
    return x;
#else
    volatile Extended opaque = x;
    return opaque;
#endif
}

} // namespace tarsilo
