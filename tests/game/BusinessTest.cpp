#include "game/Business.h"

#include "core/Arithmetic.h"
#include "support/States.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavo {
namespace {

using test::addBar;
using test::addSlot;
using test::startedGame;

TEST(Business, ClientsOfTheDayByWeekDay) {
    struct Row {
        std::int32_t perDay;
        std::int32_t byDay[7];
    };
    // The products are exact: 0.3 and 0.7 are held just below those values.
    const Row rows[] = {
        {10, {2, 2, 4, 6, 10, 10, 8}},    {20, {5, 4, 8, 13, 20, 20, 16}},
        {25, {7, 5, 10, 17, 25, 25, 20}}, {100, {29, 20, 40, 69, 100, 100, 80}},
        {0, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Row& row : rows)
        for (int weekDay = 1; weekDay <= 7; ++weekDay)
            EXPECT_EQ(clientsOfTheDay(row.perDay, weekDay), row.byDay[weekDay - 1])
                << row.perDay << " clients per day, week day " << weekDay;
}

TEST(Business, ProfitTruncatesAfterEveryPayment) {
    struct Case {
        std::int32_t profit;
        double amount;
        std::int32_t expected;
    };
    const Case cases[] = {
        {-100, 2.5, -97}, {100, 2.5, 102}, {0, 2.5, 2},    {-2, 2.5, 0},
        {-3, 2.5, 0},     {-1, 0.5, 0},    {5, -7.25, -2}, {0, -0.5, 0},
        {-1, -0.5, -1},   {7, 9.99, 16},   {-7, 9.99, 2},  {2147483647, 1.5, -2147483648},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addToProfit(c.profit, c.amount), c.expected) << c.profit << " + " << c.amount;
}

// The fast whole-number rule must give what the double sum gives, for any
// profit and any amount, awkward fractions included.
TEST(Business, ProfitRuleMatchesTheDoubleSumEverywhere) {
    Random random;
    const double awkward[] = {0.1,
                              2.9999999999,
                              1e-9,
                              1 - 1e-9,
                              3.0000001,
                              0.5,
                              9.99,
                              -4.2,
                              1e9 + 0.5,
                              12345.678,
                              std::ldexp(1.0, -21),
                              1 - std::ldexp(1.0, -21),
                              2147483647.5};
    for (int i = 0; i < 200000; ++i) {
        std::int32_t profit = static_cast<std::int32_t>(
            (static_cast<std::uint32_t>(random.next()) << 17) ^
            (static_cast<std::uint32_t>(random.next()) << 2) ^ random.below(4));
        double amount = i % 2 ? awkward[random.below(static_cast<int>(std::size(awkward)))] *
                                    (i % 4 == 1 ? 1 : -1)
                              : random.below(2000) / 100.0 - 5;
        ASSERT_EQ(addToProfit(profit, amount), truncToInt32(static_cast<double>(profit) + amount))
            << profit << " + " << amount;
    }
}

TEST(Business, ClosedBarChangesNothing) {
    GameState state = startedGame(1000);
    state.weekDay = 5;
    BarRecord& bar = addBar(state, 50, 3, false);
    addSlot(bar, 0, 100, 4);
    const GameState before = state;
    Random random;
    EXPECT_EQ(runDailyBusiness(state, random), 0);
    EXPECT_EQ(std::memcmp(&state, &before, sizeof state), 0);
    EXPECT_EQ(random.seed(), Random::kStartSeed);
}

TEST(Business, ClientsBoxShowsTheLastBar) {
    struct Case {
        bool firstOpen, lastOpen;
        std::optional<std::int32_t> shown;
    };
    const Case cases[] = {{true, true, 40}, {true, false, 0}, {false, true, 40}};
    for (const Case& c : cases) {
        GameState state = startedGame();
        state.weekDay = 5;
        addBar(state, 30, 1, c.firstOpen);
        addBar(state, 40, 1, c.lastOpen);
        Random random;
        EXPECT_EQ(runDailyBusiness(state, random), c.shown);
    }
    GameState empty = startedGame();
    Random random;
    EXPECT_EQ(runDailyBusiness(empty, random), std::nullopt);
}

TEST(Business, DoorMoneyComplaintsAndVisitors) {
    struct Case {
        double entryPrice;
        int complaintsPerClient;
    };
    // Door prices that no money can hold (-1e308 may be typed) leave the
    // money at the largest finite amount, never infinite.
    const Case cases[] = {{0, 0},    {2.0, 0}, {2.01, 1},   {5.0, 1},  {5.01, 2},
                          {9.99, 2}, {-1, 0},  {-1e308, 0}, {1e308, 2}};
    constexpr double kMost = std::numeric_limits<double>::max();
    for (const Case& c : cases) {
        GameState state = startedGame(1000);
        state.weekDay = 5;
        BarRecord& bar = addBar(state, 20, c.entryPrice);
        bar.visitorsThisMonth = 7;
        Random random;
        runDailyBusiness(state, random);
        EXPECT_DOUBLE_EQ(state.money, std::clamp(1000 + 20 * c.entryPrice, -kMost, kMost))
            << c.entryPrice;
        EXPECT_TRUE(std::isfinite(state.money)) << c.entryPrice; // DOUBLE_EQ takes inf for max
        EXPECT_EQ(bar.complaintCount, 20 * c.complaintsPerClient) << c.entryPrice;
        EXPECT_EQ(bar.visitorsThisMonth, 27);
        // Without slots only the drinks-wanted draw is made for each client.
        Random expected;
        for (int i = 0; i < 20; ++i)
            expected.next();
        EXPECT_EQ(random.seed(), expected.seed()) << "no slot draw without slots";
    }
}

// Replays the draws the day must make and checks every figure against
// them: one drinks-wanted draw per client, then one slot draw per drink.
TEST(Business, SalesFollowTheDrawsInOrder) {
    GameState state = startedGame(0);
    state.weekDay = 4; // 25 clients per day -> 17 today
    BarRecord& bar = addBar(state, 25, 1.5);
    addSlot(bar, 0, 1000, 3.25, true, true);  // sells, satisfies
    addSlot(bar, 1, 1000, 12.0, true, false); // sells, complaint
    addSlot(bar, 2, 0, 4.0, true, true);      // empty: the sale is lost silently
    addSlot(bar, 3, 1000, 2.0, false, true);  // not sold any more: complaint
    Random random;
    random.reseed(777);
    Random replay = random;

    const int wantedTable[5] = {0, 1, 3, 4, 0};
    double money = 0;
    int sold[4] = {0, 0, 0, 0};
    int complaints = 0, satisfied = 0;
    for (int client = 0; client < 17; ++client) {
        money += 1.5;
        int wanted = wantedTable[replay.below(5)];
        for (int w = 0; w < wanted; ++w) {
            int k = replay.below(4);
            if (k == 3)
                ++complaints;
            else if (k == 2)
                continue;
            else {
                ++sold[k];
                money += k == 0 ? 3.25 : 12.0;
                (k == 0 ? satisfied : complaints) += 1;
            }
        }
    }
    EXPECT_EQ(runDailyBusiness(state, random), 17);
    EXPECT_EQ(random.seed(), replay.seed());
    EXPECT_DOUBLE_EQ(state.money, money);
    EXPECT_EQ(bar.drinks[0].stock, 1000 - sold[0]);
    EXPECT_EQ(bar.drinks[1].stock, 1000 - sold[1]);
    EXPECT_EQ(bar.drinks[2].stock, 0);
    EXPECT_EQ(bar.drinks[3].stock, 1000);
    EXPECT_EQ(bar.complaintCount, complaints);
    EXPECT_EQ(bar.satisfactionCount, satisfied);
    EXPECT_EQ(bar.visitorsThisMonth, 17);
    EXPECT_GT(sold[0] + sold[1], 0) << "the seed should give some sales";
}

TEST(Business, DriftAtTheThresholds) {
    struct Case {
        const char* what;
        std::int32_t complaints, satisfaction, perDay, maxClients;
        std::int32_t expectedPerDay, expectedComplaints, expectedSatisfaction;
    };
    // Clients per day 0 brings nobody, so the counters stand as set.
    const Case cases[] = {
        {"450 complaints: no drift", 450, 0, 0, 100, 0, 450, 0},
        {"451 complaints: one fewer", 451, 0, 50, 100, 49, 0, 0},
        {"451 satisfied: one more", 0, 451, 50, 100, 51, 0, 0},
        {"both: down then up", 451, 451, 50, 100, 50, 0, 0},
        {"satisfied at the maximum", 0, 451, 100, 100, 100, 0, 0},
    };
    for (const Case& c : cases) {
        GameState state = startedGame();
        state.weekDay = 5;
        BarRecord& bar = addBar(state, c.perDay, 0);
        bar.complaintCount = c.complaints;
        bar.satisfactionCount = c.satisfaction;
        bar.maxClients = c.maxClients;
        bar.drinkCount = 0;
        Random random;
        runDailyBusiness(state, random);
        if (c.perDay == 50) { // 50 clients came and paid nothing at price 0
            EXPECT_EQ(bar.visitorsThisMonth, 50) << c.what;
        }
        EXPECT_EQ(bar.clientsPerDay, c.expectedPerDay) << c.what;
        EXPECT_EQ(bar.complaintCount, c.expectedComplaints) << c.what;
        EXPECT_EQ(bar.satisfactionCount, c.expectedSatisfaction) << c.what;
    }
}

TEST(Business, FewerThanTenClientsDrawsAFloor) {
    GameState state = startedGame();
    state.weekDay = 1; // 10 clients per day -> 2 today
    BarRecord& bar = addBar(state, 10, 0);
    bar.complaintCount = 451;
    Random random;
    Random replay = random;
    runDailyBusiness(state, random);
    replay.next(); // two clients, one drinks draw each
    replay.next();
    EXPECT_EQ(bar.clientsPerDay, 9 + replay.below(10));
    EXPECT_EQ(random.seed(), replay.seed());
}

} // namespace
} // namespace tavo

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
// computation) as often as the others, compared byte for byte.
TEST(Business, DayMatchesTheRulesClientByClient) {
    Random dice;
    dice.reseed(20261206);
    const double prices[] = {0,   2,    2.5,       4.99, 5,    5.01, 7.25, -1.5,
                             0.1, 9.99, 3.0000001, 12,   0.75, 1e-9, -0.0, 1e12};
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
            bar.profitThisMonth = profits[dice.below(static_cast<int>(std::size(profits)))];
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
}

} // namespace
} // namespace tavo
