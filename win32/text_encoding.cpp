#include "win32/text_encoding.h"

#include <windows.h>

#include <limits>
#include <stdexcept>

namespace tarsilo::win32 {

namespace {

int CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        throw std::length_error("a text longer than the Win32 API takes");
    return static_cast<int>(size);
}

} // namespace

std::wstring WideFromUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int length = CheckedLength(text.size());
    // Invalid sequences become U+FFFD rather than failing the conversion.
    const int wide = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, result.data(), wide);
    return result;
}

std::string Utf8FromWide(std::wstring_view text) {
    if (text.empty())
        return {};
    const int length = CheckedLength(text.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring WideFromU16(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string U16FromWide(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

} // namespace tarsilo::win32
