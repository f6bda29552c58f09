#pragma once
// The program from its windows' creation to its exit status, the same in
// either shell.

#include <exception>
#include <functional>

#include "calc/fpu_mode.h"

namespace tarsilo {

// Creates the windows with `createForms`, runs the event loop and destroys
// the windows. Returns the exit status: 0 after the main window closed, 1
// after an error outside the event loop, shown by `showApplicationError` (the
// "Application Error" box).
template <class Application>
int RunProgramWith(Application& application, const std::function<void(Application&)>& createForms,
                   void (*showApplicationError)(const std::exception&)) {
    int status = 0;
    try {
        RequireFpuMode();
        createForms(application);
        application.Run();
    } catch (const std::exception& error) {
        showApplicationError(error);
        status = 1;
    }
    application.Shutdown();
    return status;
}

} // namespace tarsilo
