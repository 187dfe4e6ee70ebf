// The game's one random generator: a 32-bit linear congruential generator
// whose draws are 15-bit values. Its sequence is part of the game's rules.
#pragma once

#include <cstdint>

namespace tavo {

class Random {
public:
    static constexpr std::uint32_t kStartSeed = 1;
    static constexpr std::uint32_t kMultiplier = 22695477u;
    static constexpr std::uint32_t kIncrement = 1u;

    // The draw a seed gives once it has been stepped.
    static constexpr int drawOf(std::uint32_t seed) {
        return static_cast<int>((seed >> 16) & 32767u);
    }

    // A draw from 0 to 32767.
    int next() {
        seed_ = seed_ * kMultiplier + kIncrement;
        return drawOf(seed_);
    }

    // A draw below n (the next draw modulo n). Callers never pass n <= 0;
    // should one do so, nothing is drawn and 0 is returned.
    int below(int n) { return n > 0 ? next() % n : 0; }

    // Seeds from the current time in whole seconds since 1970.
    void reseed(std::int64_t seconds) { seed_ = static_cast<std::uint32_t>(seconds); }

    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }

private:
    std::uint32_t seed_ = kStartSeed;
};

} // namespace tavo
