#pragma once
// How the "Application Error" box names an error, on every platform: its
// class, as the program names its own error classes and as C++ spells the
// standard ones ("std::logic_error", never the mangled "St11logic_error"), and
// the code address that the program's own errors carry. The module the
// address lies in is each platform's to find (the dynamic loader on Linux,
// the module list on Windows).

#include <exception>
#include <string>

namespace tarsilo {

std::string ErrorClassName(const std::exception& error);

// The address of the code that raised one of the program's own errors; null
// for any other error.
const void* ErrorAddress(const std::exception& error);

} // namespace tarsilo
