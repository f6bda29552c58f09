#pragma once
// The box for errors that no event handler caught: raised while the windows
// are created or destroyed. The program ends after it.

#include <exception>

#include <QString>

namespace tarsilo {

// "Exception <class> in module <module> at <address>." and a line break, the
// message with "." appended unless it is empty or already ends in '.', and a
// final line break.
QString ApplicationErrorText(const QString& className, const QString& moduleName,
                             const void* address, const QString& message);

// The module of the code that raised an error (the shared object the dynamic
// loader finds it in), else the program's file name.
QString ErrorModuleName(const std::exception& error);

// Shows the "Application Error" box with the stop icon, modal for the whole
// program, and returns when the user has closed it.
void ShowApplicationError(const std::exception& error);

} // namespace tarsilo
