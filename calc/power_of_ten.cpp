#include "calc/power_of_ten.h"

#include <limits>

namespace tarsilo {

Extended ScaleByPowerOfTen(Extended v, int n) {
    if (n == 0)
        return v;
    if (n >= 5120)
        return std::numeric_limits<Extended>::infinity();
    if (n <= -5120)
        return 0;
    const unsigned m = n > 0 ? unsigned(n) : unsigned(-n);
    const unsigned i = m % 32, j = (m / 32) % 16, k = m / 512;
    if (n > 0) {
        v *= PowSmall[i];
        if (j != 0)
            v *= PowMiddle[j];
        if (k != 0)
            v *= PowLarge[k];
    } else {
        v /= PowSmall[i];
        if (j != 0)
            v /= PowMiddle[j];
        if (k != 0)
            v /= PowLarge[k];
    }
    return v;
}

} // namespace tarsilo
