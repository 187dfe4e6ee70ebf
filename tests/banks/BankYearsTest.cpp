// A bank account through the game's days: loans and investments.

#include "banks/Investments.h"
#include "banks/Loans.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

// Interest is simple on the amount, charged once 365 days have been counted.
TEST(Loans, LoanYearInterest) {
    struct Case {
        const char* what;
        std::int32_t amount, left;
        float rate;
        std::int32_t days, expectedLeft;
    };
    const Case cases[] = {
        {"China Cash: 0.30f is a hair above 0.3", 10000, 10000, 0.30f, 365, 13000},
        {"Invest Bank", 15000, 15000, 0.25f, 365, 18750},
        {"on the amount, not on what is left", 10000, 4000, 0.30f, 365, 7000},
        {"a refund of interest made the amount negative", -1000, 500, 0.25f, 365, 250},
        {"not a year yet", 15000, 15000, 0.25f, 364, 15000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame();
        BankAccount& account = openLoan(state, kChinaCash, c.amount, c.left, c.rate);
        account.loanDayCount = c.days;
        account.loanYearsDone = 2;
        chargeLoanYearInterest(account);
        const bool charged = c.days == 365;
        EXPECT_EQ(std::tuple(account.loanLeft, account.loanDayCount, account.loanYearsDone),
                  std::tuple(c.expectedLeft, charged ? 0 : c.days, charged ? 3 : 2));
    }
}

TEST(Loans, MonthlyInstalment) {
    struct Case {
        const char* what;
        double money;
        std::int32_t amount, left;
        bool activeAfter;
        std::int32_t amountAfter, leftAfter;
        double moneyAfter;
    };
    const Case cases[] = {
        {"ordinary", 5000, 8000, 9000, true, 7000, 8000, 4000},
        {"700 left goes below zero", 5000, 700, 700, true, -300, -300, 4000},
        {"499 left waits", 5000, 499, 499, true, 499, 499, 5000},
        {"no money to spare", 1000, 8000, 9000, true, 8000, 9000, 1000},
        {"amount already negative becomes 0", 5000, -200, 900, true, 0, -100, 4000},
        {"nothing left closes", 5000, -300, -300, false, 0, 0, 5000},
        {"nothing left closes without money", 10, 0, 0, false, 0, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(c.money);
        BankAccount& account = openLoan(state, kInvestBank, c.amount, c.left);
        takeMonthlyInstalments(state);
        EXPECT_EQ(
            std::tuple(account.loanActive != 0, account.loanAmount, account.loanLeft, state.money),
            std::tuple(c.activeAfter, c.amountAfter, c.leftAfter, c.moneyAfter));
    }
}

TEST(Loans, Bailiff) {
    struct Case {
        const char* what;
        std::int32_t left;
        double money;
        double moneyAfter;
        std::int32_t leftAfter;
        bool posted;
    };
    const Case cases[] = {
        {"300000 left is no debt yet", 300000, 50000.75, 50000.75, 300000, false},
        {"takes what is above 10000", 300001, 50000.75, 10000.75, 260001, true},
        {"nothing above 10000", 300001, 10000, 10000, 300001, false},
        {"takes 0, still says so", 300001, 10000.5, 10000.5, 300001, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(c.money);
        BankAccount& account = openLoan(state, kInvestBank, c.left, c.left);
        VectorSink messages;
        runBailiff(state, messages);
        EXPECT_EQ(std::tuple(state.money, account.loanLeft, account.loanAmount),
                  std::tuple(c.moneyAfter, c.leftAfter, c.leftAfter));
        EXPECT_EQ(
            messages.messages,
            Texts(c.posted, "Bailiff: Invest Bank wants is money back! So I took your money."));
    }
}

TEST(Loans, AdministratorRepayment) {
    const char* part = "One of your admin repay a part of your loan.";
    const char* rest = "One of your admin finish to repay one of your loan.";
    struct Case {
        const char* what;
        std::int32_t yearsDone, left, threshold, refund;
        double money;
        bool activeAfter;
        std::int32_t leftAfter;
        double moneyAfter;
        const char* posted;
    };
    const Case cases[] = {
        {"young loan untouched", 1, 5000, 0, 1000, 9000, true, 5000, 9000, nullptr},
        {"part", 2, 5000, 2000, 1000, 9000, true, 4000, 8000, part},
        {"money not above threshold", 2, 5000, 9000, 1000, 9000, true, 5000, 9000, nullptr},
        {"the rest", 3, 800, 0, 1000, 9000, false, 0, 8200, rest},
        {"refund 0 repays and says nothing", 2, 5000, 0, 0, 9000, true, 5000, 9000, nullptr},
        {"a negative refund neither", 2, 0, 0, -10, 9000, true, 0, 9000, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(c.money);
        BankAccount& account = openLoan(state, kChinaCash, c.left, c.left, 0.3f);
        account.loanYearsDone = c.yearsDone;
        AdminRecord admin{};
        admin.canManageLoans = 1;
        admin.refundThreshold = c.threshold;
        admin.refundAmount = c.refund;
        VectorSink messages;
        adminRepayLoan(state, kChinaCash, admin, messages);
        EXPECT_EQ(std::tuple(account.loanActive != 0, account.loanLeft, state.money),
                  std::tuple(c.activeAfter, c.leftAfter, c.moneyAfter));
        EXPECT_EQ(messages.messages, Texts(c.posted != nullptr, c.posted ? c.posted : ""));
        EXPECT_TRUE(c.activeAfter || account.loanAmount == 0);
    }
}

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
