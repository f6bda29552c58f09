#include "calc/fpu_mode.h"

#include "calc/errors.h"

namespace tarsilo {

namespace {

void LoadControlWord(std::uint16_t word) {
    asm volatile("fldcw %0" : : "m"(word) : "memory");
}

void ClearExceptionFlags() {
    asm volatile("fnclex" : : : "memory");
}

// Bits of the control word that carry meaning on current processors.
constexpr std::uint16_t MeaningfulBits = 0x0F3F;

} // namespace

void ResetFpu() {
    ClearExceptionFlags();
    LoadControlWord(LoadedControlWord);
}

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
