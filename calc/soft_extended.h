#pragma once
// The 80-bit extended format computed in software, with the x87's results:
// a 64-bit significand with its explicit integer bit, a 15-bit exponent,
// gradual underflow, round to nearest with ties to even, and the x87's six
// sticky exception flags. Where long double is that format (x86) the core
// uses long double; elsewhere (arm64, whose long double is the 128-bit
// format) it uses this type (calc/extended.h).
//
// Every operation gives the bits the x87 gives for the same operands, NaNs and
// the encodings the x87 refuses (unnormals, pseudo-infinities, pseudo-NaNs)
// included, and raises the flags it raises; nothing ever traps. Rounding of
// the finite results is left to a backend (calc/soft_extended_backend.h).

#include <bit>
#include <concepts>
#include <cstdint>
#include <limits>

namespace tarsilo {

// The x87 status word's exception flags, as SoftExtendedFlags reports them.
namespace x87_flag {
inline constexpr std::uint16_t Invalid = 0x01;
inline constexpr std::uint16_t Denormal = 0x02;
inline constexpr std::uint16_t ZeroDivide = 0x04;
inline constexpr std::uint16_t Overflow = 0x08;
inline constexpr std::uint16_t Underflow = 0x10;
inline constexpr std::uint16_t Inexact = 0x20;
} // namespace x87_flag

class SoftExtended {
public:
    constexpr SoftExtended() = default;

    // Integers up to 64 bits convert exactly.
    template <std::integral T> constexpr SoftExtended(T value) {
        const bool negative = value < 0;
        const std::uint64_t magnitude =
            negative ? std::uint64_t(0) - std::uint64_t(value) : std::uint64_t(value);
        if (magnitude == 0) {
            signAndExponent_ = 0;
            return;
        }
        const int shift = std::countl_zero(magnitude);
        significand_ = magnitude << shift;
        signAndExponent_ =
            static_cast<std::uint16_t>((negative ? SignBit : 0) | (Bias + 63 - shift));
    }

    // Every double is an extended value.
    constexpr SoftExtended(double value) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        const std::uint16_t sign = (bits >> 63) ? SignBit : 0;
        const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
        const std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);
        if (exponent == 0x7FF) {
            // Infinities, and NaNs with their payload; a signalling NaN stays one.
            significand_ = IntegerBit | fraction << 11;
            signAndExponent_ = sign | MaxBiased;
        } else if (exponent == 0) {
            if (fraction == 0) {
                signAndExponent_ = sign;
                return;
            }
            const int shift = std::countl_zero(fraction);
            significand_ = fraction << shift;
            signAndExponent_ = static_cast<std::uint16_t>(sign | (Bias - 1022 - 52 + 63 - shift));
        } else {
            significand_ = IntegerBit | fraction << 11;
            signAndExponent_ = static_cast<std::uint16_t>(sign | (exponent - 1023 + Bias));
        }
    }

    // Exact for every long double that is an extended value (all of them on
    // x86, where long double is this format; hexadecimal literals of at most
    // 64 significant bits elsewhere); any other 128-bit value is rounded to
    // nearest, ties to even.
    constexpr SoftExtended(long double value) {
#if __LDBL_MANT_DIG__ == 64
        struct Layout {
            std::uint64_t significand;
            std::uint16_t signAndExponent;
            unsigned char padding[sizeof(long double) - 10];
        };
        const auto layout = std::bit_cast<Layout>(value);
        significand_ = layout.significand;
        signAndExponent_ = layout.signAndExponent;
#elif __LDBL_MANT_DIG__ == 113
        *this = FromBinary128(std::bit_cast<unsigned __int128>(value));
#else
#error "long double is neither the 80-bit nor the 128-bit format"
#endif
    }

    static constexpr SoftExtended FromBits(std::uint16_t signAndExponent,
                                           std::uint64_t significand) {
        SoftExtended value;
        value.signAndExponent_ = signAndExponent;
        value.significand_ = significand;
        return value;
    }
    constexpr std::uint16_t SignAndExponent() const {
        return signAndExponent_;
    }
    constexpr std::uint64_t Significand() const {
        return significand_;
    }

    // Truncated toward zero, as C converts; out of range (and NaN) gives the
    // x87's integer indefinite with the invalid flag.
    explicit operator int() const;
    explicit operator long long() const;
    // Below 2^64 and not negative, else 2^63 with the invalid flag.
    explicit operator unsigned long long() const;
    // Exact (binary128 holds every extended value); a double is rounded once.
    explicit operator long double() const;
    explicit operator double() const;

    // The sign changed, and nothing else: no flag, as the x87's FCHS.
    constexpr SoftExtended operator-() const {
        return FromBits(signAndExponent_ ^ SignBit, significand_);
    }

    friend SoftExtended operator+(SoftExtended a, SoftExtended b);
    friend SoftExtended operator-(SoftExtended a, SoftExtended b);
    friend SoftExtended operator*(SoftExtended a, SoftExtended b);
    friend SoftExtended operator/(SoftExtended a, SoftExtended b);
    SoftExtended& operator+=(SoftExtended b) {
        return *this = *this + b;
    }
    SoftExtended& operator-=(SoftExtended b) {
        return *this = *this - b;
    }
    SoftExtended& operator*=(SoftExtended b) {
        return *this = *this * b;
    }
    SoftExtended& operator/=(SoftExtended b) {
        return *this = *this / b;
    }

    // == and != are quiet (the invalid flag for signalling NaNs and refused
    // encodings only); the orderings raise it for any NaN, as C's relational
    // operators.
    friend bool operator==(SoftExtended a, SoftExtended b);
    friend bool operator<(SoftExtended a, SoftExtended b);
    friend bool operator<=(SoftExtended a, SoftExtended b);
    friend bool operator>(SoftExtended a, SoftExtended b) {
        return b < a;
    }
    friend bool operator>=(SoftExtended a, SoftExtended b) {
        return b <= a;
    }

    static constexpr std::uint16_t SignBit = 0x8000;
    static constexpr std::uint16_t MaxBiased = 0x7FFF;
    static constexpr int Bias = 16383;
    static constexpr std::uint64_t IntegerBit = std::uint64_t(1) << 63;

