#pragma once
// The program-wide input and result records that every Calculate overwrites.

#include "calc/descent_model.h"
#include "calc/inputs.h"

namespace tarsilo {

extern CalcInputs ProgramInputs;
extern CalcResults ProgramResults;

} // namespace tarsilo
