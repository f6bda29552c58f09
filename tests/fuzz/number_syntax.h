#pragma once
// An independent reading of the number-text grammar, used as the oracle for
// which texts ParseNumber must accept.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarsilo::fuzz {

struct NumberSyntax {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    int exponent = 0; // the signed exponent as written, 0 when absent

    // Digits that the accumulation multiplies in after its first non-zero
    // digit: the accumulated integer lies in [10^(L-1), 10^L). 0 for zero.
    std::size_t AccumulatedLength() const;
    // The power of ten that scales the accumulated integer.
    long long Scale() const { return exponent - static_cast<long long>(fractionDigits.size()); }
    // The same number as the C library's conversion reads it.
    std::string CanonicalDecimal() const;
};

// Reads `text` by the number grammar: spaces, an optional sign, digits with
// at most one mark and at least one of them, an optional exponent letter with
// an optional sign and digits whose value is at most 4999 (leading zeros
// free), spaces. False when the text is not a number text.
bool ReadNumberSyntax(std::string_view text, char mark, NumberSyntax& out);

} // namespace tarsilo::fuzz
