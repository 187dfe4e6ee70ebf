#include "banks/Investments.h"

#include "core/Arithmetic.h"

namespace tavo {

void creditInvestmentYear(BankAccount& account, std::int32_t year) {
    if (!account.investActive || account.investYear >= year) return;
    if (account.investYearsLeft > 0) {
        account.investYearsLeft -= 1;
        account.investYearsDone = add32(account.investYearsDone, 1);
        // The product with the float rate is exact at extended precision.
        long double gain = static_cast<long double>(account.investAmount) * account.investRate;
        account.investValue = truncToInt32(static_cast<long double>(account.investValue) + gain);
    }
    account.investYear = add32(account.investYear, 1);
}

void adminCollectInvestment(GameState& state, int bank, MessageSink& messages) {
    BankAccount& account = state.bankAccounts[bank];
    if (!account.investActive || account.investYearsLeft > 0) return;
    state.money += account.investValue;
    account.investActive = 0;
    account.investYearsLeft = 0;
    account.investYearsDone = 0;
    account.investValue = 0;
    account.investAmount = 0;
    messages.post(N_("One of your investments is finish. Your admin have take care of this."));
}

} // namespace tavo
