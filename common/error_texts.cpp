#include "common/error_texts.h"

#include <algorithm>
#include <cstdint>

#include "common/utf16.h"

namespace tarsilo {

namespace {

// The characters at which a dialog's plain text starts a new line.
bool IsLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029';
}

} // namespace

std::u16string ErrorDialogText(std::u16string_view message) {
    std::u16string text(message);
    if (!text.empty() && text.back() > u'.')
        text += u'.';
    return text;
}

std::u16string ShortenedForDialog(std::u16string_view text, std::size_t maxCharacters,
                                  std::size_t maxLineBreaks) {
    const auto lineBreaks =
        static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsLineBreak));
    if (text.size() <= maxCharacters && lineBreaks <= maxLineBreaks)
        return std::u16string(text);
    // The end gets the odd character and line break: it holds what the
    // message says about the text it quotes.
    const std::size_t kept = maxCharacters > 0 ? maxCharacters - 1 : 0;
    const std::size_t headLimit = kept / 2;
    const std::size_t tailLimit = kept - headLimit;
    const std::size_t headBreaks = maxLineBreaks / 2;
    const std::size_t tailBreaks = maxLineBreaks - headBreaks;

    std::size_t head = 0;
    for (std::size_t seen = 0; head < headLimit && head < text.size(); ++head) {
        if (IsLineBreak(text[head]) && seen++ == headBreaks)
            break;
    }
    std::size_t tail = 0;
    for (std::size_t seen = 0; tail < tailLimit && head + tail < text.size(); ++tail) {
        if (IsLineBreak(text[text.size() - 1 - tail]) && seen++ == tailBreaks)
            break;
    }
    // Never half of a character outside the basic plane.
    if (head > 0 && IsHighSurrogate(text[head - 1]))
        --head;
    if (tail > 0 && IsLowSurrogate(text[text.size() - tail]))
        --tail;
    std::u16string shortened(text.substr(0, head));
    shortened += u'\u2026';
    shortened += text.substr(text.size() - tail);
    return shortened;
}

std::u16string AddressText(const void* address) {
    const auto value = reinterpret_cast<std::uintptr_t>(address);
    constexpr int Digits = 2 * sizeof(void*);
    std::u16string text(Digits, u'0');
    for (int i = 0; i < Digits; ++i)
        text[Digits - 1 - i] = u"0123456789ABCDEF"[(value >> (4 * i)) & 0xF];
    return text;
}

std::u16string ApplicationErrorText(std::u16string_view className, std::u16string_view moduleName,
                                    const void* address, std::u16string_view message) {
    std::u16string text = u"Exception ";
    text += className;
    text += u" in module ";
    text += moduleName;
    text += u" at ";
    text += AddressText(address);
    text += u".\n";
    text += message;
    if (!message.empty() && message.back() != u'.')
        text += u'.';
    text += u'\n';
    return text;
}

} // namespace tarsilo
