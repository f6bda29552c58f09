#pragma once
// The program from start to exit status.

#include <functional>

#include "calc/fpu_mode.h"

namespace tarsilo {

class TApplication;

// Creates the program's windows in their order: the main window first.
void CreateForms(TApplication& application);

// Creates the windows with `createForms`, runs the event loop and destroys
// the windows. Returns the exit status: 0 after the main window closed, 1
// after an error outside the event loop, which the "Application Error" box
// has shown.
int RunProgram(TApplication& application,
               const std::function<void(TApplication&)>& createForms = CreateForms);

} // namespace tarsilo
