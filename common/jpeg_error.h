#pragma once
// The error a fatal decoder failure raises, in both front ends: "JPEG error
// #N", N being the decoder's message code.

#include <string>

#include "calc/errors.h"

namespace tarsilo {

class EJPEG : public Exception {
public:
    explicit EJPEG(int messageCode)
        : Exception("JPEG error #" + std::to_string(messageCode)), code_(messageCode) {}
    int MessageCode() const noexcept { return code_; }
    const char* ClassName() const noexcept override { return "EJPEG"; }
    [[noreturn]] void Raise() const override { throw *this; }

private:
    int code_;
};

} // namespace tarsilo
