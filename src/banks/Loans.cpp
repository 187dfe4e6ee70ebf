#include "banks/Loans.h"

#include "banks/BankIds.h"
#include "core/Arithmetic.h"

namespace tavo {
namespace {

void closeLoan(BankAccount& account) {
    account.loanAmount = 0;
    account.loanLeft = 0;
    account.loanActive = 0;
}

} // namespace

void countLoanDays(GameState& state) {
    for (BankAccount& account : state.bankAccounts)
        if (account.loanActive) account.loanDayCount = add32(account.loanDayCount, 1);
}

void chargeLoanYearInterest(BankAccount& account) {
    if (!account.loanActive || account.loanDayCount <= 364) return;
    account.loanDayCount = 0;
    account.loanYearsDone = add32(account.loanYearsDone, 1);
    // The product with the float rate is exact at extended precision.
    long double interest = static_cast<long double>(account.loanAmount) * account.loanRate;
    account.loanLeft = truncToInt32(static_cast<long double>(account.loanLeft) + interest);
}

void takeMonthlyInstalments(GameState& state) {
    for (BankAccount& account : state.bankAccounts) {
        if (!account.loanActive) continue;
        if (state.money > 1000 && account.loanLeft >= 500) {
            account.loanLeft = sub32(account.loanLeft, 1000);
            account.loanAmount = account.loanAmount > 0 ? sub32(account.loanAmount, 1000) : 0;
            state.money -= 1000;
        } else if (account.loanLeft <= 0) {
            closeLoan(account);
        }
    }
}

void runBailiff(GameState& state, MessageSink& messages) {
    for (int bank = 0; bank < kBankCount; ++bank) {
        BankAccount& account = state.bankAccounts[bank];
        if (!account.loanActive || account.loanLeft <= 300000 || !(state.money > 10000)) continue;
        std::int64_t seized = truncToInt64(state.money - 10000);
        state.money -= static_cast<double>(seized);
        account.loanAmount = sub32(account.loanAmount, seized);
        account.loanLeft = sub32(account.loanLeft, seized);
        if (bank == kInvestBank)
            messages.post(N_("Bailiff: Invest Bank wants is money back! So I took your money."));
        else if (bank == kChinaCash)
            messages.post(N_("Bailiff: China Cash wants is money back! So I took your money."));
    }
}

void adminRepayLoan(GameState& state, int bank, const AdminRecord& admin, MessageSink& messages) {
    BankAccount& account = state.bankAccounts[bank];
    if (!account.loanActive || !(admin.refundThreshold < state.money) || account.loanYearsDone <= 1)
        return;
    // An administrator set to repay nothing neither repays nor says he did.
    if (admin.refundAmount <= 0) return;
    if (account.loanLeft > admin.refundAmount) {
        account.loanAmount = sub32(account.loanAmount, admin.refundAmount);
        account.loanLeft = sub32(account.loanLeft, admin.refundAmount);
        state.money -= admin.refundAmount;
        messages.post(N_("One of your admin repay a part of your loan."));
    } else {
        std::int32_t rest = account.loanLeft;
        account.loanAmount = sub32(account.loanAmount, rest);
        state.money -= rest;
        account.loanLeft = 0;
        messages.post(N_("One of your admin finish to repay one of your loan."));
        closeLoan(account);
    }
}

} // namespace tavo
