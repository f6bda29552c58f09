#include "calc/extended_exp.h"

#include <limits>

#include "calc/extended_exp_table.h"

// The error-free transformations below need every operation rounded as
// written.
#if defined(__FAST_MATH__)
#error "calc/extended_exp.cpp must not be compiled with -ffast-math"
#endif

namespace tarsilo {

namespace {

using namespace extended_exp;

// A value as an unevaluated sum hi + lo with |lo| at most half an ulp of hi.
struct Pair {
    Extended hi;
    Extended lo;
};

// a + b exactly, when |a| >= |b| or a is 0.
Pair FastTwoSum(Extended a, Extended b) {
    const Extended sum = a + b;
    return {sum, b - (sum - a)};
}

// a + b exactly, for any magnitudes.
Pair TwoSum(Extended a, Extended b) {
    const Extended sum = a + b;
    const Extended bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a·b exactly: each factor split into two halves of 32 bits, whose products
// are exact in 64 bits.
Pair TwoProduct(Extended a, Extended b) {
    constexpr Extended Splitter = 4294967297.0L; // 2^32 + 1
    const auto split = [](Extended x) {
        const Extended scaled = Splitter * x;
        const Extended hi = scaled - (scaled - x);
        return Pair{hi, x - hi};
    };
    const Pair as = split(a);
    const Pair bs = split(b);
    const Extended product = a * b;
    const Extended error =
        (((as.hi * bs.hi - product) + as.hi * bs.lo) + as.lo * bs.hi) + as.lo * bs.lo;
    return {product, error};
}

// 2^k for k in the normal range, built from its bits.
Extended PowerOfTwo(int k) {
    return ExtendedFromBits(static_cast<std::uint16_t>(k + 16383), std::uint64_t(1) << 63);
}

constexpr int MaxExponent = 16383;
constexpr int MinNormalExponent = -16382;
// The smallest subnormal is 2^-16445: 63 binary places below the normal range.
constexpr int SubnormalPlaces = -MinNormalExponent + 63;
constexpr Extended SmallestSubnormal = std::numeric_limits<Extended>::denorm_min();
// Adding 1.5·2^63 rounds any |t| < 2^62 to an integer (ties to even).
constexpr Extended IntegerShifter = 0x1.8p63L;
// Adding 2^63 rounds any t in [0, 2^63] to an integer.
constexpr Extended NonNegativeShifter = 0x1p63L;
// Below this |x|, exp(x) rounds as 1 + x does.
constexpr Extended NegligibleArgument = 0x1p-70L;

// exp(r) - 1 = r + r²/2 + r³·(1/3! + r·(1/4! + ... + r·(1/10!))) for
// |r| <= ln2/128: the first term left out, r^11/11!, is below 2^-108.
Extended CubicTail(Extended r) {
    Extended sum = 0;
    for (const Extended coefficient : InverseFactorials)
        sum = sum * r + coefficient;
    return sum * r * r * r;
}

// M·2^k rounded once to a subnormal, for M·2^k < 2^-16382: the multiple of
// the smallest subnormal nearest to (m.hi + m.lo)·2^k.
Extended ScaleIntoSubnormals(const Pair& m, int k) {
    // In units of the smallest subnormal, where the result is an integer
    // below 2^63; the scaling of both parts is exact.
    const Extended units = PowerOfTwo(k + SubnormalPlaces);
    const Extended high = m.hi * units;
    const Extended low = m.lo * units;
    const Extended whole = (high + NonNegativeShifter) - NonNegativeShifter;
    // |fraction| <= 1, and the rounding of its sum is far below the ties that
    // decide the last unit.
    const Extended fraction = (high - whole) + low;
    return whole * SmallestSubnormal + fraction * SmallestSubnormal;
}

Extended Overflowed() {
    const Extended huge = Unfolded(std::numeric_limits<Extended>::max());
    return huge * huge;
}

Extended Underflowed() {
    const Extended tiny = Unfolded(std::numeric_limits<Extended>::min());
    return tiny * tiny;
}

} // namespace

Extended ExtendedExp(Extended x) {
    if (!(x <= OverflowArgument)) {
        if (x != x || x == std::numeric_limits<Extended>::infinity())
            return x + x;
        return Overflowed();
    }
    if (x < UnderflowArgument)
        return x == -std::numeric_limits<Extended>::infinity() ? 0 : Underflowed();
    if (x > -NegligibleArgument && x < NegligibleArgument)
        return 1 + x;

    // x = n·ln2/64 + r with |r| <= ln2/128, n = 64·k + j.
    const Extended nearest = (x * TableSizeOverLn2 + IntegerShifter) - IntegerShifter;
    const int n = static_cast<int>(nearest);
    const int j = n & (TableSize - 1);
    int k = n >> TableBits;
    // n·Ln2PartHigh is exact and so is its difference from x; the low part
    // carries ln2/64 to 104 bits.
    const Pair r = TwoSum(x - nearest * Ln2PartHigh, -(nearest * Ln2PartLow));

    // e = exp(r) - 1 = r + r²/2 + cubic tail, as lead + tail.
    const Pair square = TwoProduct(r.hi, r.hi);
    const Pair lead = FastTwoSum(r.hi, square.hi * 0.5L);
    const Extended tail = lead.lo + (square.lo * 0.5L + (r.lo + (r.hi * r.lo + CubicTail(r.hi))));

    // M = 2^(j/64)·(1 + e) = T.high + T.high·e + T.low·(1 + e), |M| in [0.99, 1.99].
    const TablePair& t = TwoToThe[j];
    const Pair scaledLead = TwoProduct(t.high, lead.hi);
    const Pair sum = FastTwoSum(t.high, scaledLead.hi);
    const Extended rest = ((t.low * lead.hi + t.high * tail) + scaledLead.lo) + t.low;
    const Pair m = FastTwoSum(sum.hi, sum.lo + rest);

    if (k < MinNormalExponent || (k == MinNormalExponent && m.hi < 1))
        return ScaleIntoSubnormals(m, k);
    // m.hi is M rounded once; scaling by a power of two in range is exact.
    Extended result = m.hi;
    if (k > MaxExponent) {
        result *= 2;
        --k;
    }
    return result * PowerOfTwo(k);
}

} // namespace tarsilo
