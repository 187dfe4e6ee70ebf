#include "banks/InsuranceDesk.h"

#include "banks/BankIds.h"

namespace tavo {

std::int32_t insuranceTotal(bool fire, bool theft) {
    return (fire ? kFirePremium : 0) + (theft ? kTheftPremium : 0);
}

bool signUpInsurance(GameState& state, bool fire, bool theft, Voice& voice) {
    if (!(insuranceTotal(fire, theft) < state.money)) {
        voice.say(refusal(N_("You don't have engough money to buy this insurances."), N_("Oups!")));
        return false;
    }
    BankAccount& account = state.bankAccounts[kGermanBank];
    if (fire && !account.fireInsured) {
        account.fireInsured = 1;
        account.fireInsCost = kFirePremium;
        account.fireInsBonus = 15000;
        state.money -= kFirePremium;
        account.insured = 1;
        account.fireInsYear = state.year;
    }
    if (theft && !account.theftInsured) {
        account.theftInsured = 1;
        account.theftInsCost = kTheftPremium;
        account.theftInsRate = 0.9f;
        state.money -= kTheftPremium;
        account.insured = 1;
        account.theftInsYear = state.year;
    }
    return true;
}

void leaveInsurance(GameState& state, Voice& voice) {
    BankAccount& account = state.bankAccounts[kGermanBank];
    if (account.fireInsured && voice.ask(question(N_("Do you want to leave the fire insurance?"),
                                                  N_("Leave an insurance"))))
        account.fireInsured = 0;
    if (account.theftInsured && voice.ask(question(N_("Do you want to leave the stole insurance?"),
                                                   N_("Leave an insurance"))))
        account.theftInsured = 0;
    if (!account.fireInsured && !account.theftInsured) account.insured = 0;
}

} // namespace tavo
