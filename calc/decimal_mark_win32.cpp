// The decimal mark from the Windows regional settings.

#include "calc/decimal_mark.h"

#include <windows.h>

#include <string>

namespace tarsilo {

char DecimalMarkOfLocale(const char* localeName) {
    std::wstring name;
    for (const char* c = localeName; *c != '\0'; ++c) {
        // Locale names are ASCII ("ru-RU"); anything else names no locale.
        if (static_cast<unsigned char>(*c) >= 0x80)
            return '.';
        name.push_back(static_cast<wchar_t>(*c));
    }
    // A buffer of two characters: a longer separator makes the call fail.
    wchar_t separator[2] = {};
    if (GetLocaleInfoEx(name.empty() ? LOCALE_NAME_USER_DEFAULT : name.c_str(), LOCALE_SDECIMAL,
                        separator, 2) == 0)
        return '.';
    if (separator[0] >= 0x80)
        return '.';
    const char narrow = static_cast<char>(separator[0]);
    return DecimalMarkFromSeparator(std::string_view(&narrow, narrow == '\0' ? 0 : 1));
}

void ReadDecimalMark() {
    // Two bytes of the ANSI code page: a separator longer than one byte makes
    // the call fail, and DecimalMarkFromSeparator turns away a byte outside
    // ASCII, which the UTF-8 field texts cannot contain alone.
    char separator[2] = {};
    if (GetLocaleInfoA(GetThreadLocale(), LOCALE_SDECIMAL, separator, 2) == 0) {
        DecimalMark = '.';
        return;
    }
    DecimalMark = DecimalMarkFromSeparator(separator);
}

} // namespace tarsilo
