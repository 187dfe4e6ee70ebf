#include "game/GameDay.h"

#include "banks/Fire.h"
#include "banks/Insurance.h"
#include "banks/Investments.h"
#include "banks/Loans.h"
#include "core/Arithmetic.h"
#include "game/AdminDuties.h"
#include "game/Business.h"
#include "game/MonthChange.h"
#include "leisure/Lotto.h"

namespace tavo {
namespace {

constexpr const char* kMonthNames[12] = {
    N_("January"), N_("February"), N_("March"),     N_("April"),   N_("May"),      N_("June"),
    N_("July"),    N_("August"),   N_("September"), N_("October"), N_("November"), N_("December")};

void advanceWeek(GameState& state, Random& random, const TDrinkList& drinks,
                 const NumberFormat& format, MessageSink& messages) {
    if (state.weekDay < 7) {
        state.weekDay += 1;
        DrawWinningNumbers(state, random);
        runAdminDailyDuties(state, random, drinks, format, messages);
        countLoanDays(state);
    } else {
        state.weekDay = 1;
        RunDraw(state, random, messages);
        grantTicketAllowance(state);
        runBailiff(state, messages);
    }
}

} // namespace

const char* monthName(std::int32_t month) {
    if (month < 1 || month > 12) return nullptr;
    return kMonthNames[month - 1];
}

void advanceDate(GameState& state, Random& random, const TDrinkList& drinks,
                 const NumberFormat& format, MessageSink& messages) {
    advanceWeek(state, random, drinks, format, messages);
    state.day = add32(state.day, 1);
    if (state.day > 30) {
        state.day = 1;
        state.month = add32(state.month, 1);
        runMonthChange(state);
        takeMonthlyInstalments(state);
    }
    if (state.month > 12) {
        messages.post(N_("Happy new year!"));
        state.month = 1;
        state.year = add32(state.year, 1);
    }
    if (state.month == 12 && state.year == 1999 && state.day == 1)
        messages.post(N_("Damn... let's hope the game can handle Y2K ;-)"));
}

void runBankYearRules(GameState& state) {
    for (BankAccount& account : state.bankAccounts) {
        creditInvestmentYear(account, state.year);
        chargeLoanYearInterest(account);
        chargeInsurancePremiums(state, account);
    }
}

DayOutcome runGameDay(GameState& state, Random& random, const TDrinkList& drinks,
                      const NumberFormat& format, MessageSink& messages) {
    advanceDate(state, random, drinks, format, messages);
    runBankYearRules(state);
    DayOutcome outcome;
    outcome.clientsShown = runDailyBusiness(state, random);
    outcome.fireStrikes = fireStrikes(state, random);
    return outcome;
}

} // namespace tavo
