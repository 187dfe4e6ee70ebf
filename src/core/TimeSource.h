// Where the current time comes from: the real clock in the game, a fixed
// value in tests and in the simulator.
#pragma once

#include <cstdint>

namespace tavo {

class TimeSource {
public:
    virtual ~TimeSource() = default;
    // Whole seconds since 1970.
    virtual std::int64_t nowSeconds() const = 0;
};

class SystemTimeSource final : public TimeSource {
public:
    std::int64_t nowSeconds() const override;
};

class FixedTimeSource final : public TimeSource {
public:
    explicit FixedTimeSource(std::int64_t seconds) : seconds_(seconds) {}
    std::int64_t nowSeconds() const override { return seconds_; }

private:
    std::int64_t seconds_;
};

} // namespace tavo
