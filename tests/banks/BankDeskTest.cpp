#include "banks/InsuranceDesk.h"
#include "banks/InvestDesk.h"
#include "banks/Investments.h"
#include "banks/LoanDesk.h"
#include "banks/Membership.h"
#include "support/EngineTest.h"

namespace tavo {
namespace {

bool unchanged(const GameState& a, const GameState& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(BankDesk, MembershipAndWhatTheWindowEnables) {
    GameState state = test::startedGame(5000);
    RecordingVoice voice;
    const GameState before = state;
    EXPECT_FALSE(becomeMember(state, kChinaCash, voice)); // No
    EXPECT_TRUE(unchanged(state, before));
    voice.answers = {true};
    EXPECT_TRUE(becomeMember(state, kChinaCash, voice)); // the fee is not checked
    EXPECT_DOUBLE_EQ(state.money, -3000);
    ASSERT_EQ(voice.said.size(), 2u);
    EXPECT_EQ(voice.said[1].words,
              question("Do you want to become a member?\nIt's 8000$", "Become a member"));

    // member, memberSetup, investmentSetup, investRefund, loanSetup,
    // refundingLoan, insuranceSetup, leaveIns
    using V = std::array<bool, 8>;
    auto flags = [](const BankView& v) {
        return V{v.member,    v.memberSetup,   v.investmentSetup, v.investRefund,
                 v.loanSetup, v.refundingLoan, v.insuranceSetup,  v.leaveIns};
    };
    struct Case {
        const char* what;
        int bank;
        bool member, invest, loan, insured;
        V view;
    };
    const Case cases[] = {
        {"loaded odd game", kInvestBank, false, true, true, true, {0, 1, 0, 0, 0, 0, 0, 0}},
        {"Invest Bank, nothing yet",
         kInvestBank,
         true,
         false,
         false,
         false,
         {1, 0, 1, 0, 1, 0, 0, 0}},
        {"Invest Bank, everything", kInvestBank, true, true, true, true, {1, 0, 0, 1, 1, 1, 0, 0}},
        {"German Bank, nothing yet",
         kGermanBank,
         true,
         false,
         false,
         false,
         {1, 0, 1, 0, 0, 0, 1, 0}},
        {"German Bank, invested and insured",
         kGermanBank,
         true,
         true,
         false,
         true,
         {1, 0, 0, 1, 0, 0, 1, 1}},
        {"China Cash, everything", kChinaCash, true, true, true, true, {1, 0, 0, 0, 1, 1, 0, 0}},
        {"Inter Bank never opens", kInterBank, true, true, true, true, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState game = test::startedGame();
        BankAccount& account = game.bankAccounts[c.bank];
        account.member = c.member;
        account.investActive = c.invest;
        account.loanActive = c.loan;
        account.insured = c.insured;
        EXPECT_EQ(flags(bankView(game, c.bank)), c.view);
    }
}

TEST(BankDesk, LoanRequests) {
    const std::string china = "Sorry! You can't borrow more than 25 000$!\nOr you reach your "
                              "loan limit.";
    const std::string invest = "Sorry! You can't borrow more than 15 000$!\nOr you reach your "
                               "loan limit.";
    const std::string ok = "Your loan have been accepted.";
    const std::string gambler = "Sorry! But we don't borrow money to gamblers!";
    const std::string least = "You must ask for at least 1$.";
    struct Case {
        const char* what;
        int bank;
        std::int32_t gambling;
        std::vector<const char*> requests;
        Texts said;
        std::int32_t loanAfter;
    };
    const Case cases[] = {
        // Four of 25000 reach the limit of credibility 1.
        {"limit",
         kChinaCash,
         0,
         {"25000", "25000", "25000", "25000", "1"},
         {ok, ok, ok, ok, china},
         100000},
        {"above the largest request", kChinaCash, 0, {"25001"}, {china}, 0},
        {"above Invest Bank's largest", kInvestBank, 0, {"15001", "15000"}, {invest, ok}, 15000},
        {"gambler at China Cash", kChinaCash, -130000, {"100"}, {gambler}, 0},
        {"not a gambler for Invest Bank", kInvestBank, -130000, {"100"}, {ok}, 100},
        {"gambler everywhere", kInvestBank, -200000, {"abc"}, {gambler}, 0},
        {"nothing or less", kInvestBank, 0, {"0", "-5"}, {least, least}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(1000);
        state.credibility = 1;
        state.gamblingBalance = c.gambling;
        RecordingVoice voice;
        for (const char* request : c.requests) {
            const std::optional<std::int32_t> limit = showLoanLimit(state, c.bank, voice);
            ASSERT_TRUE(limit);
            requestLoan(state, c.bank, request, std::to_string(*limit), voice);
        }
        EXPECT_EQ(voice.texts(), c.said);
        for (const auto& said : voice.said)
            EXPECT_EQ(said.words.title, said.words.text() == ok ? "Loan accepted" : "Loan denied");
        const BankAccount& account = state.bankAccounts[c.bank];
        EXPECT_EQ(std::tuple(account.loanAmount, account.loanLeft, account.loanActive, state.money),
                  std::tuple(c.loanAfter, c.loanAfter, c.loanAfter > 0, 1000.0 + c.loanAfter));
    }
}

TEST(BankDesk, LoanRequestEdges) {
    GameState state = test::startedGame();
    state.credibility = 3;
    BankAccount& account = openLoan(state, kChinaCash, 10000, 13000);
    account.loanYearsDone = 2;
    account.loanDayCount = 100;
    RecordingVoice voice;
    EXPECT_EQ(showLoanLimit(state, kChinaCash, voice), 250000);
    EXPECT_TRUE(requestLoan(state, kChinaCash, "5000", "250000", voice));
    // A further request keeps the loan's age.
    EXPECT_EQ(
        std::tuple(account.loanYearsDone, account.loanDayCount, account.loanLeft, account.loanRate),
        std::tuple(2, 100, 18000, 0.30f));
    EXPECT_THROW(requestLoan(state, kChinaCash, "12a", "250000", voice), ConversionError);

    // An owner of no known kind: no limit, and the label's "--" does not convert.
    state.credibility = 7;
    voice.said.clear();
    EXPECT_EQ(showLoanLimit(state, kInvestBank, voice), std::nullopt);
    ASSERT_EQ(voice.texts(), Texts{"Error #52... unexpected owner..."});
    EXPECT_TRUE(voice.said[0].words.plain());
    EXPECT_FALSE(requestLoan(state, kInvestBank, "15001", "--", voice)); // maximum first
    EXPECT_THROW(requestLoan(state, kInvestBank, "100", "--", voice), ConversionError);
}

TEST(BankDesk, LoanRefunds) {
    struct Case {
        const char* typed;
        double money;
        RefundOutcome outcome;
        const char* said;
        std::int32_t leftAfter;
    };
    const Case cases[] = {
        {"7000", 20000, RefundOutcome::Closed, nullptr, 0},
        {"7001", 20000, RefundOutcome::TooMuch, "You refund too much...", 7000},
        {"3000", 3000, RefundOutcome::Refunded, nullptr, 4000}, // all the money in hand
        {"3001", 3000, RefundOutcome::Refused, "You don't have enough money to refund.", 7000},
        {"0", 20000, RefundOutcome::Refused, "You must refund at least 1$.", 7000},
        {"-100", -50, RefundOutcome::Refused, "You must refund at least 1$.", 7000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        GameState state = test::startedGame(c.money);
        const BankAccount& account = openLoan(state, kInvestBank, 5000, 7000); // 2000 of interest
        const GameState before = state;
        RecordingVoice voice;
        EXPECT_EQ(refundLoan(state, kInvestBank, c.typed, voice), c.outcome);
        EXPECT_EQ(account.loanLeft, c.leftAfter);
        if (c.said) {
            EXPECT_EQ(voice.only(), refusal(c.said, "Oups!!"));
            EXPECT_TRUE(unchanged(state, before));
        } else {
            EXPECT_TRUE(voice.said.empty());
        }
    }
    GameState state = test::startedGame(20000);
    const BankAccount& account = openLoan(state, kInvestBank, 5000, 7000);
    RecordingVoice voice;
    refundLoan(state, kInvestBank, "6000", voice); // repays interest: the amount goes below 0
    EXPECT_EQ(account.loanAmount, -1000);
    refundLoan(state, kInvestBank, "1000", voice);
    EXPECT_EQ(std::tuple(account.loanActive, account.loanAmount, state.money),
              std::tuple(0, 0, 13000.0));
    EXPECT_THROW(refundLoan(state, kInvestBank, "", voice), ConversionError);
}

TEST(BankDesk, InvestmentMaximaAndStart) {
    struct Case {
        const char* what;
        int bank;
        double money;
        std::optional<std::int32_t> maximum;
        const char* typed;
        bool started;
        double moneyAfter;
    };
    const Case cases[] = {
        {"Invest Bank, too little money", kInvestBank, 1000.99, std::nullopt, nullptr, false,
         1000.99},
        {"Invest Bank, nothing can be invested", kInvestBank, 1001.5, 1, "1", false, 1001.5},
        {"Invest Bank, below the maximum", kInvestBank, 11000, 10000, "9999", true, 1001},
        {"Invest Bank, the maximum", kInvestBank, 11000, 10000, "10000", false, 11000},
        {"German Bank, too little money", kGermanBank, 8000, std::nullopt, nullptr, false, 8000},
        {"German Bank, above the maximum", kGermanBank, 20000.5, 12000, "12345", false, 20000.5},
        {"German Bank, below the maximum", kGermanBank, 20000.5, 12000, "11999", true, 8001.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(c.money);
        RecordingVoice voice;
        const std::optional<std::int32_t> maximum = investmentMaximum(state, c.bank, voice);
        EXPECT_EQ(maximum, c.maximum);
        if (!maximum) {
            EXPECT_EQ(voice.texts(), Texts{"You don't have engough money to invest"});
            continue;
        }
        const InvestPlan& plan = investTerms(c.bank)->plans[1];
        EXPECT_EQ(startInvestment(state, c.bank, c.typed, *maximum, plan, voice), c.started);
        EXPECT_DOUBLE_EQ(state.money, c.moneyAfter);
        const BankAccount& account = state.bankAccounts[c.bank];
        EXPECT_EQ(account.investActive != 0, c.started);
        if (c.started) {
            EXPECT_EQ(std::tuple(account.investValue, account.investYearsLeft, account.investYear),
                      std::tuple(std::atoi(c.typed), plan.years, 1980));
        } else {
            EXPECT_EQ(voice.texts(), Texts{"You don't have engouth money"});
        }
    }
}

TEST(BankDesk, InvestmentTotalsAndOneAtATime) {
    const InvestPlan& five = investTerms(kInvestBank)->plans[0];
    EXPECT_EQ(investmentTotal("12345", five).total, 18517.5);
    EXPECT_EQ(investmentTotal("10000", five).total, 15000);
    EXPECT_EQ(investmentTotal("10000", investTerms(kGermanBank)->plans[1]).total,
              10000 + static_cast<double>(static_cast<float>(10000 * 0.35f * 25.0L)));
    for (const char* emptied : {"", "0", "-3"})
        EXPECT_TRUE(investmentTotal(emptied, five).emptyBox &&
                    !investmentTotal(emptied, five).total)
            << emptied;
    EXPECT_THROW(investmentTotal("1.5", five), ConversionError);

    GameState state = test::startedGame(50000);
    RecordingVoice voice;
    ASSERT_TRUE(startInvestment(state, kInvestBank, "12345", 49000, five, voice));
    const GameState before = state;
    EXPECT_FALSE(startInvestment(state, kInvestBank, "100", 49000, five, voice));
    EXPECT_EQ(voice.only(), refusal("You already have an investment here.", "Oups!"));
    EXPECT_TRUE(unchanged(state, before));
}

TEST(BankDesk, Withdrawals) {
    struct Case {
        const char* what;
        int bank;
        std::int32_t value, yearsLeft;
        bool yes;
        double moneyAfter;
        const char* asked;
    };
    const char* kEarly =
        "You don't have finish all your investment years.\nDo you want your money back?";
    const Case cases[] = {
        {"Invest Bank, early", kInvestBank, 11000, 4, true, 7700, kEarly},
        {"German Bank, early", kGermanBank, 13000, 10, true, 5200, kEarly},
        {"German Bank, early, kept", kGermanBank, 13000, 10, false, 0, kEarly},
        {"Invest Bank, finished", kInvestBank, 15000, 0, true, 15000,
         "Do you want your money back now?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(0);
        BankAccount& account = state.bankAccounts[c.bank];
        account.investActive = 1;
        account.investValue = c.value;
        account.investAmount = 10000;
        account.investYearsLeft = c.yearsLeft;
        RecordingVoice voice;
        voice.answers = {c.yes};
        EXPECT_EQ(withdrawInvestment(state, c.bank, voice), c.yes);
        EXPECT_EQ(voice.texts(), Texts{c.asked});
        EXPECT_EQ(std::tuple(state.money, account.investActive), std::tuple(c.moneyAfter, !c.yes));
    }
}

TEST(BankDesk, Insurance) {
    struct Case {
        const char* what;
        double money;
        bool heldFire, heldTheft, fire, theft;
        bool signedUp;
        double moneyAfter;
        bool fireAfter, theftAfter;
    };
    const Case cases[] = {
        {"both with 1800.5", 1800.5, false, false, true, true, true, 0.5, true, true},
        {"both with 1800", 1800, false, false, true, true, false, 1800, false, false},
        {"theft beside fire held", 5000, true, false, false, true, true, 4200, true, true},
        {"fire ticked again", 5000, true, false, true, false, true, 5000, true, false},
        {"no box", 5000, true, true, false, false, true, 5000, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(c.money);
        state.year = 1983;
        BankAccount& account = state.bankAccounts[kGermanBank];
        account.fireInsured = c.heldFire;
        account.theftInsured = c.heldTheft;
        account.insured = c.heldFire || c.heldTheft;
        RecordingVoice voice;
        EXPECT_EQ(signUpInsurance(state, c.fire, c.theft, voice), c.signedUp);
        EXPECT_EQ(
            std::tuple(state.money, account.fireInsured, account.theftInsured, account.insured),
            std::tuple(c.moneyAfter, c.fireAfter, c.theftAfter, c.fireAfter || c.theftAfter));
        if (c.theft && !c.heldTheft && c.signedUp) {
            EXPECT_EQ(std::tuple(account.theftInsYear, account.theftInsCost),
                      std::tuple(1983, 800));
        }
        if (!c.signedUp) {
            EXPECT_EQ(voice.texts(), Texts{"You don't have engough money to buy this insurances."});
        }
    }

    // Leaving: one of two keeps the account insured; the second clears it.
    GameState state = test::startedGame();
    RecordingVoice voice;
    ASSERT_TRUE(signUpInsurance(state, true, true, voice));
    voice.answers = {false, true};
    leaveInsurance(state, voice);
    const BankAccount& account = state.bankAccounts[kGermanBank];
    EXPECT_EQ(voice.texts(), (Texts{"Do you want to leave the fire insurance?",
                                    "Do you want to leave the stole insurance?"}));
    EXPECT_TRUE(account.fireInsured && account.insured && !account.theftInsured);
    voice.said.clear();
    voice.answers = {true};
    leaveInsurance(state, voice);
    EXPECT_EQ(voice.texts(), Texts{"Do you want to leave the fire insurance?"});
    EXPECT_EQ(std::tuple(account.insured, state.money), std::tuple(0, 85000 - 1800.0)); // kept
}

} // namespace
} // namespace tavo
