#pragma once
// The commands speak UTF-8, the Win32 API UTF-16.

#include <string>
#include <string_view>

namespace tarsilo::win32 {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// The shared text rules work on std::u16string; on Windows wchar_t is a UTF-16
// code unit too, so these only change the type.
std::wstring WideFromU16(std::u16string_view text);
std::u16string U16FromWide(std::wstring_view text);

} // namespace tarsilo::win32
