#include "banks/Investments.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

BankAccount investment(std::int32_t amount, float rate, std::int32_t years, std::int32_t year) {
    BankAccount account{};
    account.investActive = 1;
    account.investAmount = amount;
    account.investValue = amount;
    account.investRate = rate;
    account.investYearsLeft = years;
    account.investYear = year;
    return account;
}

TEST(Investments, FivePlanRunsItsYearsThenRests) {
    BankAccount account = investment(12345, 0.10f, 5, 1980);
    for (std::int32_t year = 1981; year <= 1990; ++year)
        creditInvestmentYear(account, year);
    // 1234 a year, the fraction cut each time; still running, to be collected.
    EXPECT_EQ(std::tuple(account.investValue, account.investYearsLeft, account.investYearsDone,
                         account.investYear, account.investActive),
              std::tuple(18515, 0, 5, 1990, 1));
}

// The game day runs every bank's year rules: the gain and the insurance
// premium come once, on the first day of the new year.
TEST(Investments, MadeOnTheLastDayOfAYearIsCreditedTheNextDay) {
    Game game;
    game.state = test::startedGame(10000);
    game.state.day = 30;
    game.state.month = 12;
    game.state.bankAccounts[kInvestBank] = investment(10000, 0.10f, 5, 1980);
    BankAccount& german = game.state.bankAccounts[kGermanBank];
    german = investment(10000, 0.35f, 25, 1980);
    german.insured = german.fireInsured = 1;
    german.fireInsCost = 1000;
    german.fireInsYear = 1980;
    VectorSink messages;
    for (int day = 0; day < 2; ++day) {
        runGameDay(game, messages);
        EXPECT_EQ(std::tuple(game.state.year, game.state.bankAccounts[kInvestBank].investValue,
                             german.investValue, game.state.money),
                  std::tuple(1981, 11000, 13499, 9000.0));
    }
}

TEST(Investments, AdministratorCollectsOnlyFinishedInvestments) {
    GameState state = test::startedGame(500);
    state.bankAccounts[kInvestBank] = investment(10000, 0.10f, 0, 1985);
    state.bankAccounts[kInvestBank].investValue = 15000;
    state.bankAccounts[kGermanBank] = investment(20000, 0.30f, 3, 1985);
    VectorSink messages;
    adminCollectInvestment(state, kInvestBank, messages);
    adminCollectInvestment(state, kGermanBank, messages);
    const BankAccount& done = state.bankAccounts[kInvestBank];
    EXPECT_EQ(std::tuple(state.money, done.investActive, done.investValue, done.investAmount),
              std::tuple(15500.0, 0, 0, 0));
    EXPECT_TRUE(state.bankAccounts[kGermanBank].investActive);
    EXPECT_EQ(messages.messages,
              Texts{"One of your investments is finish. Your admin have take care of this."});
}

} // namespace
} // namespace tavo
