// FormatGeneral on every 80-bit pattern, with any precision and exponent-digit
// count: the text must obey the general format, hold the value to the
// precision asked for, and stay within the result length in the result format.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/fpu_mode.h"
#include "calc/number_text.h"
#include "fuzz_support.h"
#include "general_format_grammar.h"

using namespace tarsilo;
using namespace tarsilo::fuzz;

namespace {

// The fields of an 80-bit extended pattern.
struct Pattern {
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;

    int Exponent() const { return signAndExponent & 0x7FFF; }
    bool IntegerBit() const { return (significand >> 63) != 0; }
    std::uint64_t Fraction() const { return significand & ~(std::uint64_t{1} << 63); }

    long double Value() const {
        long double value = 0;
        std::memcpy(&value, &significand, 8);
        std::memcpy(reinterpret_cast<char*>(&value) + 8, &signAndExponent, 2);
        return value;
    }
};

std::string Context(const Pattern& p, int precision, int exponentDigits, char mark,
                    const std::string& text) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  "pattern %04X:%016llX precision %d exponentDigits %d mark '%c' -> ",
                  p.signAndExponent, static_cast<unsigned long long>(p.significand), precision,
                  exponentDigits, mark);
    return buffer + Printable(text);
}

// The text's digits and exponent, read back with the C library's correctly
// rounded conversion, against the value. The image is rounded half up to p
// digits (at most half a unit of digit p, 5·10^-p of the magnitude) from an
// 18-digit image whose own error is at most half a unit of digit 18 plus a
// few units in the last place of the scaling.
void CheckValue(long double value, const GeneralText& read, int precision,
                const std::string& context) {
    // Near the top of the range the text may stand for a number beyond the
    // largest finite value; compare both ten decades lower.
    const int shift = read.exponent > 4900 ? 10 : 0;
    const std::string decimal = "0." + read.digits + "e" + std::to_string(read.exponent - shift);
    const long double fromText = std::strtold(decimal.c_str(), nullptr);
    long double magnitude = std::fabs(value);
    if (shift != 0)
        magnitude /= 1e10L;
    const long double tolerance = 5 * std::pow(10.0L, -precision) + 1e-17L;
    const long double error = std::fabs(fromText - magnitude) / magnitude;
    Require(error <= tolerance, "text does not hold the value to the precision",
            context + " reads back as " + Describe(fromText) + ", value " + Describe(value));
}

void CheckText(const Pattern& pattern, long double value, int precision, int exponentDigits,
               char mark) {
    const std::string text = FormatGeneral(value, precision, exponentDigits, mark);
    const std::string context = Context(pattern, precision, exponentDigits, mark, text);
    Require(FpuModeIsDefault() && ReadFpuControlWord() == DefaultWordAsRead(),
            "FormatGeneral changed the floating-point mode", context);
    const int p = ClampedPrecision(precision);
    GeneralText read;
    const std::string violation =
        ReadGeneralText(text, p, EffectiveExponentDigits(exponentDigits), mark, read);
    Require(violation.empty(), "text breaks the general format", context + ": " + violation);
    if (p == ResultPrecision && exponentDigits == ResultExponentDigits)
        Require(text.size() <= ResultTextMaxLength, "result text longer than the result length",
                context);

    const int exponent = pattern.Exponent();
    const bool negative = (pattern.signAndExponent & 0x8000) != 0;
    using Kind = GeneralText::Kind;
    if (exponent == 0x7FFF && pattern.IntegerBit()) {
        if (pattern.Fraction() == 0)
            Require(read.kind == Kind::Infinity && read.negative == negative,
                    "an infinity not written as INF", context);
        else
            Require(read.kind == Kind::NotANumber, "a NaN not written as NAN", context);
    } else if (exponent == 0 && !pattern.IntegerBit()) {
        Require(read.kind == Kind::Zero, "zero or a denormal not written as 0", context);
    } else if (exponent != 0x7FFF && pattern.IntegerBit()) {
        // Normal numbers, and pseudo-denormals, which hold the value of the
        // normal number with the same significand and exponent 1.
        Require(read.kind == Kind::Number && read.negative == negative,
                "a normal number not written as a number of its sign", context);
        CheckValue(value, read, p, context);
        if (exponent == 0) {
            Pattern twin = pattern;
            twin.signAndExponent |= 1;
            Require(text == FormatGeneral(twin.Value(), precision, exponentDigits, mark),
                    "a pseudo-denormal written unlike its normal twin", context);
        }
    } else {
        // Unnormals, pseudo-infinities and pseudo-NaNs: the processor refuses
        // them as operands, so they are not numbers.
        Require(read.kind == Kind::NotANumber, "an unsupported encoding not written as NAN",
                context);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ResetFpu();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader reader(data, size);
    Pattern pattern;
    pattern.significand = reader.Value<std::uint64_t>();
    pattern.signAndExponent = reader.Value<std::uint16_t>();
    const int precision = reader.Value<std::int32_t>();
    const int exponentDigits = reader.Value<std::int32_t>();
    const char mark = MarkFromByte(reader.Byte());
    const long double value = pattern.Value();

    CheckText(pattern, value, ResultPrecision, ResultExponentDigits, mark);
    CheckText(pattern, value, precision, exponentDigits, mark);
    return 0;
}
