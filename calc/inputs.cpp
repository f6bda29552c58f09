#include "calc/inputs.h"

#include "calc/checked_math.h"
#include "calc/height_term.h"

namespace tarsilo {

InputStatus ValidateInputs(const CalcInputs& inputs) {
    InputStatus status = 0;
    // Quantities 1..9 must be strictly positive; later failures overwrite earlier ones.
    for (int i = 0; i < 9; ++i) {
        if (!(inputs.*InputReadingOrder[i] > 0))
            status = i + 1;
    }
    if (!(HeightTerm(inputs) >= -10000))
        status = 10;
    return status;
}

std::string_view StatusText(InputStatus status) {
    static constexpr std::string_view texts[] = {
        "Введите Vo > 0",
        "Введите D > 0",
        "Введите L > 0",
        "Введите Cb > 0",
        "Введите плотность тела > 0",
        "Введите g > 0",
        "Введите плотность атмосферы > 0",
        "Введите молярную массу > 0",
        "Введите T > 0",
        "Введите значение Hx ближе к 0",
    };
    if (status < 1 || status > 10)
        return {};
    return texts[status - 1];
}

} // namespace tarsilo
