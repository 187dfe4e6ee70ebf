#include "game/MonthChange.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

TEST(MonthChange, BarEndsTheMonthWithCostAndTaxesTaken) {
    GameState state = test::startedGame(10000);
    BarRecord& bar = test::addBar(state, 40, 0);
    bar.costPerMonth = 1500;
    bar.profitThisMonth = 3000;
    bar.visitorsThisMonth = 900;
    state.monthlyCharges = 1500 + 230; // the bar's rent and one salary
    runMonthChange(state);
    EXPECT_EQ(std::tuple(bar.profitLastMonth, bar.visitorsLastMonth, bar.profitThisMonth,
                         bar.visitorsThisMonth),
              std::tuple(3000 - 1500 - 2000, 900, 0, 0));
    EXPECT_EQ(std::tuple(state.monthlyTaxes, state.money), std::tuple(2000, 10000 - 1730 - 2000.0));
}

TEST(MonthChange, ClosedBarsPayTaxesAndChargesMayGoNegative) {
    GameState state = test::startedGame(100);
    test::addBar(state, 40, 0, true);
    test::addBar(state, 60, 0, false);
    state.monthlyCharges = 0;
    runMonthChange(state);
    EXPECT_EQ(std::tuple(state.monthlyTaxes, state.money), std::tuple(5000, 100 - 5000.0));
}

TEST(MonthChange, WithoutBarsOnlyTheSalariesAreCharged) {
    GameState state = test::startedGame(5000);
    state.monthlyCharges = 640;
    state.monthlyTaxes = 999;
    runMonthChange(state);
    EXPECT_EQ(std::tuple(state.monthlyTaxes, state.money), std::tuple(0, 5000 - 640.0));
}

} // namespace
} // namespace tavo
