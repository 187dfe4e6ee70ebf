// Payments to the money and to a bar's month profit, one at a time as the
// rules make them, or many at once where the result is the same in every
// order.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace tavo {

// An amount prepared for many additions to a month profit, which each make
// profit := trunc(profit + amount). For most amounts that is profit +
// floor(amount) or profit + ceil(amount) by the sign of the sum, exactly as
// the double sum would give: the fraction is far enough from 0 and 1 that
// rounding the sum (below 2^32, so within 2^-22) never crosses a whole
// number. Other amounts take the double sum itself.
struct Payment {
    double amount = 0;
    bool wholeRule = false;
    std::int64_t floorPart = 0;
    std::int64_t ceilPart = 0;
    std::int64_t threshold = 0; // profit >= threshold <=> profit + amount >= 0
};

Payment preparePayment(double amount);

// trunc(profit + amount), kept to 32 bits.
std::int32_t pay(std::int32_t profit, const Payment& payment);

// money + amount, kept among the finite numbers: a price far from zero (a
// door price of -1e308 may be typed) would otherwise make the money
// infinite, which no save holds. Within the range it is the plain sum.
double addMoney(double money, double amount);

// One kind of payment made `count` times.
struct Payments {
    const Payment* payment;
    std::int64_t count;
};

// The money after every payment, added one at a time with addMoney, when
// every order of the additions gives the same: while the money stays between
// the same two powers of two, each sum is rounded to the same unit, so a
// payment adds the same rounded amount wherever it comes. Nothing when the
// money may leave those bounds, is zero or not a normal number, or an amount
// lies exactly halfway between two units.
std::optional<double> moneyInAnyOrder(double money, std::span<const Payments> payments);

// The month profit after every payment, paid one at a time, when every order
// gives the same: each amount follows the whole-number rule, no sum leaves
// 32 bits, and each amount with a fraction meets the profit on the same side
// of its threshold wherever it comes. Nothing otherwise. Counts up to 2^20.
std::optional<std::int32_t> profitInAnyOrder(std::int32_t profit,
                                             std::span<const Payments> payments);

} // namespace tavo
