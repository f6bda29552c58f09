#pragma once
// The sizes of the desktop icons besides the 32-pixel window icon.

#include <array>

namespace tarsilo::icons {

inline constexpr std::array DrawnSizes{48, 64, 128, 256};

} // namespace tarsilo::icons
