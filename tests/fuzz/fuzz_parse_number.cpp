// Reading a field: TrimBlanks then ParseNumber on arbitrary bytes, with the
// full stop or the comma as decimal mark.
//
// Properties: the text is accepted exactly when it obeys the number grammar
// and its value stays in range; an accepted value is finite, has the text's
// sign and agrees with the C library's correctly rounded conversion; a
// rejected text raises EConvertError with the exact message; no exception
// flag is left set and the caller's control word comes back unchanged, and
// the caller's rounding and precision do not change the value.

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/number_text.h"
#include "fuzz_support.h"
#include "number_syntax.h"

using namespace tarsilo;
using namespace tarsilo::fuzz;

namespace {

// The largest extended exponent of ten below the largest finite value.
constexpr long long TopDecade = 4932;

struct Outcome {
    std::optional<long double> value; // empty when EConvertError was raised
    std::uint16_t controlWordBefore = 0;
    std::uint16_t controlWordAfter = 0;
    std::uint16_t flagsAfter = 0;
};

void LoadControlWord(std::uint16_t word) {
    asm volatile("fldcw %0" : : "m"(word) : "memory");
}

// ParseNumber under the caller's control word `callerWord`, with the flags
// cleared first (the harness itself may leave some set).
[[gnu::noinline]] Outcome ParseUnder(std::uint16_t callerWord, std::string_view text,
                                     const std::string& context) {
    Outcome outcome;
    ResetFpu();
    LoadControlWord(callerWord);
    outcome.controlWordBefore = ReadFpuControlWord();
    try {
        outcome.value = ParseNumber(text);
    } catch (const EConvertError& error) {
        outcome.controlWordAfter = ReadFpuControlWord();
        outcome.flagsAfter = ReadFpuStatusWord() & FpuExceptionFlags;
        ResetFpu();
        const std::string expected =
            "'" + std::string(text) + "' is not a valid floating point value";
        Require(error.Message() == expected, "EConvertError message",
                context + " gave " + Printable(error.Message()));
        return outcome;
    } catch (...) {
        ResetFpu();
        Fail("ParseNumber raised something other than EConvertError", context);
    }
    outcome.controlWordAfter = ReadFpuControlWord();
    outcome.flagsAfter = ReadFpuStatusWord() & FpuExceptionFlags;
    ResetFpu();
    return outcome;
}

// Rounding (bits 10-11) and precision (bits 8-9, 1 is reserved) of a caller
// that is not in the default mode, every exception still masked.
std::uint16_t CallerWordFromByte(std::uint8_t byte) {
    static constexpr std::uint16_t precisions[] = {0x000, 0x200, 0x300, 0x300};
    return static_cast<std::uint16_t>(0x103F | precisions[byte & 3] | ((byte >> 2) & 3) << 10);
}

// Accept or reject, from the grammar and the decimal magnitude alone. The
// accumulated integer lies in [10^(L-1), 10^L) and is scaled by 10^n.
enum class Verdict { Accept, Reject, Either };

Verdict ExpectedVerdict(const NumberSyntax& syntax) {
    const long long length = static_cast<long long>(syntax.AccumulatedLength());
    const long long n = syntax.Scale();
    if (length == 0)
        return Verdict::Accept;
    if (length - 1 > TopDecade)
        return Verdict::Reject; // the accumulation itself overflows
    if (length <= TopDecade && (n <= -5120 || length + n <= TopDecade))
        return Verdict::Accept;
    if (n > -5120 && length - 1 + n > TopDecade)
        return Verdict::Reject;
    return Verdict::Either;
}

// Every digit multiplied in past the 19th (10^19 < 2^64, so up to there the
// accumulation is exact) adds at most 2^-63 (a product and a sum, each within
// half an ulp). The scaling is at most three rounded operations by factors
// that are themselves within half an ulp, and the C library is within half an
// ulp: 7 × 2^-64 in all, under the 2^-60 allowed.
long double Tolerance(std::size_t accumulatedLength) {
    long double tolerance = std::ldexp(1.0L, -60);
    if (accumulatedLength > 19)
        tolerance += std::ldexp(static_cast<long double>(accumulatedLength - 19), -63);
    return tolerance;
}

void CrossCheck(const NumberSyntax& syntax, const std::optional<long double>& parsed,
                const std::string& context) {
    const std::size_t length = syntax.AccumulatedLength();
    if (length == 0 || length > 64)
        return;
    const std::string decimal = syntax.CanonicalDecimal();
    errno = 0;
    char* end = nullptr;
    const long double reference = std::strtold(decimal.c_str(), &end);
    Require(end == decimal.c_str() + decimal.size(), "oracle text not fully read by strtold",
            decimal);
    const long double tolerance = Tolerance(length);
    const long double nearTop = LDBL_MAX * (1 - tolerance);
    const std::string detail = context + " reference " + Describe(reference);
    if (!parsed) {
        Require(std::fabs(reference) >= nearTop, "rejected a value the C library reads in range",
                detail);
        return;
    }
    const long double value = *parsed;
    if (std::isinf(reference)) {
        Require(std::fabs(value) >= nearTop, "accepted a value far beyond the range",
                detail + " parsed " + Describe(value));
        return;
    }
    if (std::fabs(reference) < LDBL_MIN || std::fabs(value) < LDBL_MIN)
        return; // denormal results carry fewer significant bits
    const long double error = std::fabs(value - reference) / std::fabs(reference);
    Require(error <= tolerance, "value differs from the C library's",
            detail + " parsed " + Describe(value) + " relative error " + Describe(error));
}

void CheckMagnitude(const NumberSyntax& syntax, long double value, const std::string& context) {
    Require(std::signbit(value) == syntax.negative, "value's sign differs from the text's",
            context);
    const long long length = static_cast<long long>(syntax.AccumulatedLength());
    const long long n = syntax.Scale();
    if (length == 0 || n <= -5120) {
        Require(value == 0, "zero digits or a scale beyond 10^-5120 did not give zero", context);
        return;
    }
    // The smallest denormal is about 3.6e-4951: anything below 10^-4951
    // rounds to zero, anything from 10^-4950 on does not.
    if (length + n <= -4951)
        Require(value == 0, "a value below the denormal range did not give zero", context);
    if (length - 1 + n >= -4950)
        Require(value != 0, "a value in range gave zero", context + " " + Describe(value));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ResetFpu();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader reader(data, size);
    const std::uint8_t control = reader.Byte();
    const char mark = MarkFromByte(control);
    const std::uint16_t otherCaller = CallerWordFromByte(control >> 1);
    const std::string_view raw = reader.Rest();
    const std::string_view text = TrimBlanks(raw);
    const std::string context =
        std::string("mark '") + mark + "' text " + Printable(text) + " from " + Printable(raw);

    Require(text.empty() || (static_cast<unsigned char>(text.front()) > 32 &&
                             static_cast<unsigned char>(text.back()) > 32),
            "TrimBlanks left a blank at an end", context);
    Require(text.data() >= raw.data() && text.data() + text.size() <= raw.data() + raw.size(),
            "TrimBlanks result outside its argument", context);

    DecimalMark = mark;
    const Outcome outcome = ParseUnder(LoadedControlWord, text, context);
    Require(outcome.controlWordAfter == outcome.controlWordBefore,
            "ParseNumber changed the control word", context);
    Require(outcome.flagsAfter == 0, "ParseNumber left an exception flag set", context);

    const Outcome other = ParseUnder(otherCaller, text, context);
    Require(other.controlWordAfter == other.controlWordBefore,
            "ParseNumber did not restore the caller's control word", context);
    Require(other.flagsAfter == 0, "ParseNumber left an exception flag set (other caller mode)",
            context);
    Require(other.value.has_value() == outcome.value.has_value() &&
                (!other.value || std::memcmp(&*other.value, &*outcome.value, 10) == 0),
            "the caller's rounding or precision changed the result", context);

    NumberSyntax syntax;
    if (!ReadNumberSyntax(text, mark, syntax)) {
        Require(!outcome.value, "accepted a text that breaks the grammar", context);
        return 0;
    }
    const Verdict verdict = ExpectedVerdict(syntax);
    if (verdict == Verdict::Accept)
        Require(outcome.value.has_value(), "rejected a number text whose value is in range",
                context);
    if (verdict == Verdict::Reject)
        Require(!outcome.value, "accepted a number text whose value overflows", context);
    if (outcome.value) {
        Require(std::isfinite(*outcome.value), "accepted value not finite", context);
        CheckMagnitude(syntax, *outcome.value, context);
    }
    CrossCheck(syntax, outcome.value, context);
    return 0;
}
