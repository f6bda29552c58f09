// One candidate for rounding the software extended type's results, measured:
// on x86, the type against the x87 on the operand pairs of
// tests/soft_extended_against_x87.cpp (result bits and flags); everywhere, the
// time of each operation on ordinary operands and of one Calculate on the
// starting texts. Built twice, against the core with Berkeley SoftFloat
// (extended_bench_softfloat) and against the core with MPFR
// (extended_bench_mpfr), which also counts the rounded operations of one
// Calculate.
//
// Usage: extended_bench_<backend> [pairs per operation for the x87 comparison]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "calc/decimal_mark.h"
#include "calc/fpu_mode.h"
#include "calc/soft_extended.h"
#include "commands/main_commands.h"
#include "tests/extended_operand_pairs.h"
#include "tests/memory_fields.h"
#if defined(__x86_64__)
#include "tests/soft_extended_x87_comparison.h"
#endif
#if TARSILO_BENCH_COUNTS_CALLS
#include "bench/mpfr_extended/backend_calls.h"
#endif

using namespace tarsilo;
using test::ExtendedOperation;

namespace {

template <class T> void Keep(const T& value) {
    asm volatile("" : : "m"(value) : "memory");
}

// The median of seven runs of at least 50 ms each, in nanoseconds per call.
template <class Body> double NanosecondsPerCall(long callsPerRound, Body body) {
    using Clock = std::chrono::steady_clock;
    long rounds = 1;
    for (;;) {
        const auto start = Clock::now();
        for (long i = 0; i < rounds; ++i)
            body();
        if (Clock::now() - start >= std::chrono::milliseconds(50))
            break;
        rounds *= 2;
    }
    std::vector<double> samples;
    for (int run = 0; run < 7; ++run) {
        const auto start = Clock::now();
        for (long i = 0; i < rounds; ++i)
            body();
        const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
        samples.push_back(elapsed.count() / double(rounds * callsPerRound));
    }
    std::nth_element(samples.begin(), samples.begin() + 3, samples.end());
    return samples[3];
}

// Normal operands of random significands within 2^±64 of 1, as the model's
// quantities are: every operation reaches the backend.
constexpr int OrdinaryPairs = 1024;
struct Ordinary {
    std::vector<SoftExtended> a, b;
};
Ordinary OrdinaryOperands() {
    std::mt19937_64 random(7);
    Ordinary operands;
    for (int i = 0; i < OrdinaryPairs; ++i) {
        for (auto* side : {&operands.a, &operands.b}) {
            const auto exponent =
                static_cast<std::uint16_t>(SoftExtended::Bias - 64 + random() % 129);
            const std::uint16_t sign = random() % 2 ? SoftExtended::SignBit : 0;
            side->push_back(
                SoftExtended::FromBits(sign | exponent, random() | SoftExtended::IntegerBit));
        }
    }
    return operands;
}

SoftExtended Apply(ExtendedOperation op, SoftExtended a, SoftExtended b) {
    return test::InSoftware(op, a, b);
}

long double Apply(ExtendedOperation op, long double a, long double b) {
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
        return __builtin_sqrtl(a);
    }
    return a;
}

// The time of one operation of type T (SoftExtended, or long double on the
// x87 for reference) over the ordinary operands; square roots of their
// magnitudes.
template <class T>
double TimeOperation(ExtendedOperation op, const std::vector<T>& a, const std::vector<T>& b) {
    return NanosecondsPerCall(OrdinaryPairs, [&] {
        for (int i = 0; i < OrdinaryPairs; ++i) {
            const T result = Apply(op, a[i], b[i]);
            Keep(result);
        }
    });
}

template <class T> std::vector<T> Magnitudes(const std::vector<SoftExtended>& values) {
    std::vector<T> result;
    for (const SoftExtended x : values) {
        const auto magnitude =
            SoftExtended::FromBits(x.SignAndExponent() & SoftExtended::MaxBiased, x.Significand());
        result.push_back(static_cast<T>(magnitude));
    }
    return result;
}

void TimeOperations() {
    const Ordinary ordinary = OrdinaryOperands();
    const auto roots = Magnitudes<SoftExtended>(ordinary.a);
#if defined(__x86_64__)
    std::vector<long double> hardwareA, hardwareB;
    for (int i = 0; i < OrdinaryPairs; ++i) {
        hardwareA.push_back(static_cast<long double>(ordinary.a[i]));
        hardwareB.push_back(static_cast<long double>(ordinary.b[i]));
    }
    const auto hardwareRoots = Magnitudes<long double>(ordinary.a);
#endif
    for (int index = 0; index < test::ExtendedOperationCount; ++index) {
        const auto op = ExtendedOperation(index);
        const bool root = op == ExtendedOperation::SquareRoot;
        std::printf("%-4s %8.1f ns per operation", test::ExtendedOperationNames[index],
                    TimeOperation(op, root ? roots : ordinary.a, ordinary.b));
#if defined(__x86_64__)
        std::printf(" (x87: %.1f ns)",
                    TimeOperation(op, root ? hardwareRoots : hardwareA, hardwareB));
#endif
        std::printf("\n");
    }
}

// Calculate on the window's starting texts, held in memory.
void TimeCalculate() {
    test::MemoryFields fields;
    CalcInputs inputs;
    CalcResults results;
#if TARSILO_BENCH_COUNTS_CALLS
    bench::BackendCalls() = {};
    Calculate(fields, inputs, results);
    const auto calls = bench::BackendCalls();
    std::printf("rounded operations in one Calculate:");
    long total = 0;
    for (int index = 0; index < test::ExtendedOperationCount; ++index) {
        std::printf(" %s %ld,", test::ExtendedOperationNames[index], calls[index]);
        total += calls[index];
    }
    std::printf(" %ld in all\n", total);
#endif
    const double nanoseconds = NanosecondsPerCall(1, [&] {
        Calculate(fields, inputs, results);
        Keep(fields.edits);
    });
    if (fields.EditText(component::eReady) != ReadyText) {
        std::fputs("the starting texts must validate\n", stderr);
        std::exit(1);
    }
    std::printf("Calculate on the starting texts: %.2f us\n", nanoseconds / 1000);
}

} // namespace

int main(int argc, char** argv) {
    ResetFpu();
    DecimalMark = '.';
    std::printf("software extended type rounded by %s\n", TARSILO_BENCH_BACKEND);
    int failures = 0;
#if defined(__x86_64__)
    const long pairs = argc > 1 ? std::atol(argv[1]) : 1000000;
    if (pairs > 0) {
        for (const long differing : test::CompareSoftExtendedWithX87(pairs))
            failures += differing != 0;
    }
#else
    (void)argc;
    (void)argv;
#endif
    TimeOperations();
    TimeCalculate();
    return failures == 0 ? 0 : 1;
}
