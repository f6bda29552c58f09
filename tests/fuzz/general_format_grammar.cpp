#include "general_format_grammar.h"

#include <cstddef>

namespace tarsilo::fuzz {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading run of digits of `text` from `pos`, advancing `pos`.
std::string_view TakeDigits(std::string_view text, std::size_t& pos) {
    const std::size_t begin = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return text.substr(begin, pos - begin);
}

std::string ReadScientific(std::string_view text, std::size_t pos, int precision,
                           int exponentDigits, char mark, GeneralText& out) {
    const std::string_view lead = TakeDigits(text, pos);
    if (lead.size() != 1 || lead[0] == '0')
        return "scientific mantissa must start with exactly one non-zero digit";
    out.digits = lead;
    if (pos < text.size() && text[pos] == mark) {
        ++pos;
        const std::string_view rest = TakeDigits(text, pos);
        if (rest.empty())
            return "mark without digits after it";
        if (rest.back() == '0')
            return "trailing zero after the mark";
        out.digits += rest;
    }
    if (static_cast<int>(out.digits.size()) > precision)
        return "more significant digits than the precision";
    if (pos >= text.size() || text[pos] != 'E')
        return "scientific mantissa not followed by 'E'";
    ++pos;
    bool negativeExponent = false;
    if (pos < text.size() && text[pos] == '-') {
        negativeExponent = true;
        ++pos;
    }
    const std::string_view power = TakeDigits(text, pos);
    if (pos != text.size())
        return "characters after the exponent";
    const std::size_t minimum = exponentDigits < 1 ? 1 : static_cast<std::size_t>(exponentDigits);
    if (power.size() < minimum)
        return "exponent shorter than exponentDigits";
    if (power.size() > minimum && power[0] == '0')
        return "exponent padded beyond exponentDigits";
    if (power.size() > 4)
        return "exponent of more than four digits";
    int magnitude = 0;
    for (char c : power)
        magnitude = magnitude * 10 + (c - '0');
    if (negativeExponent && magnitude == 0)
        return "negative zero exponent";
    if (magnitude > 4932)
        return "exponent beyond the extended range";
    const int e = (negativeExponent ? -magnitude : magnitude) + 1;
    if (e <= precision && e >= -3)
        return "scientific notation where fixed notation applies";
    out.exponent = e;
    return {};
}

std::string ReadBelowOne(std::string_view text, std::size_t pos, int precision, char mark,
                         GeneralText& out) {
    // pos is just past the leading '0'.
    if (pos >= text.size() || text[pos] != mark)
        return "leading zero not followed by the mark";
    ++pos;
    const std::string_view all = TakeDigits(text, pos);
    if (pos != text.size())
        return "characters after the fraction";
    const std::size_t zeros = all.find_first_not_of('0');
    if (zeros == std::string_view::npos)
        return "fraction without a significant digit";
    if (zeros > 3)
        return "more than three zeros after the mark (scientific applies)";
    const std::string_view digits = all.substr(zeros);
    if (digits.back() == '0')
        return "trailing zero after the mark";
    if (static_cast<int>(digits.size()) > precision)
        return "more significant digits than the precision";
    out.digits = digits;
    out.exponent = -static_cast<int>(zeros);
    return {};
}

std::string ReadFromOne(std::string_view text, std::size_t pos, int precision, char mark,
                        GeneralText& out) {
    const std::string_view whole = TakeDigits(text, pos);
    // whole[0] is a non-zero digit here.
    if (static_cast<int>(whole.size()) > precision)
        return "more integer digits than the precision";
    out.exponent = static_cast<int>(whole.size());
    if (pos == text.size()) {
        const std::size_t last = whole.find_last_not_of('0');
        out.digits = whole.substr(0, last + 1);
        return {};
    }
    if (text[pos] != mark)
        return "unexpected character after the integer digits";
    ++pos;
    const std::string_view fraction = TakeDigits(text, pos);
    if (pos != text.size())
        return "characters after the fraction";
    if (fraction.empty())
        return "mark without digits after it";
    if (fraction.back() == '0')
        return "trailing zero after the mark";
    if (static_cast<int>(whole.size() + fraction.size()) > precision)
        return "more significant digits than the precision";
    out.digits = std::string(whole) + std::string(fraction);
    return {};
}

} // namespace

int ClampedPrecision(int precision) {
    return precision < 2 ? 2 : (precision > 18 ? 18 : precision);
}

int EffectiveExponentDigits(int exponentDigits) {
    return (exponentDigits < 0 || exponentDigits > 4) ? 0 : exponentDigits;
}

std::string ReadGeneralText(std::string_view text, int precision, int exponentDigits, char mark,
                            GeneralText& out) {
    out = GeneralText{};
    if (text == "NAN") {
        out.kind = GeneralText::Kind::NotANumber;
        return {};
    }
    if (text == "INF" || text == "-INF") {
        out.kind = GeneralText::Kind::Infinity;
        out.negative = text[0] == '-';
        return {};
    }
    if (text == "0")
        return {};
    if (text.find('+') != std::string_view::npos)
        return "a '+' sign";
    std::size_t pos = 0;
    if (!text.empty() && text[0] == '-') {
        out.negative = true;
        ++pos;
    }
    if (pos >= text.size() || !IsDigit(text[pos]))
        return "no digit where the number starts";
    out.kind = GeneralText::Kind::Number;
    if (text.find('E') != std::string_view::npos)
        return ReadScientific(text, pos, precision, exponentDigits, mark, out);
    if (text[pos] == '0')
        return ReadBelowOne(text, pos + 1, precision, mark, out);
    return ReadFromOne(text, pos, precision, mark, out);
}

} // namespace tarsilo::fuzz
