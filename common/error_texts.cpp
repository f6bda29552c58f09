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

namespace {

// The longest run of characters without a blank or a line break.
std::size_t LongestRun(std::u16string_view text) {
    std::size_t longest = 0;
    std::size_t run = 0;
    for (const char16_t c : text) {
        run = c == u' ' || IsLineBreak(c) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace

bool FitsInDialog(std::u16string_view text, DialogTextRoom room) {
    const std::size_t longest = LongestRun(text);
    if (longest > room.columns)
        return false;
    // The box widens to its longest run, and every line wraps at that width.
    const std::size_t width = std::max(room.wrapColumns, longest);
    std::size_t lines = 1;
    std::size_t column = 0; // characters on the current line
    std::size_t run = 0;    // characters of the current unbroken run
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool atEnd = i == text.size();
        const bool lineBreak = !atEnd && IsLineBreak(text[i]);
        if (!atEnd && !lineBreak && text[i] != u' ') {
            ++run;
            continue;
        }
        // The run ends: it goes on the current line, or wraps to the next.
        const std::size_t needed = column == 0 ? run : column + 1 + run;
        if (needed <= width || column == 0) {
            column = needed;
        } else {
            ++lines;
            column = run;
        }
        run = 0;
        if (lineBreak) {
            // CR LF is one line break.
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++lines;
            column = 0;
        }
        if (lines > room.lines)
            return false;
    }
    return true;
}

std::u16string FittedForDialog(std::u16string_view text, DialogTextRoom room) {
    if (FitsInDialog(text, room))
        return std::u16string(text);
    room.wrapColumns = std::max<std::size_t>(std::min(room.wrapColumns, room.columns), 1);
    room.columns = std::max(room.columns, room.wrapColumns);
    room.lines = std::max<std::size_t>(room.lines, 1);
    const std::size_t lineBreaks = room.lines - 1;
    // One wrapped line's worth always fits: no run and no line can be longer.
    // Above that, the longest that fits is searched for.
    std::size_t fits = std::min(room.wrapColumns, text.size());
    std::size_t tooLong = std::min(room.columns * room.lines, text.size()) + 1;
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (FitsInDialog(ShortenedForDialog(text, middle, lineBreaks), room))
            fits = middle;
        else
            tooLong = middle;
    }
    return ShortenedForDialog(text, fits, lineBreaks);
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
