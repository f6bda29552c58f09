#pragma once
// The commands of the main window, run on its fields. Calculate reads into
// ProgramInputs and computes into ProgramResults; an error it raises
// (EConvertError, EInvalidOp, EZeroDivide, EOverflow) leaves every field as
// it was.

#include <array>
#include <string_view>

#include "ui/window_fields.h"

namespace tarsilo {

// The input fields in the order in which Calculate reads them, one for each
// slot of InputReadingOrder.
inline constexpr std::array<std::string_view, 10> InputFieldNames = {
    component::ev0, component::eD,   component::eL,  component::eCb,   component::eRoB,
    component::eg,  component::eRo0, component::emu, component::eTemp, component::eHx,
};

void Calculate(WindowFields& fields);
void Clear(WindowFields& fields);
void ChooseBall(WindowFields& fields);
void ChooseCylinder(WindowFields& fields);

} // namespace tarsilo
