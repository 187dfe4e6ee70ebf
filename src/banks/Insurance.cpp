#include "banks/Insurance.h"

#include "core/Arithmetic.h"

namespace tavo {

void chargeInsurancePremiums(GameState& state, BankAccount& account) {
    if (!account.insured) return;
    if (account.fireInsured && account.fireInsYear < state.year) {
        state.money -= account.fireInsCost;
        account.fireInsYear = add32(account.fireInsYear, 1);
    }
    if (account.theftInsured && account.theftInsYear < state.year) {
        state.money -= account.theftInsCost;
        account.theftInsYear = add32(account.theftInsYear, 1);
    }
}

} // namespace tavo
