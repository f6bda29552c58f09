#include "calc/decimal_mark.h"

namespace tarsilo {

char DecimalMark = '.';

char DecimalMarkFromSeparator(std::string_view separator) {
    if (separator.size() != 1)
        return '.';
    const unsigned char mark = static_cast<unsigned char>(separator[0]);
    return mark > 0 && mark < 0x80 ? separator[0] : '.';
}

} // namespace tarsilo
