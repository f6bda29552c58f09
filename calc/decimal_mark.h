#pragma once

#include <string_view>

namespace tarsilo {

// The one-character decimal separator shared by parsing and formatting.
extern char DecimalMark;

// Sets DecimalMark from the decimal separator of the user's regional
// settings: on Linux the numeric locale as the C library resolves it from
// LC_ALL, LC_NUMERIC and LANG; on Windows the locale of the calling thread
// (GetThreadLocale). A separator that is empty or longer than one byte, or a
// locale that cannot be read, gives '.'. The process locale is left alone.
void ReadDecimalMark();

// The decimal mark of a named locale by the same rule as ReadDecimalMark;
// "" names the user's own. Linux takes C library names ("ru_RU.UTF-8"),
// Windows takes locale names ("ru-RU").
char DecimalMarkOfLocale(const char* localeName);

// The mark a locale's decimal separator gives: the separator when it is one
// ASCII character, else '.'. Field texts are UTF-8, so a separator outside
// ASCII is never one byte in them.
char DecimalMarkFromSeparator(std::string_view separator);

} // namespace tarsilo
