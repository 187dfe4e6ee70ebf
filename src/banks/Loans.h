// The loan rules the game clock applies: the loan-day count, the loan-year
// interest, the monthly instalment, the bailiff and an administrator's
// repayment.
#pragma once

#include "core/GameState.h"
#include "core/MessageSink.h"

namespace tavo {

// Six days of seven: every running loan counts one more day.
void countLoanDays(GameState& state);

// Every day, for one account: a loan whose day count passed 364 closes a
// loan year and adds simple interest on loanAmount to loanLeft.
void chargeLoanYearInterest(BankAccount& account);

// Month change: 1000 from every loan with at least 500 left while money is
// above 1000; a loan with nothing left is closed.
void takeMonthlyInstalments(GameState& state);

// Week's end: a debt above 300000 makes the bailiff take every dollar above
// 10000.
void runBailiff(GameState& state, MessageSink& messages);

// An administrator with the loan duty repays refundAmount (or the rest) of
// one bank's loan once it has run more than one loan year; one set to repay
// nothing (0 or less) does nothing.
void adminRepayLoan(GameState& state, int bank, const AdminRecord& admin, MessageSink& messages);

} // namespace tavo
