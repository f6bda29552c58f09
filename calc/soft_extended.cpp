#include "calc/soft_extended.h"

#include "calc/soft_extended_backend.h"

namespace tarsilo {

namespace {

using soft_extended::Kind;
using namespace x87_flag;

thread_local std::uint16_t StickyFlags = 0;

void Raise(std::uint16_t flags) {
    StickyFlags |= flags;
}

constexpr std::uint64_t IntegerBit = SoftExtended::IntegerBit;
constexpr std::uint64_t QuietBit = IntegerBit >> 1;
constexpr int Bias = SoftExtended::Bias;

// The x87's quiet NaN for an invalid operation without a NaN operand.
constexpr SoftExtended Indefinite = SoftExtended::FromBits(0xFFFF, IntegerBit | QuietBit);

int Biased(SoftExtended x) {
    return x.SignAndExponent() & SoftExtended::MaxBiased;
}
bool Negative(SoftExtended x) {
    return (x.SignAndExponent() & SoftExtended::SignBit) != 0;
}
std::uint16_t SignOf(SoftExtended x) {
    return x.SignAndExponent() & SoftExtended::SignBit;
}
bool IsNaNEncoding(SoftExtended x) {
    return Biased(x) == SoftExtended::MaxBiased && (x.Significand() & IntegerBit) &&
           (x.Significand() << 1) != 0;
}
// Unnormals, pseudo-infinities and pseudo-NaNs: a biased exponent other than
// 0 without the integer bit.
bool IsRefused(SoftExtended x) {
    return Biased(x) != 0 && !(x.Significand() & IntegerBit);
}
bool IsSignalling(SoftExtended x) {
    return IsNaNEncoding(x) && !(x.Significand() & QuietBit);
}
SoftExtended Quieted(SoftExtended x) {
    return SoftExtended::FromBits(x.SignAndExponent(), x.Significand() | QuietBit);
}
SoftExtended Infinity(bool negative) {
    return SoftExtended::FromBits(
        static_cast<std::uint16_t>((negative ? SoftExtended::SignBit : 0) |
                                   SoftExtended::MaxBiased),
        IntegerBit);
}
SoftExtended Zero(bool negative) {
    return SoftExtended::FromBits(negative ? SoftExtended::SignBit : 0, 0);
}
// A pseudo-denormal as the normal encoding of its value.
SoftExtended Canonical(SoftExtended x) {
    if (Biased(x) == 0 && (x.Significand() & IntegerBit))
        return SoftExtended::FromBits(x.SignAndExponent() | 1, x.Significand());
    return x;
}

// The operation's result when a NaN or a refused encoding is among the
// operands: a refused operand gives the quiet NaN of an invalid operation; a
// signalling NaN raises the invalid flag; of two NaNs the quiet one wins over
// a signalling one, else the one with the larger significand (the first on a
// tie), and the result is always quiet.
bool SettledByNaN(SoftExtended a, SoftExtended b, SoftExtended& result) {
    if (IsRefused(a) || IsRefused(b)) {
        Raise(Invalid);
        result = Indefinite;
        return true;
    }
    const bool nanA = IsNaNEncoding(a), nanB = IsNaNEncoding(b);
    if (!nanA && !nanB)
        return false;
    const bool signallingA = IsSignalling(a), signallingB = IsSignalling(b);
    if (signallingA || signallingB)
        Raise(Invalid);
    if (nanA && nanB) {
        if (signallingA != signallingB)
            result = signallingA ? b : a;
        else
            result = b.Significand() > a.Significand() ? b : a;
    } else {
        result = nanA ? a : b;
    }
    result = Quieted(result);
    return true;
}

bool IsSettledByNaN(SoftExtended a, SoftExtended& result) {
    return SettledByNaN(a, a, result);
}

void RaiseIfDenormal(SoftExtended a, SoftExtended b) {
    if ((Biased(a) == 0 && a.Significand() != 0) || (Biased(b) == 0 && b.Significand() != 0))
        Raise(Denormal);
}

bool IsInfinite(SoftExtended x) {
    return Biased(x) == SoftExtended::MaxBiased;
}
bool IsZero(SoftExtended x) {
    return Biased(x) == 0 && x.Significand() == 0;
}

SoftExtended Finish(soft_backend::Rounded rounded) {
    Raise(rounded.flags);
    return rounded.value;
}

// a + b, or a − b with `subtract`, once NaNs are settled.
SoftExtended AddOrSubtract(SoftExtended a, SoftExtended b, bool subtract) {
    SoftExtended result;
    if (SettledByNaN(a, b, result))
        return result;
    RaiseIfDenormal(a, b);
    const bool negativeB = Negative(b) != subtract;
    if (IsInfinite(a) || IsInfinite(b)) {
        if (IsInfinite(a) && IsInfinite(b) && Negative(a) != negativeB) {
            Raise(Invalid);
            return Indefinite;
        }
        return IsInfinite(a) ? a : Infinity(negativeB);
    }
    return Finish(subtract ? soft_backend::Subtract(Canonical(a), Canonical(b))
                           : soft_backend::Add(Canonical(a), Canonical(b)));
}

// Integral part of |x| and whether a fraction was dropped, for |x| < 2^64;
// false beyond that, for infinities, NaNs and refused encodings.
bool TruncatedMagnitude(SoftExtended x, std::uint64_t& magnitude, bool& inexact) {
    const Kind kind = soft_extended::KindOf(x);
    if (kind == Kind::Infinite || kind == Kind::NotANumber)
        return false;
    const int exponent = Biased(Canonical(x)) - Bias;
    if (kind == Kind::Zero || exponent < 0) {
        magnitude = 0;
        inexact = kind != Kind::Zero;
        return true;
    }
    if (exponent > 63)
        return false;
    const int fractionBits = 63 - exponent;
    magnitude = x.Significand() >> fractionBits;
    inexact = fractionBits > 0 && (x.Significand() << (64 - fractionBits)) != 0;
    return true;
}

// x converted to a signed integer of `bits` bits, truncated.
long long ToSigned(SoftExtended x, int bits) {
    const std::uint64_t limit = std::uint64_t(1) << (bits - 1);
    const long long indefinite = -static_cast<long long>(limit - 1) - 1;
    std::uint64_t magnitude = 0;
    bool inexact = false;
    if (!TruncatedMagnitude(x, magnitude, inexact) || magnitude > limit ||
        (magnitude == limit && !Negative(x))) {
        Raise(Invalid);
        return indefinite;
    }
    if (inexact)
        Raise(Inexact);
    if (magnitude == limit)
        return indefinite;
    const auto value = static_cast<long long>(magnitude);
    return Negative(x) ? -value : value;
}

// A finite, non-zero x rounded to an integral value: to nearest with ties
// to even, or toward minus infinity.
SoftExtended RoundToIntegral(SoftExtended x, bool toNearest) {
    SoftExtended result;
    if (IsSettledByNaN(x, result))
        return result;
    if (IsInfinite(x) || IsZero(x))
        return x;
    RaiseIfDenormal(x, x);
    x = Canonical(x);
    const int exponent = Biased(x) - Bias;
    if (exponent >= 63)
        return x;
    const bool negative = Negative(x);
    std::uint64_t whole = 0;
    bool up = false;
    bool inexact = true;
    if (exponent < 0) {
        // |x| < 1: above one half rounds away from zero; exactly one half rounds to the even 0.
        up = toNearest ? exponent == -1 && x.Significand() > IntegerBit : negative;
    } else {
        const int fractionBits = 63 - exponent;
        whole = x.Significand() >> fractionBits;
        const std::uint64_t fraction = x.Significand() & ((std::uint64_t(1) << fractionBits) - 1);
        const std::uint64_t half = std::uint64_t(1) << (fractionBits - 1);
        inexact = fraction != 0;
        up = toNearest ? fraction > half || (fraction == half && (whole & 1)) : negative && inexact;
    }
    if (inexact && toNearest)
        Raise(Inexact);
    whole += up;
    if (whole == 0)
        return Zero(negative);
    const SoftExtended magnitude(whole);
    return negative ? -magnitude : magnitude;
}

// Magnitude on one scale for all numbers: a biased exponent above the
// significand, so that subnormals (exponent 0) sort below normals.
unsigned __int128 MagnitudeKey(SoftExtended x) {
    x = Canonical(x);
    if (IsZero(x))
        return 0;
    return static_cast<unsigned __int128>(Biased(x)) << 64 | x.Significand();
}

enum class Order { Less, Equal, Greater, Unordered };

Order Compare(SoftExtended a, SoftExtended b, bool signalling) {
    const bool unordered = IsRefused(a) || IsRefused(b) || IsNaNEncoding(a) || IsNaNEncoding(b);
    if (unordered) {
        if (signalling || IsRefused(a) || IsRefused(b) || IsSignalling(a) || IsSignalling(b))
            Raise(Invalid);
        return Order::Unordered;
    }
    RaiseIfDenormal(a, b);
    const unsigned __int128 keyA = MagnitudeKey(a), keyB = MagnitudeKey(b);
    const bool negativeA = Negative(a) && keyA != 0, negativeB = Negative(b) && keyB != 0;
    if (negativeA != negativeB)
        return negativeA ? Order::Less : Order::Greater;
    if (keyA == keyB)
        return Order::Equal;
    return (keyA < keyB) != negativeA ? Order::Less : Order::Greater;
}

} // namespace

std::uint16_t SoftExtendedFlags() {
    return StickyFlags;
}

void ClearSoftExtendedFlags() {
    StickyFlags = 0;
}

SoftExtended operator+(SoftExtended a, SoftExtended b) {
    return AddOrSubtract(a, b, false);
}

SoftExtended operator-(SoftExtended a, SoftExtended b) {
    return AddOrSubtract(a, b, true);
}

SoftExtended operator*(SoftExtended a, SoftExtended b) {
    SoftExtended result;
    if (SettledByNaN(a, b, result))
        return result;
    const bool negative = Negative(a) != Negative(b);
    if (IsInfinite(a) || IsInfinite(b)) {
        if (IsZero(a) || IsZero(b)) {
            Raise(Invalid);
            return Indefinite;
        }
        RaiseIfDenormal(a, b);
        return Infinity(negative);
    }
    RaiseIfDenormal(a, b);
    return Finish(soft_backend::Multiply(Canonical(a), Canonical(b)));
}

SoftExtended operator/(SoftExtended a, SoftExtended b) {
    SoftExtended result;
    if (SettledByNaN(a, b, result))
        return result;
    const bool negative = Negative(a) != Negative(b);
    if (IsInfinite(a) && IsInfinite(b)) {
        Raise(Invalid);
        return Indefinite;
    }
    if (IsZero(b)) {
        if (IsZero(a)) {
            Raise(Invalid);
            return Indefinite;
        }
        if (!IsInfinite(a)) {
            Raise(ZeroDivide);
            return Infinity(negative);
        }
    }
    RaiseIfDenormal(a, b);
    if (IsInfinite(a))
        return Infinity(negative);
    if (IsInfinite(b))
        return Zero(negative);
    return Finish(soft_backend::Divide(Canonical(a), Canonical(b)));
}

bool operator==(SoftExtended a, SoftExtended b) {
    return Compare(a, b, false) == Order::Equal;
}

bool operator<(SoftExtended a, SoftExtended b) {
    return Compare(a, b, true) == Order::Less;
}

bool operator<=(SoftExtended a, SoftExtended b) {
    const Order order = Compare(a, b, true);
    return order == Order::Less || order == Order::Equal;
}

SoftExtended::operator int() const {
    return static_cast<int>(ToSigned(*this, 32));
}

SoftExtended::operator long long() const {
    return ToSigned(*this, 64);
}

SoftExtended::operator unsigned long long() const {
    std::uint64_t magnitude = 0;
    bool inexact = false;
    if (!TruncatedMagnitude(*this, magnitude, inexact) || (Negative(*this) && magnitude != 0)) {
        Raise(Invalid);
        return IntegerBit;
    }
    if (inexact)
        Raise(Inexact);
    return magnitude;
}

SoftExtended::operator long double() const {
    return soft_extended::ToLongDouble(*this);
}

SoftExtended::operator double() const {
    return static_cast<double>(soft_extended::ToLongDouble(*this));
}

namespace soft_extended {

Kind KindOf(SoftExtended x) {
    if (IsRefused(x) || IsNaNEncoding(x))
        return Kind::NotANumber;
    if (IsInfinite(x))
        return Kind::Infinite;
    if (Biased(x) == 0)
        return x.Significand() == 0 ? Kind::Zero : Kind::Subnormal;
    return Kind::Normal;
}

SoftExtended SquareRoot(SoftExtended x) {
    SoftExtended result;
    if (IsSettledByNaN(x, result))
        return result;
    if (IsZero(x))
        return x;
    if (Negative(x)) {
        Raise(Invalid);
        return Indefinite;
    }
    RaiseIfDenormal(x, x);
    if (IsInfinite(x))
        return x;
    return Finish(soft_backend::SquareRoot(Canonical(x)));
}

SoftExtended RoundToNearestIntegral(SoftExtended x) {
    return RoundToIntegral(x, true);
}

SoftExtended RoundDownToIntegral(SoftExtended x) {
    return RoundToIntegral(x, false);
}

SoftExtended SplitExponent(SoftExtended x, int& exponent) {
    exponent = 0;
    const Kind kind = KindOf(x);
    if (kind != Kind::Normal && kind != Kind::Subnormal)
        return x;
    x = Canonical(x);
    std::uint64_t significand = x.Significand();
    int biased = Biased(x);
    if (biased == 0) {
        const int shift = __builtin_clzll(significand);
        significand <<= shift;
        biased = 1 - shift;
    }
    exponent = biased - Bias + 1;
    return SoftExtended::FromBits(static_cast<std::uint16_t>(SignOf(x) | (Bias - 1)), significand);
}

long double ToLongDouble(SoftExtended x) {
#if __LDBL_MANT_DIG__ == 64
    struct Layout {
        std::uint64_t significand;
        std::uint16_t signAndExponent;
        unsigned char padding[sizeof(long double) - 10] = {};
    };
    return std::bit_cast<long double>(Layout{x.Significand(), x.SignAndExponent()});
#else
    const Kind kind = KindOf(x);
    const unsigned __int128 sign = static_cast<unsigned __int128>(Negative(x)) << 127;
    const unsigned __int128 maxBiased = static_cast<unsigned __int128>(SoftExtended::MaxBiased)
                                        << 112;
    if (kind == Kind::NotANumber) {
        const std::uint64_t payload = IsNaNEncoding(x) ? x.Significand() & ~IntegerBit : QuietBit;
        return std::bit_cast<long double>(sign | maxBiased |
                                          static_cast<unsigned __int128>(payload) << 49);
    }
    x = Canonical(x);
    // The fraction keeps its place; only the integer bit is implicit there.
    const unsigned __int128 fraction = static_cast<unsigned __int128>(x.Significand() & ~IntegerBit)
                                       << 49;
    const unsigned __int128 biased = static_cast<unsigned __int128>(Biased(x)) << 112;
    return std::bit_cast<long double>(sign | biased | fraction);
#endif
}

} // namespace soft_extended
} // namespace tarsilo
