// The software extended type against the x87 itself, operation by operation:
// for each of +, −, ×, ÷ and √, a million operand pairs (the whole range,
// near overflow, subnormal operands and results, near-ties, and the special
// encodings), the bits of the result and the six exception flags must be the
// hardware's. Built where both exist: x86 with TARSILO_SOFT_EXTENDED.
//
// Usage: soft_extended_against_x87 [pairs per operation]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "calc/soft_extended.h"

using tarsilo::SoftExtended;

namespace {

struct Bits {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
};

long double Hardware(Bits b) {
    long double value = 0;
    __builtin_memcpy(&value, &b.significand, 8);
    __builtin_memcpy(reinterpret_cast<char*>(&value) + 8, &b.signAndExponent, 2);
    return value;
}

Bits BitsOf(long double value) {
    Bits b{};
    __builtin_memcpy(&b.significand, &value, 8);
    __builtin_memcpy(&b.signAndExponent, reinterpret_cast<const char*>(&value) + 8, 2);
    return b;
}

void ClearX87() {
    asm volatile("fnclex" : : : "memory");
}
std::uint16_t X87Flags() {
    std::uint16_t status = 0;
    asm volatile("fnstsw %0" : "=m"(status) : : "memory");
    return status & 0x3F;
}

enum class Operation { Add, Subtract, Multiply, Divide, SquareRoot };
const char* const Names[] = {"+", "-", "*", "/", "sqrt"};

// Loads from memory do not signal (80-bit loads never do), so the flags are
// the operation's alone.
[[gnu::noinline]] long double OnX87(Operation op, long double a, long double b) {
    volatile long double x = a, y = b;
    switch (op) {
    case Operation::Add:
        return x + y;
    case Operation::Subtract:
        return x - y;
    case Operation::Multiply:
        return x * y;
    case Operation::Divide:
        return x / y;
    case Operation::SquareRoot: {
        // The instruction itself: the C library's sqrtl handles a negative
        // argument in software.
        long double root = x;
        asm volatile("fsqrt" : "+t"(root));
        return root;
    }
    }
    return 0;
}

SoftExtended InSoftware(Operation op, SoftExtended a, SoftExtended b) {
    switch (op) {
    case Operation::Add:
        return a + b;
    case Operation::Subtract:
        return a - b;
    case Operation::Multiply:
        return a * b;
    case Operation::Divide:
        return a / b;
    case Operation::SquareRoot:
        return tarsilo::soft_extended::SquareRoot(a);
    }
    return 0;
}

// Operands of every kind the x87 meets: mostly ordinary values over the
// whole range, then exponents near the edges, short significands (exact
// results and ties), subnormals, zeros, infinities, NaNs and refused
// encodings.
Bits RandomOperand(std::mt19937_64& random, int near) {
    const unsigned roll = random() % 100;
    Bits b{random(), static_cast<std::uint16_t>(random())};
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

} // namespace

int main(int argc, char** argv) {
    const long pairs = argc > 1 ? std::atol(argv[1]) : 1000000;
    std::mt19937_64 random(20240611);
    long failures = 0;
    for (int op = 0; op < 5; ++op) {
        long mismatches = 0;
        for (long i = 0; i < pairs; ++i) {
            const int near = 1 + static_cast<int>(random() % 0x7FFE);
            Bits a = RandomOperand(random, near), b = RandomOperand(random, near);
            if (op == 4 && random() % 4 != 0)
                a.signAndExponent &= 0x7FFF; // mostly non-negative square roots
            ClearX87();
            const Bits hardware = BitsOf(OnX87(Operation(op), Hardware(a), Hardware(b)));
            const std::uint16_t hardwareFlags = X87Flags();
            tarsilo::ClearSoftExtendedFlags();
            const SoftExtended soft =
                InSoftware(Operation(op), SoftExtended::FromBits(a.signAndExponent, a.significand),
                           SoftExtended::FromBits(b.signAndExponent, b.significand));
            const std::uint16_t softFlags = tarsilo::SoftExtendedFlags();
            if (soft.Significand() != hardware.significand ||
                soft.SignAndExponent() != hardware.signAndExponent || softFlags != hardwareFlags) {
                if (++mismatches <= 5)
                    std::printf("  %s: %04X:%016llX, %04X:%016llX -> x87 %04X:%016llX flags %02X, "
                                "software %04X:%016llX flags %02X\n",
                                Names[op], a.signAndExponent, (unsigned long long)a.significand,
                                b.signAndExponent, (unsigned long long)b.significand,
                                hardware.signAndExponent, (unsigned long long)hardware.significand,
                                hardwareFlags, soft.SignAndExponent(),
                                (unsigned long long)soft.Significand(), softFlags);
            }
        }
        std::printf("%-4s %ld operand pairs, %ld differ from the x87 (result bits or flags)\n",
                    Names[op], pairs, mismatches);
        failures += mismatches;
    }
    return failures == 0 ? 0 : 1;
}
