#include "calc/program_records.h"

namespace tarsilo {

CalcInputs ProgramInputs;
CalcResults ProgramResults;

} // namespace tarsilo
