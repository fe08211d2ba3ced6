#pragma once

#include <cstdint>

// A double's bits, to compare values exactly: std::bit_cast, which not every standard
// library the tests are built with has yet.
constexpr std::uint64_t BitsOf(double value) {
    return __builtin_bit_cast(std::uint64_t, value);
}

constexpr double DoubleWithBits(std::uint64_t bits) {
    return __builtin_bit_cast(double, bits);
}
