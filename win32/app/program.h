#pragma once
// The program from start to exit status.

#include <functional>

namespace tarsilo::win32 {

class TApplication;

// Empties the floating-point unit and loads the program's mode: 64-bit
// significand, round to nearest, the three faults detected by the
// calculation core. Runs first of all.
void EstablishFpuMode();

// Raises an error unless the floating-point unit holds that mode.
void RequireFpuMode();

// Creates the program's windows in their order: the main window first, then
// the reference window, hidden.
void CreateForms(TApplication& application);

// Creates the windows with `createForms`, runs the event loop and destroys
// the windows. Returns the exit status: 0 after the main window closed, 1
// after an error outside the event loop, which the "Application Error" box
// has shown.
int RunProgram(TApplication& application,
               const std::function<void(TApplication&)>& createForms = CreateForms);

} // namespace tarsilo::win32
