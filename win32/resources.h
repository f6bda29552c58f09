#pragma once
// Data built into the executable with the resource compiler.

#include <span>

namespace tarsilo::win32 {

// The bytes of an RCDATA resource of this program; raises an error when the
// program has no such resource. The bytes live as long as the program.
std::span<const unsigned char> ResourceBytes(int id);

} // namespace tarsilo::win32
