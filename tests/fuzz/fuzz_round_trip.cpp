// A decimal of at most five significant digits, written in any form the
// number grammar allows, parsed and formatted as a result field: the text is
// the canonical text of the same number, 0 below the normal range, and the
// text fails to convert above it.

#include <cstdint>
#include <string>

#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/number_text.h"
#include "fuzz_support.h"

using namespace tarsilo;
using namespace tarsilo::fuzz;

namespace {

// A number 0.digits × 10^exponent, digits without leading or trailing zeros.
struct Decimal {
    bool negative = false;
    std::string digits; // empty for zero
    int exponent = 0;
};

// The five-digit significand at the ends of the normal extended range:
// 3.36210314e-4932 and 1.18973149e4932.
constexpr int SmallestExponent = -4931, SmallestDigits = 33622;
constexpr int LargestExponent = 4933, LargestDigits = 11897;

int FiveDigits(const std::string& digits) {
    return std::stoi((digits + "0000").substr(0, 5));
}

bool BelowRange(const Decimal& d) {
    return d.exponent < SmallestExponent ||
           (d.exponent == SmallestExponent && FiveDigits(d.digits) < SmallestDigits);
}

bool AboveRange(const Decimal& d) {
    return d.exponent > LargestExponent ||
           (d.exponent == LargestExponent && FiveDigits(d.digits) > LargestDigits);
}

// The result-field text of a number of at most five significant digits:
// fixed notation for exponents -3..5, else one digit, the rest after the
// mark, and a signed four-digit power of ten.
std::string CanonicalText(const Decimal& d, char mark) {
    if (d.digits.empty())
        return "0";
    std::string text = d.negative ? "-" : "";
    const int e = d.exponent;
    const int count = static_cast<int>(d.digits.size());
    if (e > 5 || e < -3) {
        text += d.digits.substr(0, 1);
        if (count > 1)
            text += mark + d.digits.substr(1);
        const int power = e - 1;
        const std::string magnitude = std::to_string(power < 0 ? -power : power);
        text += power < 0 ? "E-" : "E";
        text += std::string(4 - magnitude.size(), '0') + magnitude;
    } else if (e <= 0) {
        text += "0" + std::string(1, mark) + std::string(-e, '0') + d.digits;
    } else if (count <= e) {
        text += d.digits + std::string(e - count, '0');
    } else {
        text += d.digits.substr(0, e) + mark + d.digits.substr(e);
    }
    return text;
}

// Lays out `significand` (0..99999) with `leadingZeros` and `trailingZeros`
// around it, the mark `markPosition` digits from the left (or none) and a
// written exponent, and returns the number the text stands for.
struct Written {
    std::string text;
    Decimal value;
};

Written Write(ByteReader& in, char mark) {
    const std::uint8_t form = in.Byte();
    const std::uint32_t significand = in.Value<std::uint32_t>() % 100000;
    const int leadingZeros = in.Byte() % 8;
    const int trailingZeros = in.Byte() % 24;
    const int markPosition = in.Byte();
    const int exponentBits = in.Value<std::uint16_t>();
    const int written = exponentBits % 5000 * ((exponentBits & 0x8000) ? -1 : 1);
    const int exponentZeros = in.Byte() % 3;

    const std::string core = significand == 0 ? "" : std::to_string(significand);
    std::string digits = std::string(leadingZeros, '0') + core + std::string(trailingZeros, '0');
    if (digits.empty())
        digits = "0";
    Written out;
    const bool negative = form & 1;
    if (negative)
        out.text += '-';
    else if (form & 2)
        out.text += '+';
    int fraction = 0;
    if (form & 4) {
        const int position = markPosition % (static_cast<int>(digits.size()) + 1);
        fraction = static_cast<int>(digits.size()) - position;
        digits.insert(digits.begin() + position, mark);
    }
    out.text += digits;
    int exponent = 0;
    if (form & 8) {
        exponent = written;
        out.text += (form & 16) ? 'E' : 'e';
        const std::string magnitude = std::to_string(written < 0 ? -written : written);
        if (written < 0)
            out.text += '-';
        else if (form & 32)
            out.text += '+';
        out.text += std::string(exponentZeros, '0') + magnitude;
    }
    if (form & 64)
        out.text = " \t" + out.text;
    if (form & 128)
        out.text += "\r\n ";

    // The number: significand × 10^(trailingZeros + exponent − fraction),
    // with the significand's own trailing zeros moved into the exponent.
    std::string significant = core;
    int power = trailingZeros + exponent - fraction;
    while (!significant.empty() && significant.back() == '0') {
        significant.pop_back();
        ++power;
    }
    out.value.negative = negative;
    out.value.digits = significant;
    out.value.exponent = significant.empty() ? 0 : power + static_cast<int>(significant.size());
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ResetFpu();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    const char mark = MarkFromByte(in.Byte());
    DecimalMark = mark;
    const Written written = Write(in, mark);
    const Decimal& number = written.value;
    const std::string context = "text " + Printable(written.text);

    long double value = 0;
    try {
        value = ParseNumber(TrimBlanks(written.text));
    } catch (const EConvertError&) {
        Require(AboveRange(number), "a number text within the range failed to convert", context);
        return 0;
    }
    Require(!AboveRange(number), "a number above the range converted",
            context + " to " + Describe(value));
    const std::string text = FormatResult(value);
    const std::string expected =
        number.digits.empty() || BelowRange(number) ? "0" : CanonicalText(number, mark);
    Require(text == expected, "round trip",
            context + " formats as " + Printable(text) + ", expected " + Printable(expected));
    return 0;
}
