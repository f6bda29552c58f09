#pragma once
// The commands of the main window, run on its fields.
//
// Calculate, from field texts to field texts:
//   the ten input edits, in InputFieldNames order
//     -> TrimBlanks, ParseNumber: each value stored at once in CalcInputs
//        (EConvertError at the first text that is no number)
//     -> ValidateInputs: a failed check writes only its status text
//     -> EvaluateModel for the selected shape, into CalcResults
//     -> FormatResult of every result, energies in kilotonnes or tonnes
//     -> the result edits, the energy captions and "Готов ...", all at once.
// An error raised on the way (EConvertError, EInvalidOp, EZeroDivide,
// EOverflow) leaves every field as it was.

#include <array>
#include <string_view>

#include "commands/window_fields.h"

namespace tarsilo {

// The input fields in the order in which Calculate reads them, one for each
// slot of InputReadingOrder.
inline constexpr std::array<std::string_view, 10> InputFieldNames = {
    component::ev0, component::eD,   component::eL,  component::eCb,   component::eRoB,
    component::eg,  component::eRo0, component::emu, component::eTemp, component::eHx,
};

// The window passes the program-wide records; anyone else may pass their own.
void Calculate(WindowFields& fields, CalcInputs& inputs, CalcResults& results);
void Clear(WindowFields& fields);
void ChooseBall(WindowFields& fields);
void ChooseCylinder(WindowFields& fields);

} // namespace tarsilo
