#pragma once

namespace tarsilo {

// The one-character decimal separator shared by parsing and formatting.
extern char DecimalMark;

// Sets DecimalMark from the decimal point of the user's numeric locale as the
// C library resolves it from LC_ALL, LC_NUMERIC and LANG. A separator that is
// empty or longer than one byte, or a locale that cannot be loaded, gives '.'.
// The process locale is left alone.
void ReadDecimalMark();

// The decimal mark of a named locale ("" for the environment's), by the same
// rule as ReadDecimalMark.
char DecimalMarkOfLocale(const char* localeName);

} // namespace tarsilo
