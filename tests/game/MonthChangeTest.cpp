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

// 50 of taxes a client per day, closed bars too; without bars only the
// salaries. The money may go below 0.
TEST(MonthChange, TaxesOfEveryBarAndTheSalaries) {
    for (const bool bars : {true, false}) {
        GameState state = test::startedGame(100);
        state.monthlyCharges = bars ? 0 : 640;
        state.monthlyTaxes = 999;
        if (bars) {
            test::addBar(state, 40, 0, true);
            test::addBar(state, 60, 0, false);
        }
        runMonthChange(state);
        EXPECT_EQ(std::tuple(state.monthlyTaxes, state.money),
                  bars ? std::tuple(5000, 100 - 5000.0) : std::tuple(0, 100 - 640.0));
    }
}

} // namespace
} // namespace tavo
