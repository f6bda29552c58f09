#include "number_syntax.h"

namespace tarsilo::fuzz {

namespace {

std::size_t SkipSpaces(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        ++pos;
    return pos;
}

} // namespace

std::size_t NumberSyntax::AccumulatedLength() const {
    const std::string all = std::string(integerDigits) + std::string(fractionDigits);
    const std::size_t first = all.find_first_not_of('0');
    return first == std::string::npos ? 0 : all.size() - first;
}

std::string NumberSyntax::CanonicalDecimal() const {
    std::string text = negative ? "-" : "";
    text += integerDigits.empty() ? "0" : std::string(integerDigits);
    text += '.';
    text += fractionDigits;
    text += 'e' + std::to_string(exponent);
    return text;
}

bool ReadNumberSyntax(std::string_view text, char mark, NumberSyntax& out) {
    out = NumberSyntax{};
    std::size_t pos = SkipSpaces(text, 0);
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        out.negative = text[pos++] == '-';
    std::size_t end = SkipDigits(text, pos);
    out.integerDigits = text.substr(pos, end - pos);
    bool hasMark = false;
    if (end < text.size() && text[end] == mark) {
        hasMark = true;
        pos = end + 1;
        end = SkipDigits(text, pos);
        out.fractionDigits = text.substr(pos, end - pos);
    }
    if (out.integerDigits.empty() && !hasMark)
        return false;
    pos = end;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            negativeExponent = text[pos++] == '-';
        end = SkipDigits(text, pos);
        std::string_view digits = text.substr(pos, end - pos);
        while (!digits.empty() && digits[0] == '0')
            digits.remove_prefix(1);
        if (digits.size() > 4)
            return false;
        int value = 0;
        for (char c : digits)
            value = value * 10 + (c - '0');
        if (value > 4999)
            return false;
        out.exponent = negativeExponent ? -value : value;
        pos = end;
    }
    return SkipSpaces(text, pos) == text.size();
}

} // namespace tarsilo::fuzz
