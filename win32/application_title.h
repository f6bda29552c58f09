#pragma once

#include <string>

namespace tarsilo::win32 {

// The application title of this process: the executable's file name cut at
// its first '.', every character after the first in lower case.
std::wstring ProgramTitle();

// The same rule for any executable path ('\\' and '/' end directories).
std::wstring ApplicationTitleFromPath(const std::wstring& executablePath);

// The executable's full path.
std::wstring ExecutablePath();

} // namespace tarsilo::win32
