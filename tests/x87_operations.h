#pragma once
// The five basic operations on the x87 itself, with the exception flags they
// raise, for the comparisons of the software extended type with the hardware.
// x86 only.

#include <cstdint>

#include "extended_operand_pairs.h"

namespace tarsilo::test {

inline long double OnHardware(ExtendedBits b) {
    long double value = 0;
    __builtin_memcpy(&value, &b.significand, 8);
    __builtin_memcpy(reinterpret_cast<char*>(&value) + 8, &b.signAndExponent, 2);
    return value;
}

inline ExtendedBits BitsOf(long double value) {
    ExtendedBits b{};
    __builtin_memcpy(&b.significand, &value, 8);
    __builtin_memcpy(&b.signAndExponent, reinterpret_cast<const char*>(&value) + 8, 2);
    return b;
}

inline void ClearX87Flags() {
    asm volatile("fnclex" : : : "memory");
}
// The six exception flags of the status word.
inline std::uint16_t X87Flags() {
    std::uint16_t status = 0;
    asm volatile("fnstsw %0" : "=m"(status) : : "memory");
    return status & 0x3F;
}

// Loads from memory do not signal (80-bit loads never do), so the flags are
// the operation's alone.
[[gnu::noinline]] inline long double OnX87(ExtendedOperation op, long double a, long double b) {
    volatile long double x = a, y = b;
    switch (op) {
    case ExtendedOperation::Add:
        return x + y;
    case ExtendedOperation::Subtract:
        return x - y;
    case ExtendedOperation::Multiply:
        return x * y;
    case ExtendedOperation::Divide:
        return x / y;
    case ExtendedOperation::SquareRoot: {
        // The instruction itself: the C library's sqrtl handles a negative
        // argument in software.
        long double root = x;
        asm volatile("fsqrt" : "+t"(root));
        return root;
    }
    }
    return 0;
}

// The x87's result of one pair and the flags it raised.
struct X87Outcome {
    ExtendedBits bits;
    std::uint16_t flags;
};

inline X87Outcome OnX87(ExtendedOperation op, ExtendedOperandPair pair) {
    ClearX87Flags();
    const ExtendedBits bits = BitsOf(OnX87(op, OnHardware(pair.a), OnHardware(pair.b)));
    return {bits, X87Flags()};
}

} // namespace tarsilo::test
