#pragma once
// The texts of the input edits when the main window opens, in reading order.

#include <array>
#include <string_view>

namespace tarsilo::test {

inline constexpr std::array<std::string_view, 10> StartingInputTexts = {
    "10000", "1", "1", "0.5", "1000", "9.81", "1.2", "0.029", "300", "0",
};

} // namespace tarsilo::test
