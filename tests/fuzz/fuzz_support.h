#pragma once
// What every fuzz target shares: reporting a broken property so that
// libFuzzer keeps the input, reading typed values from the input bytes, and
// the x87 state checks.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/fpu_mode.h"

namespace tarsilo::fuzz {

// The x87 flags that the default mode treats as faults: invalid operation,
// division by zero and overflow. One of them still set after a computation
// would be a fault that nobody reported.
inline constexpr std::uint16_t FaultFlags = 0x000D;

// The control word as the processor reports it after ResetFpu: the reserved
// bit 6 always reads as set.
inline std::uint16_t DefaultWordAsRead() {
    static const std::uint16_t word = [] {
        const std::uint16_t saved = ReadFpuControlWord();
        ResetFpu();
        const std::uint16_t read = ReadFpuControlWord();
        asm volatile("fldcw %0" : : "m"(saved) : "memory");
        return read;
    }();
    return word;
}

// abort() rather than an exception: libFuzzer then saves the input as a crash.
[[noreturn]] inline void Fail(const char* property, std::string_view detail) {
    std::fprintf(stderr, "\nBROKEN PROPERTY: %s\n%.*s\n", property, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

inline void Require(bool holds, const char* property, std::string_view detail = {}) {
    if (!holds) [[unlikely]]
        Fail(property, detail);
}

// A printable form of a text for failure reports: bytes outside the printable
// ASCII range as \xNN, long texts shortened in the middle.
inline std::string Printable(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.size() > 400 && i == 200) {
            out += "...[" + std::to_string(text.size() - 400) + " bytes]...";
            i = text.size() - 200;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 32 && c < 127 && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return "\"" + out + "\"";
}

inline std::string Describe(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", value);
    return buffer;
}

// Takes values from the front of the input; past its end every value is zero,
// so that any input, however short, is a complete case.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    template <typename T> T Value() {
        unsigned char bytes[sizeof(T)] = {};
        for (auto& b : bytes)
            b = Byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // Everything not read yet.
    std::string_view Rest() const {
        return {reinterpret_cast<const char*>(data_) + pos_, size_ - pos_};
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// The decimal marks the program meets: the full stop and the comma.
inline char MarkFromByte(std::uint8_t byte) {
    return (byte & 1) ? ',' : '.';
}

} // namespace tarsilo::fuzz
