#include "game/Business.h"

#include "core/Arithmetic.h"
#include "game/BusinessFast.h"
#include "game/Payment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tavo {
namespace {

constexpr double kDayFactor[8] = {0, 0.3, 0.2, 0.4, 0.7, 1, 1, 0.8};
constexpr int kDrinksWanted[5] = {0, 1, 3, 4, 0};
constexpr int kComplaintLimit = 450;

// What a client pays added to the money, kept among the finite numbers: a
// price far from zero (a door price of -1e308 may be typed) would otherwise
// make the money infinite, which no save holds. Within the range the sum is
// the plain sum.
double addMoney(double money, double amount) {
    const double sum = money + amount;
    if (std::isfinite(sum)) return sum;
    return std::copysign(std::numeric_limits<double>::max(), amount);
}

int doorComplaints(double entryPrice) {
    if (!(entryPrice > 2.0)) return 0;
    return entryPrice <= 5.0 ? 1 : 2;
}

// The day's clients one by one, as the rules say it.
void serveClientsPlain(BarDay& day, BarRecord& bar, int slots, std::int32_t clients,
                       Random& random) {
    const Payment door = preparePayment(bar.entryPrice);
    const int doorPoints = doorComplaints(bar.entryPrice);
    std::array<Payment, kMaxDrinkSlots> sale;
    for (int k = 0; k < slots; ++k)
        sale[k] = preparePayment(bar.drinks[k].salePrice);
    for (std::int32_t client = 0; client < clients; ++client) {
        day.money = addMoney(day.money, bar.entryPrice);
        day.complaints += doorPoints;
        day.profit = pay(day.profit, door);
        const int wanted = kDrinksWanted[random.below(5)];
        if (slots == 0) continue;
        for (int drink = 0; drink < wanted; ++drink) {
            DrinkSlot& slot = bar.drinks[random.below(slots)];
            if (!slot.inUse) {
                ++day.complaints; // the bar no longer sells what he asked for
            } else if (slot.stock > 0) {
                --slot.stock;
                day.money = addMoney(day.money, slot.salePrice);
                if (slot.fairPrice)
                    ++day.satisfied;
                else
                    ++day.complaints;
                day.profit = pay(day.profit, sale[static_cast<std::size_t>(&slot - bar.drinks)]);
            }
        }
    }
}

void serveClients(GameState& state, BarRecord& bar, std::int32_t clients, Random& random) {
    const int slots = std::clamp(bar.drinkCount, 0, kMaxDrinkSlots);
    BarDay day{state.money, bar.profitThisMonth};
    if (!serveFast(day, bar, slots, clients, random, doorComplaints(bar.entryPrice)))
        serveClientsPlain(day, bar, slots, clients, random);
    state.money = day.money;
    bar.profitThisMonth = day.profit;
    bar.complaintCount = add32(bar.complaintCount, day.complaints);
    bar.satisfactionCount = add32(bar.satisfactionCount, day.satisfied);
}

void driftClients(BarRecord& bar, Random& random) {
    if (bar.complaintCount > kComplaintLimit) {
        bar.complaintCount = 0;
        bar.clientsPerDay = sub32(bar.clientsPerDay, 1);
        if (bar.clientsPerDay < 10) bar.clientsPerDay = add32(bar.clientsPerDay, random.below(10));
    }
    if (bar.satisfactionCount > kComplaintLimit) {
        bar.satisfactionCount = 0;
        if (bar.clientsPerDay < bar.maxClients) bar.clientsPerDay = add32(bar.clientsPerDay, 1);
    }
}

} // namespace

std::int32_t clientsOfTheDay(std::int32_t clientsPerDay, std::int32_t weekDay) {
    if (weekDay < 1 || weekDay > 7) return 0;
    const double factor = kDayFactor[weekDay];
    const double x = clientsPerDay;
    const double product = x * factor;
    const double error = std::fma(x, factor, -product); // exact product = product + error
    double whole = std::trunc(product);
    if (whole == product) {
        if (product > 0 && error < 0) whole -= 1;
        if (product < 0 && error > 0) whole += 1;
    }
    return static_cast<std::int32_t>(whole);
}

std::int32_t addToProfit(std::int32_t profit, double amount) {
    return pay(profit, preparePayment(amount));
}

std::optional<std::int32_t> runDailyBusiness(GameState& state, Random& random) {
    std::optional<std::int32_t> shown;
    const int bars = std::clamp(state.barCount, 0, kMaxBars);
    for (int b = 0; b < bars; ++b) {
        BarRecord& bar = state.bars[b];
        if (!bar.isOpen) {
            shown = 0;
            continue;
        }
        const std::int32_t clients = clientsOfTheDay(bar.clientsPerDay, state.weekDay);
        shown = clients;
        bar.visitorsThisMonth = add32(bar.visitorsThisMonth, clients);
        serveClients(state, bar, clients, random);
        driftClients(bar, random);
    }
    return shown;
}

} // namespace tavo
