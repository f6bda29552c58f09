#include "calc/inputs.h"

#include <iterator>

#include "calc/checked_math.h"
#include "calc/height_term.h"

namespace tarsilo {

InputStatus ValidateInputs(const CalcInputs& inputs) {
    InputStatus status = InputStatus::Valid;
    // Every quantity but the last (the height) must be strictly positive; a
    // later failure overwrites an earlier one.
    constexpr std::size_t positiveQuantities = InputReadingOrder.size() - 1;
    for (std::size_t i = 0; i < positiveQuantities; ++i) {
        if (!(inputs.*InputReadingOrder[i] > 0))
            status = static_cast<InputStatus>(i + 1);
    }
    if (!(HeightTerm(inputs) >= -10000))
        status = InputStatus::HeightTooDeep;
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
    static_assert(std::size(texts) == static_cast<std::size_t>(InputStatus::HeightTooDeep));
    if (status < InputStatus::SpeedNotPositive || status > InputStatus::HeightTooDeep)
        return {};
    return texts[static_cast<int>(status) - 1];
}

} // namespace tarsilo
