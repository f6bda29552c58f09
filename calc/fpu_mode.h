#pragma once
// The floating-point mode of the whole process.
//
// The calculation core computes in 80-bit extended precision with round to
// nearest, ties to even. Invalid operation, division by zero and overflow are
// faults; denormal operands, underflow and inexact results are silent and
// underflow stays gradual.
//
// The three faults are not left to hardware traps: an unmasked x87 trap would
// also fire inside the C library and the toolkit, which do not expect it. The
// loaded control word therefore masks every trap, and the core detects the
// three faults itself, operation by operation (see checked_math.h).
//
// With the software extended type (calc/extended.h) the words are the type's:
// the status word's flags are those its operations raised, and the control
// word is kept per thread as the x87 keeps it (starting from the x87's
// initial word) and read back the same way, but the type always computes in
// the mode above, whatever the word says.

#include <cstdint>

#include "calc/extended.h"

namespace tarsilo {

// The logical mode as an x87 control word: 64-bit significand (bits 8-9 = 3),
// round to nearest (bits 10-11 = 0), faults on invalid operation, division by
// zero and overflow (mask bits 0, 2, 3 clear), silent denormal, underflow and
// precision (mask bits 1, 4, 5 set).
inline constexpr std::uint16_t DefaultFpuMode = 0x1332;

// The mask bits of the three conditions that the core detects in software.
inline constexpr std::uint16_t SoftwareFaultMasks = 0x000D;

// What is actually loaded into the x87 control word: the default mode with
// every hardware trap masked.
inline constexpr std::uint16_t LoadedControlWord = DefaultFpuMode | SoftwareFaultMasks;

// Clears the exception flags and loads LoadedControlWord. Used at start-up and
// after every fault.
void ResetFpu();

// Loads the program's mode first of all (what both shells run at start-up):
// the register stack emptied, the flags cleared, LoadedControlWord loaded.
void EstablishFpuMode();

// Raises an error unless the floating-point unit holds that mode.
void RequireFpuMode();

std::uint16_t ReadFpuControlWord();
std::uint16_t ReadFpuStatusWord();
// Loads a control word as it is (the exception flags stay).
void LoadFpuControlWord(std::uint16_t word);

// True when the control word holds exactly LoadedControlWord (reserved bits
// and the ignored infinity-control bit aside).
bool FpuModeIsDefault();

// The six sticky exception flags of the x87 status word.
inline constexpr std::uint16_t FpuExceptionFlags = 0x003F;

// Saves the control word, loads another for the scope and restores the saved
// one (with the exception flags cleared) on exit.
class ScopedFpuMode {
public:
    explicit ScopedFpuMode(std::uint16_t controlWord);
    ~ScopedFpuMode();
    ScopedFpuMode(const ScopedFpuMode&) = delete;
    ScopedFpuMode& operator=(const ScopedFpuMode&) = delete;

private:
    std::uint16_t saved_;
};

} // namespace tarsilo
