#pragma once
// The box for errors that no event handler caught: raised while the windows
// are created or destroyed. The program ends after it.

#include <exception>
#include <string>

namespace tarsilo::win32 {

// The file name of the module whose code raised an error (the executable for
// the program's own code).
std::wstring ErrorModuleName(const std::exception& error);

// "Exception <class> in module <module> at <address>.", the message, each
// followed by a line break, as the box shows them.
std::wstring ApplicationErrorBoxText(const std::exception& error);

// Shows the "Application Error" box with the stop icon, without owner and
// modal for the whole program, and returns when the user has closed it.
void ShowApplicationError(const std::exception& error);

} // namespace tarsilo::win32
