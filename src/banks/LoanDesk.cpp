#include "banks/LoanDesk.h"

#include "banks/BankIds.h"
#include "core/Arithmetic.h"
#include "core/NumberText.h"

namespace tavo {
namespace {

const LoanTerms kInvestBankLoans = {
    0.25f,
    N_("25% per year."),
    15000,
    -200000,
    {50000, 75000, 150000},
    N_("Sorry! You can't borrow more than 15 000$!\nOr you reach your loan limit.")};

const LoanTerms kChinaCashLoans = {
    0.30f,
    N_("30% per year."),
    25000,
    -130000,
    {100000, 175000, 250000},
    N_("Sorry! You can't borrow more than 25 000$!\nOr you reach your loan limit.")};

} // namespace

const LoanTerms* loanTerms(int bank) {
    if (bank == kInvestBank) return &kInvestBankLoans;
    if (bank == kChinaCash) return &kChinaCashLoans;
    return nullptr;
}

std::optional<std::int32_t> showLoanLimit(const GameState& state, int bank, Voice& voice) {
    const LoanTerms* terms = loanTerms(bank);
    if (terms == nullptr) return std::nullopt;
    if (state.credibility < 1 || state.credibility > 3) {
        voice.say(plainMessage(N_("Error #52... unexpected owner...")));
        return std::nullopt;
    }
    return terms->limits[state.credibility - 1];
}

bool requestLoan(GameState& state, int bank, std::string_view typedAmount,
                 std::string_view limitText, Voice& voice) {
    const LoanTerms* terms = loanTerms(bank);
    if (terms == nullptr) return false;
    BankAccount& account = state.bankAccounts[bank];
    if (state.gamblingBalance <= terms->gamblerThreshold) {
        voice.say(refusal(N_("Sorry! But we don't borrow money to gamblers!"), N_("Loan denied")));
        return false;
    }
    const std::int32_t request = toInteger(typedAmount);
    if (request < 1) {
        voice.say(refusal(N_("You must ask for at least 1$."), N_("Loan denied")));
        return false;
    }
    if (request > terms->largestRequest ||
        std::int64_t{request} + account.loanAmount > toInteger(limitText)) {
        voice.say(refusal(terms->amountOrLimit, N_("Loan denied")));
        return false;
    }
    voice.say({N_("Your loan have been accepted."), N_("Loan accepted"), VoiceIcon::None});
    account.loanAmount = add32(account.loanAmount, request);
    account.loanRate = terms->rate;
    account.loanLeft = add32(account.loanLeft, request);
    if (!account.loanActive) {
        account.loanYearsDone = 0;
        account.loanDayCount = 0;
    }
    account.loanActive = 1;
    state.money += request;
    return true;
}

RefundOutcome refundLoan(GameState& state, int bank, std::string_view typedAmount, Voice& voice) {
    if (loanTerms(bank) == nullptr) return RefundOutcome::Refused;
    BankAccount& account = state.bankAccounts[bank];
    const std::int32_t refund = toInteger(typedAmount);
    if (refund < 1) {
        voice.say(refusal(N_("You must refund at least 1$."), N_("Oups!!")));
        return RefundOutcome::Refused;
    }
    if (refund > account.loanLeft) {
        voice.say(refusal(N_("You refund too much..."), N_("Oups!!")));
        return RefundOutcome::TooMuch;
    }
    if (refund > state.money) {
        voice.say(refusal(N_("You don't have enough money to refund."), N_("Oups!!")));
        return RefundOutcome::Refused;
    }
    account.loanLeft -= refund;
    account.loanAmount = sub32(account.loanAmount, refund);
    state.money -= refund;
    if (account.loanLeft != 0) return RefundOutcome::Refunded;
    account.loanActive = 0;
    account.loanAmount = 0;
    return RefundOutcome::Closed;
}

} // namespace tavo
