#pragma once
// The operand pairs the software extended type is held against the x87 on:
// for each operation, pairs drawn from one seeded sequence, of every kind the
// x87 meets (the whole range, near overflow, subnormal operands and results,
// near-ties, zeros, infinities, NaNs and the encodings the x87 refuses).
// Shared by tests/soft_extended_against_x87.cpp and bench/mpfr_extended, so
// that both candidates for the type's rounding meet exactly the same pairs.

#include <cstdint>
#include <random>

namespace tarsilo::test {

// An 80-bit value as its two parts: the significand with its explicit integer
// bit, and the sign with the biased exponent.
struct ExtendedBits {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
};

enum class ExtendedOperation { Add, Subtract, Multiply, Divide, SquareRoot };
inline constexpr int ExtendedOperationCount = 5;
inline constexpr const char* ExtendedOperationNames[] = {"+", "-", "*", "/", "sqrt"};

struct ExtendedOperandPair {
    ExtendedBits a, b;
};

// Operands of every kind the x87 meets: mostly ordinary values over the
// whole range, then exponents near the edges, short significands (exact
// results and ties), subnormals, zeros, infinities, NaNs and refused
// encodings.
inline ExtendedBits RandomExtendedOperand(std::mt19937_64& random, int near) {
    const unsigned roll = random() % 100;
    ExtendedBits b{random(), static_cast<std::uint16_t>(random())};
    b.significand |= std::uint64_t(1) << 63;
    const std::uint16_t sign = b.signAndExponent & 0x8000;
    if (roll < 40) {
        b.signAndExponent = sign | static_cast<std::uint16_t>(1 + random() % 0x7FFE);
    } else if (roll < 65) {
        // Exponents near a chosen one, so that sums cancel and products and
        // quotients land near overflow or underflow.
        const int exponent = near + static_cast<int>(random() % 129) - 64;
        b.signAndExponent = sign | static_cast<std::uint16_t>(exponent < 1        ? 1
                                                              : exponent > 0x7FFE ? 0x7FFE
                                                                                  : exponent);
    } else if (roll < 75) {
        // Few significant bits: exact results and exact ties.
        b.significand &= ~std::uint64_t(0) << (random() % 64);
        b.significand |= std::uint64_t(1) << 63;
        b.signAndExponent = sign | static_cast<std::uint16_t>(0x3FFF - 40 + random() % 81);
    } else if (roll < 85) {
        b.significand >>= 1 + random() % 63; // subnormal
        b.signAndExponent = sign;
    } else if (roll < 88) {
        b = {0, sign};
    } else if (roll < 91) {
        b = {std::uint64_t(1) << 63, static_cast<std::uint16_t>(sign | 0x7FFF)};
    } else if (roll < 95) {
        b.signAndExponent = sign | 0x7FFF; // quiet or signalling NaN
        if ((b.significand << 1) == 0)
            b.significand |= 1;
    } else if (roll < 97) {
        b.signAndExponent = sign; // pseudo-denormal
    } else {
        b.significand &= ~(std::uint64_t(1) << 63); // unnormal, pseudo-NaN, pseudo-infinity
        if (random() % 2)
            b.signAndExponent |= 0x7FFF;
    }
    return b;
}

// The pairs in the order the comparisons take them: all of one operation's,
// then the next operation's, from the one sequence.
class ExtendedOperandPairs {
public:
    ExtendedOperandPair Next(ExtendedOperation operation) {
        const int near = 1 + static_cast<int>(random_() % 0x7FFE);
        ExtendedOperandPair pair{RandomExtendedOperand(random_, near),
                                 RandomExtendedOperand(random_, near)};
        if (operation == ExtendedOperation::SquareRoot && random_() % 4 != 0)
            pair.a.signAndExponent &= 0x7FFF; // mostly non-negative square roots
        return pair;
    }

private:
    std::mt19937_64 random_{20240611};
};

} // namespace tarsilo::test
