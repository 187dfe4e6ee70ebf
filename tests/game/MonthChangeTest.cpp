#include "game/MonthChange.h"

#include "support/States.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(bar.profitLastMonth, 3000 - 1500 - 2000);
    EXPECT_EQ(bar.visitorsLastMonth, 900);
    EXPECT_EQ(bar.profitThisMonth, 0);
    EXPECT_EQ(bar.visitorsThisMonth, 0);
    EXPECT_EQ(state.monthlyTaxes, 2000);
    EXPECT_DOUBLE_EQ(state.money, 10000 - 1730 - 2000);
}

TEST(MonthChange, ClosedBarsPayTaxesAndChargesMayGoNegative) {
    GameState state = test::startedGame(100);
    test::addBar(state, 40, 0, true);
    test::addBar(state, 60, 0, false);
    state.monthlyCharges = 0;
    runMonthChange(state);
    EXPECT_EQ(state.monthlyTaxes, 5000);
    EXPECT_DOUBLE_EQ(state.money, 100 - 5000);
}

TEST(MonthChange, WithoutBarsOnlyTheSalariesAreCharged) {
    GameState state = test::startedGame(5000);
    state.monthlyCharges = 640;
    state.monthlyTaxes = 999;
    runMonthChange(state);
    EXPECT_EQ(state.monthlyTaxes, 0);
    EXPECT_DOUBLE_EQ(state.money, 5000 - 640);
}

} // namespace
} // namespace tavo
