#pragma once
// The bits of 80-bit extended values, for tests and for the programs that
// print what the core computes: a value is written as 20 hex digits, sign and
// exponent (4) then the significand with its explicit integer bit (16).

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "calc/extended.h"

namespace tarsilo::test {

struct ExtendedBits {
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
};

inline ExtendedBits BitsOf(Extended value) {
    return {SignificandOf(value), SignAndExponentOf(value)};
}

inline Extended FromBits(ExtendedBits bits) {
    return ExtendedFromBits(bits.signAndExponent, bits.significand);
}

inline std::string HexBits(Extended value) {
    const ExtendedBits bits = BitsOf(value);
    char text[21];
    std::snprintf(text, sizeof text, "%04X%016llX", static_cast<unsigned>(bits.signAndExponent),
                  static_cast<unsigned long long>(bits.significand));
    return text;
}

// The value of 20 hex digits; false when the text is not that.
inline bool ParseHexBits(std::string_view text, Extended& value) {
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
inline __int128 OrderIndex(Extended value) {
    const ExtendedBits bits = BitsOf(value);
    const unsigned biased = bits.signAndExponent & 0x7FFF;
    const __int128 magnitude =
        biased == 0 ? __int128(bits.significand)
                    : __int128(biased - 1) * (__int128(1) << 63) + __int128(bits.significand);
    return bits.signAndExponent & 0x8000 ? -magnitude : magnitude;
}

// How many representable values lie between a and b (0 when equal; +0 and
// -0 count as equal), capped at the largest 64-bit value.
inline std::uint64_t UlpDistance(Extended a, Extended b) {
    const __int128 difference = OrderIndex(a) - OrderIndex(b);
    const __int128 magnitude = difference < 0 ? -difference : difference;
    constexpr __int128 Cap = std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(magnitude > Cap ? Cap : magnitude);
}

// The value next to a finite x in the direction of `toward`, as nextafter.
inline Extended NextAfter(Extended x, Extended toward) {
    if (x == toward)
        return toward;
    if (x == 0)
        return toward > 0 ? std::numeric_limits<Extended>::denorm_min()
                          : -std::numeric_limits<Extended>::denorm_min();
    const ExtendedBits bits = BitsOf(x);
    // One step in magnitude: the exponent and the significand count on
    // together, and the integer bit appears as the subnormals reach 2^-16382.
    const bool away = (x < toward) != SignBit(x);
    unsigned biased = bits.signAndExponent & 0x7FFF;
    std::uint64_t significand = bits.significand;
    if (away) {
        if (++significand == 0) {
            significand = std::uint64_t(1) << 63;
            ++biased;
        } else if (biased == 0 && significand == std::uint64_t(1) << 63) {
            biased = 1;
        }
    } else if (biased > 1 && significand == std::uint64_t(1) << 63) {
        significand = ~std::uint64_t(0);
        --biased;
    } else {
        if (biased == 1 && significand == std::uint64_t(1) << 63)
            biased = 0;
        --significand;
    }
    return FromBits(
        {significand, static_cast<std::uint16_t>((bits.signAndExponent & 0x8000) | biased)});
}

} // namespace tarsilo::test
