// The decimal mark from the C library's numeric locale.

#include "calc/decimal_mark.h"

#include <langinfo.h>
#include <locale.h>

namespace tarsilo {

char DecimalMarkOfLocale(const char* localeName) {
    locale_t locale = newlocale(LC_NUMERIC_MASK, localeName, locale_t(0));
    if (locale == locale_t(0))
        return '.';
    const char* point = nl_langinfo_l(RADIXCHAR, locale);
    const char mark = point != nullptr ? DecimalMarkFromSeparator(point) : '.';
    freelocale(locale);
    return mark;
}

void ReadDecimalMark() {
    DecimalMark = DecimalMarkOfLocale("");
}

} // namespace tarsilo
