#include "game/GameDay.h"
#include "game/MonthChange.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

struct Date {
    std::int32_t day, weekDay, month, year;
};

TEST(GameDay, DateAdvance) {
    struct Case {
        const char* what;
        Date before, after;
        Texts posted;
    };
    const Case cases[] = {
        {"first day of a new game", {0, 0, 1, 1980}, {1, 1, 1, 1980}, {}},
        {"ordinary day", {14, 3, 5, 1982}, {15, 4, 5, 1982}, {}},
        {"week wraps", {14, 7, 5, 1982}, {15, 1, 5, 1982}, {}},
        {"month change", {30, 2, 5, 1982}, {1, 3, 6, 1982}, {}},
        {"new year", {30, 6, 12, 1985}, {1, 7, 1, 1986}, {"Happy new year!"}},
        {"Y2K warning",
         {30, 1, 11, 1999},
         {1, 2, 12, 1999},
         {"Damn... let's hope the game can handle Y2K ;-)"}},
        {"no Y2K warning in 2000", {30, 1, 12, 1999}, {1, 2, 1, 2000}, {"Happy new year!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        game.state = test::startedGame();
        game.state.day = c.before.day;
        game.state.weekDay = c.before.weekDay;
        game.state.month = c.before.month;
        game.state.year = c.before.year;
        VectorSink messages;
        runGameDay(game, messages);
        EXPECT_EQ(std::tuple(game.state.day, game.state.weekDay, game.state.month, game.state.year),
                  std::tuple(c.after.day, c.after.weekDay, c.after.month, c.after.year));
        EXPECT_EQ(messages.messages, c.posted);
    }
}

// On a day that ends a week and a month, the bailiff (a week duty) comes
// before the month's charges and the instalment.
TEST(GameDay, WeekDutiesRunBeforeTheMonthChange) {
    Game game;
    game.state = test::startedGame(50000);
    game.state.day = 30;
    game.state.weekDay = 7;
    game.state.monthlyCharges = 1000;
    const BankAccount& loan = openLoan(game.state, kChinaCash, 250000, 300001);
    VectorSink messages;
    runGameDay(game, messages);
    // Bailiff: 50000 -> 10000; charges 1000; instalment 1000.
    EXPECT_DOUBLE_EQ(game.state.money, 8000);
    EXPECT_EQ(loan.loanLeft, 300001 - 40000 - 1000);
    EXPECT_EQ(messages.messages,
              Texts{"Bailiff: China Cash wants is money back! So I took your money."});
}

TEST(GameDay, UnreadablePriceStopsTheRestOfTheDay) {
    Game game;
    game.state = test::startedGame(100000);
    game.state.weekDay = 2;
    game.drinks.append(test::makeDrink("Lager", "2,50"));
    BarRecord& stocked = test::addBar(game.state, 10, 0, false); // restocked even when closed
    test::addSlot(stocked, 0, 10, 4);
    BarRecord& open = test::addBar(game.state, 100, 5);
    test::addAdmin(game.state, false, true, false).drinkOrderQuantity = 100;
    game.state.bankAccounts[kInvestBank].loanActive = 1;
    VectorSink messages;
    EXPECT_THROW(runGameDay(game, messages), ConversionError);
    EXPECT_EQ(game.state.weekDay, 3) << "the week day has advanced";
    EXPECT_EQ(game.state.bankAccounts[kInvestBank].loanDayCount, 0) << "rest of the day skipped";
    EXPECT_EQ(open.visitorsThisMonth, 0) << "no business after the error";
    EXPECT_EQ(stocked.drinks[0].stock, 10);
    EXPECT_DOUBLE_EQ(game.state.money, 100000);

    // The next day runs whole once the list can be read.
    game.numberFormat.decimalSeparator = ',';
    DayOutcome next = runGameDay(game, messages);
    EXPECT_EQ(std::tuple(game.state.weekDay, next.clientsShown, stocked.drinks[0].stock,
                         game.state.money, game.state.bankAccounts[kInvestBank].loanDayCount),
              std::tuple(4, 69, 110, 100000 - 250 + 69 * 5.0, 1));
}

// Each bar's month is closed with its rent and its taxes, 50 a client per
// day, closed bars too; without bars only the charges. The money may go
// below 0.
TEST(MonthChange, BarsEndTheMonthWithCostAndTaxesTaken) {
    for (const bool bars : {true, false}) {
        SCOPED_TRACE(bars ? "two bars" : "no bar");
        GameState state = test::startedGame(100);
        state.monthlyCharges = 1500 + 230; // a bar's rent and one salary
        state.monthlyTaxes = 999;
        BarRecord& bar = test::addBar(state, 40, 0);
        bar.costPerMonth = 1500;
        bar.profitThisMonth = 3000;
        bar.visitorsThisMonth = 900;
        test::addBar(state, 60, 0, false);
        state.barCount = bars ? 2 : 0;
        runMonthChange(state);
        EXPECT_EQ(std::tuple(state.monthlyTaxes, state.money),
                  std::tuple(bars ? 5000 : 0, 100 - 1730 - (bars ? 5000.0 : 0)));
        if (bars) {
            EXPECT_EQ(std::tuple(bar.profitLastMonth, bar.visitorsLastMonth, bar.profitThisMonth,
                                 bar.visitorsThisMonth),
                      std::tuple(3000 - 1500 - 2000, 900, 0, 0));
        }
    }
}

} // namespace
} // namespace tavo
