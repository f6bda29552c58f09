#pragma once
// Error classes of the calculation core and the translation of processor
// faults into them. Nothing in the core catches these; the application shell
// shows them.

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

namespace tarsilo {

// Root of all errors; holds the message shown to the user.
class Exception : public std::exception {
public:
    explicit Exception(std::string message);
    const std::string& Message() const noexcept { return message_; }
    // The code address that created the error, for the "Application Error" text.
    const void* Address() const noexcept { return address_; }
    const char* what() const noexcept override { return message_.c_str(); }
    // The class name shown in the "Application Error" text.
    virtual const char* ClassName() const noexcept { return "Exception"; }
    // Throws the object as its most derived class.
    [[noreturn]] virtual void Raise() const { throw *this; }

private:
    std::string message_;
    const void* address_;
};

#define TARSILO_ERROR_CLASS(Name, Base)                                                            \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
        const char* ClassName() const noexcept override { return #Name; }                          \
        [[noreturn]] void Raise() const override { throw *this; }                                  \
    }

TARSILO_ERROR_CLASS(EAbort, Exception);
TARSILO_ERROR_CLASS(EConvertError, Exception);
TARSILO_ERROR_CLASS(EExternal, Exception);
TARSILO_ERROR_CLASS(EMathError, EExternal);
TARSILO_ERROR_CLASS(EInvalidOp, EMathError);
TARSILO_ERROR_CLASS(EZeroDivide, EMathError);
TARSILO_ERROR_CLASS(EOverflow, EMathError);
TARSILO_ERROR_CLASS(EUnderflow, EMathError);
TARSILO_ERROR_CLASS(EIntError, EExternal);
TARSILO_ERROR_CLASS(EDivByZero, EIntError);
TARSILO_ERROR_CLASS(EIntOverflow, EIntError);
TARSILO_ERROR_CLASS(ERangeError, EIntError);

#undef TARSILO_ERROR_CLASS

// Processor faults, named by their Windows exception codes so that the fault
// table reads the same everywhere.
enum class ProcessorFault : std::uint32_t {
    FloatDenormalOperand = 0xC000008D,
    FloatDivideByZero = 0xC000008E,
    FloatInexactResult = 0xC000008F,
    FloatInvalidOperation = 0xC0000090,
    FloatOverflow = 0xC0000091,
    FloatStackCheck = 0xC0000092,
    FloatUnderflow = 0xC0000093,
    IntegerDivideByZero = 0xC0000094,
    IntegerOverflow = 0xC0000095,
    ArrayBoundsExceeded = 0xC000008C,
};

// A new error object of the class and with the message of the fault table.
std::unique_ptr<Exception> TranslateFault(ProcessorFault fault);

// Resets the floating-point state to the default mode, then raises the error
// that the fault stands for.
[[noreturn]] void RaiseFault(ProcessorFault fault);

} // namespace tarsilo
