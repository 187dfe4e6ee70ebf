// A payment added to a bar's month profit: profit := trunc(profit + amount),
// prepared once for the many payments of a day.
#pragma once

#include "core/Arithmetic.h"

#include <cmath>
#include <cstdint>

namespace tavo {

// A payment prepared for many additions to a month profit. For most amounts
// trunc(profit + amount) is profit + floor(amount) or profit + ceil(amount)
// by the sign of the sum, exactly as the double sum would give: the
// fraction is far enough from 0 and 1 that rounding the sum (below 2^32,
// so within 2^-22) never crosses a whole number. Other amounts take the
// double sum itself.
struct Payment {
    double amount = 0;
    bool wholeRule = false;
    std::int64_t floorPart = 0;
    std::int64_t ceilPart = 0;
    std::int64_t threshold = 0; // profit >= threshold <=> profit + amount >= 0
};

inline Payment preparePayment(double amount) {
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

inline std::int32_t pay(std::int32_t profit, const Payment& payment) {
    if (payment.wholeRule)
        return wrap32(profit +
                      (profit >= payment.threshold ? payment.floorPart : payment.ceilPart));
    return truncToInt32(static_cast<double>(profit) + payment.amount);
}

} // namespace tavo
