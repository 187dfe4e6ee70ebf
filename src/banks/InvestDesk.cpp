#include "banks/InvestDesk.h"

#include "banks/BankIds.h"
#include "core/Arithmetic.h"

#include <algorithm>
#include <cstdint>

namespace tavo {
namespace {

const InvestTerms kInvestBankPlans = {{{5, 0.10f, N_("5 years investment at 10% per year")},
                                       {10, 0.25f, N_("10 years investment at 25% per year")}},
                                      1000,
                                      0.3,
                                      N_("have your money back, the charge is 30% of")};

const InvestTerms kGermanBankPlans = {{{15, 0.30f, N_("15 years investment at 30% per year")},
                                       {25, 0.35f, N_("25 years investment at 35% per year")}},
                                      8000,
                                      0.6,
                                      N_("have your money back, the charge is 60% of")};

} // namespace

const InvestTerms* investTerms(int bank) {
    if (bank == kInvestBank) return &kInvestBankPlans;
    if (bank == kGermanBank) return &kGermanBankPlans;
    return nullptr;
}

std::optional<std::int32_t> investmentMaximum(const GameState& state, int bank, Voice& voice) {
    const InvestTerms* terms = investTerms(bank);
    if (terms == nullptr) return std::nullopt;
    const std::int64_t maximum = truncToInt64(state.money - terms->reserve);
    if (maximum <= 0) {
        voice.say(refusal(N_("You don't have engough money to invest"), N_("Oups!")));
        return std::nullopt;
    }
    // The form's box holds a 32-bit figure: a fortune beyond it is capped.
    return static_cast<std::int32_t>(std::min<std::int64_t>(maximum, INT32_MAX));
}

InvestTotal investmentTotal(std::string_view boxText, const InvestPlan& plan) {
    InvestTotal result;
    if (boxText.empty()) {
        result.emptyBox = true;
        return result;
    }
    const std::int32_t amount = toInteger(boxText);
    if (amount < 1) {
        result.emptyBox = true;
        return result;
    }
    const auto interest = static_cast<float>(static_cast<long double>(amount) * plan.rate *
                                             static_cast<long double>(plan.years));
    result.total = static_cast<double>(amount) + static_cast<double>(interest);
    return result;
}

bool startInvestment(GameState& state, int bank, std::string_view boxText, std::int32_t maximum,
                     const InvestPlan& plan, Voice& voice) {
    if (investTerms(bank) == nullptr) return false;
    BankAccount& account = state.bankAccounts[bank];
    if (account.investActive) {
        voice.say(refusal(N_("You already have an investment here."), N_("Oups!")));
        return false;
    }
    const std::int32_t amount = toInteger(boxText);
    if (amount >= maximum) {
        voice.say(refusal(N_("You don't have engouth money"), N_("Oups!")));
        return false;
    }
    account.investActive = 1;
    account.investYearsDone = 0;
    account.investYearsLeft = plan.years;
    account.investValue = amount;
    account.investAmount = amount;
    account.investRate = plan.rate;
    state.money -= amount;
    account.investYear = state.year;
    return true;
}

bool withdrawInvestment(GameState& state, int bank, Voice& voice) {
    const InvestTerms* terms = investTerms(bank);
    if (terms == nullptr) return false;
    BankAccount& account = state.bankAccounts[bank];
    if (!account.investActive) return false;
    if (account.investYearsLeft > 0) {
        if (!voice.ask(question(N_("You don't have finish all your investment years.\nDo you want "
                                   "your money back?"),
                                N_("Warning"))))
            return false;
        const long double value = account.investValue;
        account.investValue = truncToInt32(value - value * static_cast<long double>(terms->charge));
    } else if (!voice.ask(
                   question(N_("Do you want your money back now?"), N_("Get the money back")))) {
        return false;
    }
    state.money += account.investValue;
    account.investActive = 0;
    return true;
}

} // namespace tavo
