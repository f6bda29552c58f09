#pragma once
// An independent reader of general-format texts, shared by the targets that
// check what FormatGeneral writes.

#include <string>
#include <string_view>

namespace tarsilo::fuzz {

// A general-format text read back: for a number, the magnitude is
// 0.digits × 10^exponent.
struct GeneralText {
    enum class Kind { Zero, Number, Infinity, NotANumber };
    Kind kind = Kind::Zero;
    bool negative = false;
    std::string digits; // significant digits, first and last never '0'
    int exponent = 0;
};

// Reads `text` as FormatGeneral writes it with the clamped precision and
// exponent-digit count and the given mark. Returns an empty string and fills
// `out` when the text obeys every rule of the format, else the rule it breaks.
std::string ReadGeneralText(std::string_view text, int precision, int exponentDigits, char mark,
                            GeneralText& out);

// The precision and exponent-digit count that FormatGeneral actually uses.
int ClampedPrecision(int precision);
int EffectiveExponentDigits(int exponentDigits);

} // namespace tarsilo::fuzz
