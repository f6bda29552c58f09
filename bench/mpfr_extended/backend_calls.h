#pragma once
// How many times each rounded operation reached the backend, as the MPFR
// backend of this benchmark counts them: the extended operations a piece of
// the core does that either backend would round.

#include <array>

namespace tarsilo::bench {

// Add, Subtract, Multiply, Divide, SquareRoot.
std::array<long, 5>& BackendCalls();

} // namespace tarsilo::bench
