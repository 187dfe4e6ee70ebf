// Whole-number arithmetic as the game defines it: 32-bit fields that wrap
// around instead of overflowing, and doubles truncated toward zero into them.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace tavo {

// Low 32 bits of a wider value, as a signed field holds them.
constexpr std::int32_t wrap32(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

constexpr std::int32_t add32(std::int32_t a, std::int64_t b) {
    return wrap32(
        static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b)));
}

constexpr std::int32_t sub32(std::int32_t a, std::int64_t b) {
    return wrap32(
        static_cast<std::int64_t>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b)));
}

constexpr std::int32_t mul32(std::int32_t a, std::int32_t b) {
    return wrap32(static_cast<std::int64_t>(a) * b);
}

// Truncation toward zero to a 64-bit whole number; out-of-range values
// saturate and NaN gives 0, so no input is undefined.
template <typename Float>
std::int64_t truncToInt64(Float v) {
    if (std::isnan(v)) return 0;
    constexpr Float kLimit = static_cast<Float>(9223372036854775808.0); // 2^63
    if (v >= kLimit) return std::numeric_limits<std::int64_t>::max();
    if (v <= -kLimit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(v);
}

// A double (or extended) value truncated toward zero and stored in a 32-bit
// field: the whole part's low 32 bits.
template <typename Float>
std::int32_t truncToInt32(Float v) {
    return wrap32(truncToInt64(v));
}

} // namespace tavo
