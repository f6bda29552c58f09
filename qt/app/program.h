#pragma once
// The program from start to exit status.

#include <functional>

#include "calc/fpu_mode.h"

namespace tarsilo {

class TApplication;

// Creates the program's windows in their order: the main window first.
void CreateForms(TApplication& application);

// RunProgramWith (common/program_run.h) with this shell's application and
// "Application Error" box: the exit status, 0 after the main window closed, 1
// after an error outside the event loop.
int RunProgram(TApplication& application,
               const std::function<void(TApplication&)>& createForms = CreateForms);

} // namespace tarsilo
