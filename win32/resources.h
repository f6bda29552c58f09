#pragma once
// Data built into the executable with the resource compiler.

#include <windows.h>

#include <span>
#include <string_view>

namespace tarsilo::win32 {

// The bytes of an RCDATA resource of this program, named as the file it was
// made from ("values@2x.jpg"); raises an error when the program has no such
// resource. The bytes live as long as the program.
std::span<const unsigned char> ResourceBytes(std::string_view name);

// The program's icon at the system's size for `metric` (SM_CXICON for the
// large one, SM_CXSMICON for the small one); shared, never destroyed.
HICON ProgramIcon(int metric);

} // namespace tarsilo::win32
