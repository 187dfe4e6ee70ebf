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

// Random bars of every kind, the plentiful-stock case (served by the fast
// computation) as often as the others, compared byte for byte: door money and
// its complaints, sales in the order of the draws, drift at 450 complaints or
// satisfied clients, the floor under ten clients and the clients box.
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

TEST(Business, DayMatchesTheRulesClientByClient) {
    Random dice;
    dice.reseed(20261206);
    const double tiny = std::ldexp(1.0, -21);
    const double prices[] = {0,         2,         2.5,          4.99,      5,    5.01,     7.25,
                             -1.5,      0.1,       9.99,         3.0000001, 12,   0.75,     1e-9,
                             -0.0,      1e12,      2.9999999999, 1 - 1e-9,  tiny, 1 - tiny, -4.2,
                             1e9 + 0.5, 12345.678, 2147483647.5};
    const std::int32_t profits[] = {0, 15, -100, -3, 2147483000, -2147483000, 7};
    auto price = [&] { return prices[dice.below(static_cast<int>(std::size(prices)))]; };
    int fastCases = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        GameState state = startedGame(dice.below(2) ? 85000.5 : -0.0);
        state.weekDay = 1 + dice.below(7);
        const int bars = 1 + dice.below(3);
        for (int b = 0; b < bars; ++b) {
            const std::int32_t perDay = dice.below(4) == 0 ? dice.below(20) : dice.below(600);
            BarRecord& bar = addBar(state, perDay, price(), dice.below(8) != 0);
            bar.maxClients = perDay + dice.below(3);
            bar.profitThisMonth =
                dice.below(2) ? profits[dice.below(static_cast<int>(std::size(profits)))]
                              : static_cast<std::int32_t>(
                                    (static_cast<std::uint32_t>(dice.next()) << 17) ^ dice.next());
            bar.complaintCount = dice.below(460);
            bar.satisfactionCount = dice.below(460);
            // plenty, running out, a few units, plenty or none
            const int stockKind = dice.below(4);
            const bool plenty = stockKind == 0 || stockKind == 3;
            const int slots = dice.below(16);
            const bool wholePrices = dice.below(2) == 0;
            for (int k = 0; k < slots; ++k) {
                const double sale = wholePrices ? 1 + dice.below(12) * 0.25 : price();
                const std::int32_t stock = stockKind == 3   ? (dice.below(3) ? 4 * perDay + 9 : 0)
                                           : plenty         ? 4 * perDay + dice.below(50)
                                           : stockKind == 1 ? 200 + dice.below(200)
                                                            : dice.below(30);
                addSlot(bar, dice.below(20), stock, sale, dice.below(6) != 0, dice.below(3) != 0);
            }
            fastCases += plenty && wholePrices && slots > 0;
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
    EXPECT_GT(fastCases, 500);
    GameState empty = startedGame(); // no bar: the clients box is left as it is
    EXPECT_EQ(runDailyBusiness(empty, dice), std::nullopt);
}

} // namespace
} // namespace tavo