private:
    // A binary128 value (1 sign, 15 exponent, 112 fraction bits) rounded to
    // this format. Both formats have the same exponent range, so only the
    // significand is rounded; a carry past the largest value gives infinity.
    static constexpr SoftExtended FromBinary128(unsigned __int128 bits) {
        const std::uint16_t signAndExponent = static_cast<std::uint16_t>(bits >> 112);
        const int biased = signAndExponent & MaxBiased;
        const unsigned __int128 fraction = bits & ((static_cast<unsigned __int128>(1) << 112) - 1);
        if (biased == MaxBiased) {
            const std::uint64_t payload = static_cast<std::uint64_t>(fraction >> 49);
            return FromBits(signAndExponent,
                            IntegerBit | (fraction != 0 && payload == 0 ? 1 : payload));
        }
        // The 113-bit significand (integer bit explicit), cut to 64 bits.
        const unsigned __int128 whole =
            fraction | (biased != 0 ? static_cast<unsigned __int128>(1) << 112 : 0);
        std::uint64_t significand = static_cast<std::uint64_t>(whole >> 49);
        const std::uint64_t rest =
            static_cast<std::uint64_t>(whole) & ((std::uint64_t(1) << 49) - 1);
        constexpr std::uint64_t Half = std::uint64_t(1) << 48;
        int exponent = biased;
        if (rest > Half || (rest == Half && (significand & 1))) {
            ++significand;
            if (significand == 0) {
                significand = IntegerBit;
                ++exponent;
            } else if (exponent == 0 && significand == IntegerBit) {
                exponent = 1; // a subnormal rounded up to the smallest normal
            }
        }
        if (exponent == MaxBiased)
            significand = IntegerBit;
        return FromBits(static_cast<std::uint16_t>((signAndExponent & SignBit) | exponent),
                        significand);
    }

    std::uint64_t significand_ = 0;
    std::uint16_t signAndExponent_ = 0;
};

// The sticky flags that the operations since the last clearing raised, in the
// bits of the x87 status word (x87_flag). Each thread has its own, as each
// thread has its own x87 status word.
std::uint16_t SoftExtendedFlags();
void ClearSoftExtendedFlags();

namespace soft_extended {

enum class Kind { Zero, Subnormal, Normal, Infinite, NotANumber };
// NotANumber for NaNs and for the encodings the x87 refuses; pseudo-denormals
// are subnormal.
Kind KindOf(SoftExtended x);

// Correctly rounded, with the x87's flags.
SoftExtended SquareRoot(SoftExtended x);
// To an integral value: to nearest, ties to even (with the inexact flag when
// that changes the value), or down (silently).
SoftExtended RoundToNearestIntegral(SoftExtended x);
SoftExtended RoundDownToIntegral(SoftExtended x);
// x = m·2^exponent with 0.5 <= |m| < 1; zero, infinities and NaNs unchanged
// with exponent 0.
SoftExtended SplitExponent(SoftExtended x, int& exponent);
// The exact value as a long double (binary128 holds every extended value).
long double ToLongDouble(SoftExtended x);

} // namespace soft_extended
} // namespace tarsilo

template <> class std::numeric_limits<tarsilo::SoftExtended> {
    using T = tarsilo::SoftExtended;

public:
    static constexpr bool is_specialized = true;
    static constexpr bool is_signed = true;
    static constexpr bool is_integer = false;
    static constexpr bool is_exact = false;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr bool has_signaling_NaN = true;
    static constexpr bool is_iec559 = false;
    static constexpr bool is_bounded = true;
    static constexpr int radix = 2;
    static constexpr int digits = 64;
    static constexpr int digits10 = 18;
    static constexpr int max_digits10 = 21;
    static constexpr int min_exponent = -16381;
    static constexpr int max_exponent = 16384;
    static constexpr float_round_style round_style = round_to_nearest;
    static constexpr T min() noexcept { return T::FromBits(1, T::IntegerBit); }
    static constexpr T max() noexcept { return T::FromBits(0x7FFE, ~std::uint64_t(0)); }
    static constexpr T lowest() noexcept { return -max(); }
    static constexpr T epsilon() noexcept { return T::FromBits(T::Bias - 63, T::IntegerBit); }
    static constexpr T denorm_min() noexcept { return T::FromBits(0, 1); }
    static constexpr T infinity() noexcept { return T::FromBits(T::MaxBiased, T::IntegerBit); }
    // The x87's own quiet NaN ("real indefinite") has the sign set; this is
    // the positive quiet NaN, as std::numeric_limits<long double> gives.
    static constexpr T quiet_NaN() noexcept {
        return T::FromBits(T::MaxBiased, T::IntegerBit | T::IntegerBit >> 1);
    }
    static constexpr T signaling_NaN() noexcept {
        return T::FromBits(T::MaxBiased, T::IntegerBit | T::IntegerBit >> 2);
    }
};
