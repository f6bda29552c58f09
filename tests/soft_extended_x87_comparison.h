#pragma once
// The software extended type against the x87 itself, operation by operation,
// on the pairs of extended_operand_pairs.h: the bits of each result and the
// six exception flags must be the hardware's. Whatever rounds the type's
// finite results (the backend linked in) is what is compared. x86 only.

#include <array>
#include <cstdio>

#include "calc/soft_extended.h"
#include "extended_operand_pairs.h"
#include "x87_operations.h"

namespace tarsilo::test {

inline SoftExtended InSoftware(ExtendedOperation op, SoftExtended a, SoftExtended b) {
    switch (op) {
    case ExtendedOperation::Add:
        return a + b;
    case ExtendedOperation::Subtract:
        return a - b;
    case ExtendedOperation::Multiply:
        return a * b;
    case ExtendedOperation::Divide:
        return a / b;
    case ExtendedOperation::SquareRoot:
        return soft_extended::SquareRoot(a);
    }
    return 0;
}

// Prints a line for each operation and the first differences; gives the
// number of pairs that differ in result bits or flags, per operation.
inline std::array<long, ExtendedOperationCount> CompareSoftExtendedWithX87(long pairs) {
    ExtendedOperandPairs source;
    std::array<long, ExtendedOperationCount> differing{};
    for (int index = 0; index < ExtendedOperationCount; ++index) {
        const auto op = ExtendedOperation(index);
        const char* const name = ExtendedOperationNames[index];
        long& mismatches = differing[index];
        for (long i = 0; i < pairs; ++i) {
            const ExtendedOperandPair pair = source.Next(op);
            const auto [a, b] = pair;
            const X87Outcome hardware = OnX87(op, pair);
            ClearSoftExtendedFlags();
            const SoftExtended soft =
                InSoftware(op, SoftExtended::FromBits(a.signAndExponent, a.significand),
                           SoftExtended::FromBits(b.signAndExponent, b.significand));
            const std::uint16_t softFlags = SoftExtendedFlags();
            if (soft.Significand() != hardware.bits.significand ||
                soft.SignAndExponent() != hardware.bits.signAndExponent ||
                softFlags != hardware.flags) {
                if (++mismatches <= 5)
                    std::printf("  %s: %04X:%016llX, %04X:%016llX -> x87 %04X:%016llX flags %02X, "
                                "software %04X:%016llX flags %02X\n",
                                name, a.signAndExponent, (unsigned long long)a.significand,
                                b.signAndExponent, (unsigned long long)b.significand,
                                hardware.bits.signAndExponent,
                                (unsigned long long)hardware.bits.significand, hardware.flags,
                                soft.SignAndExponent(), (unsigned long long)soft.Significand(),
                                softFlags);
            }
        }
        std::printf("%-4s %ld operand pairs, %ld differ from the x87 (result bits or flags)\n",
                    name, pairs, mismatches);
    }
    return differing;
}

} // namespace tarsilo::test
