#pragma once
// The bits of 80-bit extended values, for tests and for the programs that
// print what the core computes: a value is written as 20 hex digits, sign and
// exponent (4) then the significand with its explicit integer bit (16).

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace tarsilo::test {

static_assert(std::numeric_limits<long double>::digits == 64, "80-bit extended format");

struct ExtendedBits {
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
};

inline ExtendedBits BitsOf(long double value) {
    ExtendedBits bits;
    std::memcpy(&bits.significand, &value, sizeof bits.significand);
    std::memcpy(&bits.signAndExponent, reinterpret_cast<const char*>(&value) + 8,
                sizeof bits.signAndExponent);
    return bits;
}

inline long double FromBits(ExtendedBits bits) {
    long double value = 0;
    std::memcpy(&value, &bits.significand, sizeof bits.significand);
    std::memcpy(reinterpret_cast<char*>(&value) + 8, &bits.signAndExponent,
                sizeof bits.signAndExponent);
    return value;
}

inline std::string HexBits(long double value) {
    const ExtendedBits bits = BitsOf(value);
    char text[21];
    std::snprintf(text, sizeof text, "%04X%016llX", static_cast<unsigned>(bits.signAndExponent),
                  static_cast<unsigned long long>(bits.significand));
    return text;
}

// The value of 20 hex digits; false when the text is not that.
inline bool ParseHexBits(std::string_view text, long double& value) {
    if (text.size() != 20)
        return false;
    std::uint64_t words[2] = {0, 0};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return false;
        std::uint64_t& word = words[i < 4 ? 0 : 1];
        word = word << 4 | static_cast<std::uint64_t>(digit);
    }
    value = FromBits({words[1], static_cast<std::uint16_t>(words[0])});
    return true;
}

// The place of a value in the ordered sequence of extended values: 0 for
// zero, 1 for the smallest subnormal, and so on up to infinity, one step
// above the largest finite value; negative values mirror positive ones.
inline __int128 OrderIndex(long double value) {
    const ExtendedBits bits = BitsOf(value);
    const unsigned biased = bits.signAndExponent & 0x7FFF;
    const __int128 magnitude =
        biased == 0 ? __int128(bits.significand)
                    : __int128(biased - 1) * (__int128(1) << 63) + __int128(bits.significand);
    return bits.signAndExponent & 0x8000 ? -magnitude : magnitude;
}

// How many representable values lie between a and b (0 when equal; +0 and
// -0 count as equal), capped at the largest 64-bit value.
inline std::uint64_t UlpDistance(long double a, long double b) {
    const __int128 difference = OrderIndex(a) - OrderIndex(b);
    const __int128 magnitude = difference < 0 ? -difference : difference;
    constexpr __int128 Cap = std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(magnitude > Cap ? Cap : magnitude);
}

} // namespace tarsilo::test
