#include "calc/errors.h"

#include <cstdio>
#include <cstdlib>

#include "calc/fpu_mode.h"

namespace tarsilo {

// Out of line so that the return address is the code that raised the error.
[[gnu::noinline]] Exception::Exception(std::string message)
    : message_(std::move(message)), address_(__builtin_return_address(0)) {}

std::unique_ptr<Exception> TranslateFault(ProcessorFault fault) {
    static const std::string invalidOp = "Invalid floating point operation";
    static const std::string underflow = "Floating point underflow";
    switch (fault) {
    case ProcessorFault::FloatInvalidOperation:
    case ProcessorFault::FloatStackCheck:
    case ProcessorFault::FloatInexactResult:
        return std::make_unique<EInvalidOp>(invalidOp);
    case ProcessorFault::FloatDivideByZero:
        return std::make_unique<EZeroDivide>("Floating point division by zero");
    case ProcessorFault::FloatOverflow:
        return std::make_unique<EOverflow>("Floating point overflow");
    case ProcessorFault::FloatUnderflow:
    case ProcessorFault::FloatDenormalOperand:
        return std::make_unique<EUnderflow>(underflow);
    case ProcessorFault::IntegerDivideByZero:
        return std::make_unique<EDivByZero>("Division by zero");
    case ProcessorFault::IntegerOverflow:
        return std::make_unique<EIntOverflow>("Integer overflow");
    case ProcessorFault::ArrayBoundsExceeded:
        return std::make_unique<ERangeError>("Range check error");
    }
    // An unknown code is still a processor fault; report it as the generic one.
    char code[16];
    std::snprintf(code, sizeof code, "%08X", static_cast<unsigned>(fault));
    return std::make_unique<EExternal>(std::string("External exception ") + code);
}

void RaiseFault(ProcessorFault fault) {
    ResetFpu();
    TranslateFault(fault)->Raise();
    std::abort(); // Raise always throws
}

} // namespace tarsilo
