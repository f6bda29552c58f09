#pragma once
// The ten input quantities and their validation.

#include <array>
#include <cstddef>
#include <string_view>

#include "calc/decimal_constants.h"
#include "calc/extended.h"

namespace tarsilo {

struct CalcInputs {
    Extended Vo = 0;  // initial speed, m/s
    Extended D = 0;   // diameter, m
    Extended L = 0;   // cylinder length, m
    Extended Cb = 0;  // drag coefficient
    Extended RoB = 0; // body density, kg/m³
    Extended g = 0;   // gravitational acceleration, m/s²
    Extended Ro0 = 0; // gas density at the surface, kg/m³
    Extended mu = 0;  // molar mass of the gas, kg/mol
    Extended T = 0;   // absolute temperature, K
    Extended Hx = 0;  // height of the calculation point, m
};

// The slots in the order in which Calculate reads and stores them.
inline constexpr std::array<Extended CalcInputs::*, 10> InputReadingOrder = {
    &CalcInputs::Vo, &CalcInputs::D,   &CalcInputs::L,  &CalcInputs::Cb, &CalcInputs::RoB,
    &CalcInputs::g,  &CalcInputs::Ro0, &CalcInputs::mu, &CalcInputs::T,  &CalcInputs::Hx,
};

// What validation found. Valid lets the descent model run; every other code
// names the failed check, numbered 1..10 in reading order: the first nine
// quantities must be positive, the height must not lie too deep.
enum class InputStatus : int {
    Valid = 0,
    SpeedNotPositive,
    DiameterNotPositive,
    LengthNotPositive,
    DragCoefficientNotPositive,
    BodyDensityNotPositive,
    GravityNotPositive,
    SurfaceDensityNotPositive,
    MolarMassNotPositive,
    TemperatureNotPositive,
    HeightTooDeep,
};
static_assert(static_cast<std::size_t>(InputStatus::HeightTooDeep) == InputReadingOrder.size(),
              "one check for each input quantity, in reading order");

// Runs all ten checks in order; the highest failing one wins. The height test
// divides by R·T and so raises EZeroDivide or EInvalidOp when T is 0, and
// EOverflow when the height term leaves the extended range.
InputStatus ValidateInputs(const CalcInputs& inputs);

// The status line text of a failed check; empty for Valid and any value that
// names no check.
std::string_view StatusText(InputStatus status);

// The status line text after a successful calculation and after Clear.
inline constexpr std::string_view ReadyText = "Готов ...";

} // namespace tarsilo
