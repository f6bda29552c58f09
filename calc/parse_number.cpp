#include "calc/errors.h"
#include "calc/fpu_mode.h"
#include "calc/number_text.h"
#include "calc/power_of_ten.h"

namespace tarsilo {

namespace {

// Round to nearest, 64-bit significand, every exception masked.
constexpr std::uint16_t ParsingControlWord = 0x137F;

// The digits of a syntactically valid number text, located but not yet valued.
struct NumberSyntax {
    bool negative = false;
    std::string_view digits; // integer digits, the mark, fraction digits
    std::size_t fractionDigits = 0;
    int exponent = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool ReadSyntax(std::string_view text, char mark, NumberSyntax& out) {
    std::size_t pos = 0;
    const std::size_t size = text.size();
    while (pos < size && text[pos] == ' ')
        ++pos;
    if (pos < size && (text[pos] == '+' || text[pos] == '-')) {
        out.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t digitsBegin = pos;
    while (pos < size && IsDigit(text[pos]))
        ++pos;
    if (pos < size && text[pos] == mark) {
        ++pos;
        const std::size_t fractionBegin = pos;
        while (pos < size && IsDigit(text[pos]))
            ++pos;
        out.fractionDigits = pos - fractionBegin;
    }
    if (pos == digitsBegin)
        return false;
    out.digits = text.substr(digitsBegin, pos - digitsBegin);
    if (pos < size && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < size && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        // Taking exponent digits stops once the value reaches 500, so the
        // largest exponent that reads is 4999; a digit left over fails below.
        int exponent = 0;
        while (pos < size && IsDigit(text[pos]) && exponent < 500) {
            exponent = exponent * 10 + (text[pos] - '0');
            ++pos;
        }
        out.exponent = negativeExponent ? -exponent : exponent;
    }
    while (pos < size && text[pos] == ' ')
        ++pos;
    return pos == size;
}

// Accumulates the digits and scales them. Returns false when an overflow or
// an invalid operation happened in any step, even if a later step brought the
// value back into range. Kept out of line so that the arithmetic cannot move
// across the change of floating-point mode around it.
[[gnu::noinline]] bool ValueOf(const NumberSyntax& syntax, char mark, Extended& result) {
    bool faulted = false;
    Extended value = 0;
    for (char c : syntax.digits) {
        if (c == mark)
            continue;
        value = value * 10;
        value = value + (c - '0');
        faulted |= IsNan(value) || IsInf(value);
    }
    const int n =
        syntax.exponent - static_cast<int>(std::min<std::size_t>(syntax.fractionDigits, 1u << 20));
    value = ScaleByPowerOfTen(value, n);
    faulted |= IsNan(value) || IsInf(value);
    if (syntax.negative)
        value = -value;
    result = value;
    return !faulted;
}

[[noreturn]] void RaiseNotANumber(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 40);
    message += '\'';
    message += text;
    message += "' is not a valid floating point value";
    throw EConvertError(std::move(message));
}

} // namespace

Extended ParseNumber(std::string_view text, char decimalMark) {
    NumberSyntax syntax;
    if (!ReadSyntax(text, decimalMark, syntax))
        RaiseNotANumber(text);
    Extended value = 0;
    bool ok = false;
    {
        ScopedFpuMode mode(ParsingControlWord);
        ok = ValueOf(syntax, decimalMark, value);
    }
    if (!ok)
        RaiseNotANumber(text);
    return value;
}

Extended ParseNumber(std::string_view text) {
    return ParseNumber(text, DecimalMark);
}

} // namespace tarsilo
