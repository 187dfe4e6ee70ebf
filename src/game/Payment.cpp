#include "game/Payment.h"

#include "core/Arithmetic.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace tavo {

Payment preparePayment(double amount) {
    Payment payment;
    payment.amount = amount;
    if (!(std::fabs(amount) < 1073741824.0)) return payment; // also NaN
    double whole = std::floor(amount);
    double fraction = amount - whole;
    constexpr double kMargin = 1.0 / (1 << 21);
    if (fraction != 0 && (fraction <= kMargin || fraction >= 1 - kMargin)) return payment;
    payment.wholeRule = true;
    payment.floorPart = static_cast<std::int64_t>(whole);
    payment.ceilPart = fraction == 0 ? payment.floorPart : payment.floorPart + 1;
    payment.threshold = -payment.floorPart;
    return payment;
}

std::int32_t pay(std::int32_t profit, const Payment& payment) {
    if (payment.wholeRule)
        return wrap32(profit +
                      (profit >= payment.threshold ? payment.floorPart : payment.ceilPart));
    return truncToInt32(static_cast<double>(profit) + payment.amount);
}

double addMoney(double money, double amount) {
    const double sum = money + amount;
    if (std::isfinite(sum)) return sum;
    return std::copysign(std::numeric_limits<double>::max(), amount);
}

std::optional<double> moneyInAnyOrder(double money, std::span<const Payments> payments) {
    // A normal money is its 53-bit significand times its unit, a power of
    // two: counted in units, the money is a whole number from 2^52 to 2^53,
    // and every whole number between is a double of the same exponent. A
    // negative money is the mirror image of a positive one.
    constexpr std::uint64_t kLow = std::uint64_t{1} << 52;
    constexpr std::uint64_t kHigh = std::uint64_t{1} << 53;
    const auto bits = std::bit_cast<std::uint64_t>(money);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    // Zero, subnormal, infinite, NaN, or so small that no double scales an
    // amount to its units.
    if (biased < 52 || biased == 0x7FF) return std::nullopt;
    const double toUnits =
        std::bit_cast<double>(static_cast<std::uint64_t>(2 * 1023 + 52 - biased) << 52);
    const double sign = money < 0 ? -1.0 : 1.0;
    const auto start = static_cast<std::int64_t>((bits & (kLow - 1)) | kLow);
    std::int64_t lowest = start;
    std::int64_t highest = start;
    for (const Payments& paid : payments) {
        if (paid.count == 0) continue;
        const double units = sign * paid.payment->amount * toUnits;
        // Also NaN; what passes keeps the sums below 2^63.
        if (!(std::fabs(units) * static_cast<double>(paid.count) < static_cast<double>(kLow)))
            return std::nullopt;
        const auto whole = static_cast<std::int64_t>(units); // toward zero
        const double fraction = units - static_cast<double>(whole);
        // Halfway between two units, a sum rounds to the even one: that
        // depends on the money's last bit.
        if (std::fabs(fraction) == 0.5) return std::nullopt;
        const std::int64_t nearest = whole + (fraction > 0.5) - (fraction < -0.5);
        (nearest < 0 ? lowest : highest) += nearest * paid.count;
        // A unit to spare each side: a sum is rounded from up to half a
        // unit beyond what it is rounded to.
        if (lowest <= static_cast<std::int64_t>(kLow) ||
            highest >= static_cast<std::int64_t>(kHigh) - 1)
            return std::nullopt;
    }
    const auto end = static_cast<std::uint64_t>(lowest + highest - start);
    return std::bit_cast<double>((bits & ~(kLow - 1)) | (end & (kLow - 1)));
}

std::optional<std::int32_t> profitInAnyOrder(std::int32_t profit,
                                             std::span<const Payments> payments) {
    // Every profit met on the way lies between these two.
    std::int64_t lowest = profit;
    std::int64_t highest = profit;
    for (const Payments& paid : payments) {
        if (paid.count == 0) continue;
        if (!paid.payment->wholeRule) return std::nullopt;
        lowest += std::min<std::int64_t>(0, paid.payment->floorPart) * paid.count;
        highest += std::max<std::int64_t>(0, paid.payment->ceilPart) * paid.count;
    }
    if (lowest < std::numeric_limits<std::int32_t>::min() ||
        highest > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    std::int64_t end = profit;
    for (const Payments& paid : payments) {
        if (paid.count == 0) continue;
        const Payment& payment = *paid.payment;
        std::int64_t step = payment.floorPart;
        if (payment.ceilPart != payment.floorPart && lowest < payment.threshold) {
            if (highest >= payment.threshold) return std::nullopt;
            step = payment.ceilPart;
        }
        end += step * paid.count;
    }
    return static_cast<std::int32_t>(end);
}

} // namespace tavo
