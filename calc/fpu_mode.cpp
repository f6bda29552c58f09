#include "calc/fpu_mode.h"

#include "calc/errors.h"

namespace tarsilo {

namespace {

#if TARSILO_EXTENDED_IS_SOFT

// What a thread's x87 holds before anyone loads a word: every exception
// masked, 64-bit precision, round to nearest. Bit 6 is reserved and reads as 1.
constexpr std::uint16_t InitialControlWord = 0x037F;
constexpr std::uint16_t ReservedBit = 0x0040;
thread_local std::uint16_t ControlWord = InitialControlWord;

void LoadControlWord(std::uint16_t word) {
    ControlWord = word | ReservedBit;
}

void ClearExceptionFlags() {
    ClearSoftExtendedFlags();
}

#else

void LoadControlWord(std::uint16_t word) {
    asm volatile("fldcw %0" : : "m"(word) : "memory");
}

void ClearExceptionFlags() {
    asm volatile("fnclex" : : : "memory");
}

#endif

// Bits of the control word that carry meaning on current processors.
constexpr std::uint16_t MeaningfulBits = 0x0F3F;

} // namespace

void ResetFpu() {
    ClearExceptionFlags();
    LoadControlWord(LoadedControlWord);
}

void LoadFpuControlWord(std::uint16_t word) {
    LoadControlWord(word);
}

#if TARSILO_EXTENDED_IS_SOFT

std::uint16_t ReadFpuControlWord() {
    return ControlWord;
}

// The flags, and the summary bit (7) that the x87 sets while a flag is
// raised whose exception the control word does not mask.
std::uint16_t ReadFpuStatusWord() {
    const std::uint16_t flags = SoftExtendedFlags();
    const bool unmasked = (flags & ~ControlWord & FpuExceptionFlags) != 0;
    return static_cast<std::uint16_t>(flags | (unmasked ? 0x0080 : 0));
}

#else

std::uint16_t ReadFpuControlWord() {
    std::uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word) : : "memory");
    return word;
}

std::uint16_t ReadFpuStatusWord() {
    std::uint16_t word = 0;
    asm volatile("fnstsw %0" : "=m"(word) : : "memory");
    return word;
}

#endif

bool FpuModeIsDefault() {
    return (ReadFpuControlWord() & MeaningfulBits) == (LoadedControlWord & MeaningfulBits);
}

void EstablishFpuMode() {
    ResetFpu();
}

void RequireFpuMode() {
    if (!FpuModeIsDefault())
        throw Exception("The floating-point unit does not hold the extended-precision, "
                        "round-to-nearest mode");
}

ScopedFpuMode::ScopedFpuMode(std::uint16_t controlWord) : saved_(ReadFpuControlWord()) {
    LoadControlWord(controlWord);
}

ScopedFpuMode::~ScopedFpuMode() {
    ClearExceptionFlags();
    LoadControlWord(saved_);
}

} // namespace tarsilo
