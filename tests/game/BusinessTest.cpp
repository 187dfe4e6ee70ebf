#include "game/Business.h"

#include "core/Arithmetic.h"
#include "support/EngineTest.h"

#include <cmath>
#include <limits>

namespace tavo {
namespace {

// The day's business written plainly from the rules, client by client, as
// the oracle for the engine's faster computation.
std::optional<std::int32_t> referenceDay(GameState& state, Random& random) {
    static const double factor[8] = {0, 0.3, 0.2, 0.4, 0.7, 1, 1, 0.8};
    static const int wantedTable[5] = {0, 1, 3, 4, 0};
    std::optional<std::int32_t> shown;
    for (int b = 0; b < state.barCount; ++b) {
        BarRecord& bar = state.bars[b];
        if (!bar.isOpen) {
            shown = 0;
            continue;
        }
        long double exact = static_cast<long double>(bar.clientsPerDay) * factor[state.weekDay];
        const auto clients = static_cast<std::int32_t>(exact);
        shown = clients;
        bar.visitorsThisMonth = add32(bar.visitorsThisMonth, clients);
        for (int c = 0; c < clients; ++c) {
            state.money += bar.entryPrice;
            if (bar.entryPrice > 2.0)
                bar.complaintCount = add32(bar.complaintCount, bar.entryPrice <= 5.0 ? 1 : 2);
            bar.profitThisMonth = truncToInt32(double(bar.profitThisMonth) + bar.entryPrice);
            const int wanted = wantedTable[random.below(5)];
            for (int w = 0; w < wanted && bar.drinkCount > 0; ++w) {
                DrinkSlot& slot = bar.drinks[random.below(bar.drinkCount)];
                if (!slot.inUse) {
                    bar.complaintCount = add32(bar.complaintCount, 1);
                } else if (slot.stock > 0) {
                    slot.stock -= 1;
                    state.money += slot.salePrice;
                    if (slot.fairPrice)
                        bar.satisfactionCount = add32(bar.satisfactionCount, 1);
                    else
                        bar.complaintCount = add32(bar.complaintCount, 1);
                    bar.profitThisMonth =
                        truncToInt32(double(bar.profitThisMonth) + slot.salePrice);
                }
            }
        }
        if (bar.complaintCount > 450) {
            bar.complaintCount = 0;
            bar.clientsPerDay = sub32(bar.clientsPerDay, 1);
            if (bar.clientsPerDay < 10) bar.clientsPerDay += random.below(10);
        }
        if (bar.satisfactionCount > 450) {
            bar.satisfactionCount = 0;
            if (bar.clientsPerDay < bar.maxClients) bar.clientsPerDay += 1;
        }
    }
    return shown;
}

// Door prices that no money can hold (-1e308 may be typed) leave the money
// at the largest finite amount, never infinite, so the game still saves.
TEST(Business, DoorMoneyStaysFinite) {
    constexpr double kMost = std::numeric_limits<double>::max();
    for (const double entryPrice : {-1e308, 1e308}) {
        GameState state = startedGame(1000);
        state.weekDay = 5;
        addBar(state, 20, entryPrice);
        Random random;
        runDailyBusiness(state, random);
        EXPECT_TRUE(std::isfinite(state.money)) << entryPrice;
        EXPECT_EQ(state.money, entryPrice < 0 ? -kMost : kMost) << entryPrice;
    }
}

// Random days of random bars, compared byte for byte with the rules played
// client by client: door money and its complaints, sales in the order of the
// draws, drift at 450 complaints or satisfied clients, the floor under ten
// clients, the clients box and the generator's seed. Each family of bars
// leans on one thing the day must get right.
TEST(Business, DayMatchesTheRulesClientByClient) {
    using Stock = std::int32_t (*)(Random&, std::int32_t perDay);
    enum class Prices { Quarters, SignedQuarters, Awkward };
    struct Family {
        const char* name;
        std::vector<double> money; // one picked for each trial
        Stock stock;
        Prices prices;
        std::vector<std::int32_t> profit; // one picked, or any when empty
        int mostSlots = 15;
    };
    const double tiny = std::ldexp(1.0, -21);
    const double awkward[] = {0,         2,         2.5,          4.99,      5,    5.01,     7.25,
                              -1.5,      0.1,       9.99,         3.0000001, 12,   0.75,     1e-9,
                              -0.0,      1e12,      2.9999999999, 1 - 1e-9,  tiny, 1 - tiny, -4.2,
                              1e9 + 0.5, 12345.678, 2147483647.5};
    const Family families[] = {
        {"plentiful stock",
         {85000.5, 1e12, -2500.25},
         [](Random& dice, std::int32_t perDay) { return 4 * perDay + dice.below(50); },
         Prices::Quarters,
         {}},
        {"every slot runs low",
         {85000.5, 1e12},
         [](Random& dice, std::int32_t) { return 5 + dice.below(60); },
         Prices::Quarters,
         {0, 15, 7}},
        {"a few units or none",
         {85000.5},
         [](Random& dice, std::int32_t) { return dice.below(3) ? dice.below(4) : 0; },
         Prices::Quarters,
         {}},
        {"awkward prices",
         {85000.5, -0.0, 7.0},
         [](Random& dice, std::int32_t perDay) { return dice.below(2) ? 4 * perDay : 100; },
         Prices::Awkward,
         {}},
        // Sums that round by the money's unit, across a power of two either
        // way, at zero, from a subnormal and near the largest money.
        {"money at the edges of its range",
         {131072 - 0.5, -1099511627776.0 + 3, 4503599627370496.0 - 100, -4503599627370596.0,
          9007199254740992.0 + 2, 1e-300, 4.9e-324, 0.0, -0.0, 1e300, 1.7e308, -0.1},
         [](Random& dice, std::int32_t perDay) { return dice.below(2) ? 4 * perDay : 60; },
         Prices::SignedQuarters,
         {}},
        // Fractions of a dollar meet a profit crossing zero; the 32 bits wrap.
        {"profit at zero and at the edges of 32 bits",
         {85000.5},
         [](Random& dice, std::int32_t perDay) { return 4 * perDay + dice.below(50); },
         Prices::SignedQuarters,
         {-3, -100, -1000, 2147483000, -2147483000, 2147483647}},
        {"no slot",
         {85000.5, -0.0},
         [](Random&, std::int32_t) { return 0; },
         Prices::Awkward,
         {},
         0},
    };
    Random dice;
    dice.reseed(20261206);
    for (const Family& family : families) {
        SCOPED_TRACE(family.name);
        const auto pick = [&](const auto& list) {
            return list[static_cast<std::size_t>(dice.below(static_cast<int>(std::size(list))))];
        };
        for (int trial = 0; trial < 600; ++trial) {
            GameState state = startedGame(pick(family.money));
            state.weekDay = 1 + dice.below(7);
            const int bars = 1 + dice.below(3);
            for (int b = 0; b < bars; ++b) {
                const std::int32_t perDay = dice.below(4) == 0 ? dice.below(20) : dice.below(2400);
                const auto price = [&](int quarters) {
                    if (family.prices == Prices::Awkward) return pick(awkward);
                    const int offset = family.prices == Prices::SignedQuarters ? 40 : 0;
                    return (dice.below(quarters + offset) - offset) * 0.25;
                };
                const double door = price(28);
                BarRecord& bar = addBar(state, perDay, door, dice.below(8) != 0);
                bar.maxClients = perDay + dice.below(3);
                bar.profitThisMonth =
                    family.profit.empty()
                        ? static_cast<std::int32_t>(
                              (static_cast<std::uint32_t>(dice.next()) << 17) ^ dice.next())
                        : pick(family.profit);
                bar.complaintCount = dice.below(460);
                bar.satisfactionCount = dice.below(460);
                const int slots = dice.below(family.mostSlots + 1);
                for (int k = 0; k < slots; ++k) {
                    addSlot(bar, dice.below(20), family.stock(dice, perDay), 1 + price(40),
                            dice.below(6) != 0, dice.below(3) != 0);
                }
            }
            GameState expected = state;
            Random random;
            random.setSeed(static_cast<std::uint32_t>(dice.next() * 65536 + dice.next()));
            Random replay = random;
            const auto shownExpected = referenceDay(expected, replay);
            const auto shown = runDailyBusiness(state, random);
            ASSERT_EQ(shown, shownExpected) << "trial " << trial;
            ASSERT_EQ(random.seed(), replay.seed()) << "trial " << trial;
            ASSERT_EQ(std::memcmp(&state, &expected, sizeof state), 0) << "trial " << trial;
        }
    }
    GameState empty = startedGame(); // no bar: the clients box is left as it is
    EXPECT_EQ(runDailyBusiness(empty, dice), std::nullopt);
}

} // namespace
} // namespace tavo
