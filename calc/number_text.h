#pragma once
// Conversion between field texts and extended values: the only two ways the
// program turns a text into a number and a number into a text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/decimal_mark.h"
#include "calc/extended.h"

namespace tarsilo {

// The text without its leading and trailing characters of code 32 or less.
// The result views the argument's characters.
std::string_view TrimBlanks(std::string_view text);

// Reads a number: optional spaces, sign, digits with an optional decimal mark,
// an optional exponent, optional spaces. Raises EConvertError with the message
// "'<text>' is not a valid floating point value" when the text is not a number
// or its value overflows. Leaves no floating-point exception flag set.
Extended ParseNumber(std::string_view text);
Extended ParseNumber(std::string_view text, char decimalMark);

// The intermediate decimal form of a value: 0.d1d2...dn × 10^exponent.
struct DecimalImage {
    static constexpr std::int16_t InfinityExponent = 32767;
    static constexpr std::int16_t NanExponent = -32768;

    std::int16_t exponent = 0;
    bool negative = false;
    char digits[19] = {}; // up to 18 significant digits, NUL-terminated
};

// The value rounded to 18 significant digits, then half up to `precision`
// digits (2..18).
DecimalImage MakeDecimalImage(Extended value, int precision);

// General format: fixed notation where the rounded magnitude allows, else
// scientific with an exponent of at least `exponentDigits` digits. Precision
// is clamped to 2..18; an exponentDigits outside 0..4 counts as 0.
std::string FormatGeneral(Extended value, int precision, int exponentDigits);
std::string FormatGeneral(Extended value, int precision, int exponentDigits, char decimalMark);

// The format of every result field: five significant digits, an exponent of
// at least four digits, so that no result text is longer than
// "-1.2345E+4932".
inline constexpr int ResultPrecision = 5;
inline constexpr int ResultExponentDigits = 4;
inline constexpr std::size_t ResultTextMaxLength = 13;

inline std::string FormatResult(Extended value) {
    return FormatGeneral(value, ResultPrecision, ResultExponentDigits);
}

} // namespace tarsilo
