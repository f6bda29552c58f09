// The software extended type against the x87 itself, operation by operation:
// for each of +, −, ×, ÷ and √, a million operand pairs (the whole range,
// near overflow, subnormal operands and results, near-ties, and the special
// encodings), the bits of the result and the six exception flags must be the
// hardware's. Built where both exist: x86 with TARSILO_SOFT_EXTENDED.
//
// Usage: soft_extended_against_x87 [pairs per operation]

#include <cstdlib>
#include <numeric>

#include "soft_extended_x87_comparison.h"

int main(int argc, char** argv) {
    const long pairs = argc > 1 ? std::atol(argv[1]) : 1000000;
    const auto differing = tarsilo::test::CompareSoftExtendedWithX87(pairs);
    return std::accumulate(differing.begin(), differing.end(), 0L) == 0 ? 0 : 1;
}
