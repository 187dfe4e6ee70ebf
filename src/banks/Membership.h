// A bank's front door: who offers what, the membership bought once for a
// fixed fee, and what a bank window shows for the account as it stands.
#pragma once

#include "core/GameState.h"
#include "core/Voice.h"

#include <cstdint>

namespace tavo {

struct BankServices {
    bool investments = false;
    bool loans = false;
    bool insurance = false;
};

// The services of a bank (none for Inter Bank or a number out of range).
BankServices bankServices(int bank);

// A bank that has a window of its own: Invest Bank, German Bank, China Cash.
bool hasBankWindow(int bank);

// "Enter the bank" in the directory: true for a bank with a window; Inter
// Bank (or anything else) is "Under Construction".
bool enterBank(int bank, Voice& voice);

// A bank window's "Help": "Under Construction".
void pressBankHelp(Voice& voice);

// The fee of membership: 1000, 3500, 8000 (0 for the others).
std::int32_t membershipFee(int bank);

// "Become a member": the question; on Yes the player is a member and the fee
// is taken, even into the negative. True when the player joined.
bool becomeMember(GameState& state, int bank, Voice& voice);

// What a bank window's refresh shows, every switch set from the account.
struct BankView {
    bool member = false;
    bool memberSetup = false;     // "Become a member"
    bool investmentSetup = false; // "Make an Investment"
    bool investRefund = false;    // "Investment refund"
    bool loanSetup = false;       // "Borrow money"
    bool refundingLoan = false;   // "Refund the loan"
    bool insuranceSetup = false;  // "Buy Insurance"
    bool leaveIns = false;        // "Sell insurance"
};

// For a non-member only "Become a member"; for a member the services that
// open a form, "Make an Investment" only while no investment runs, and the
// refunds and "Sell insurance" while there is something to give back.
BankView bankView(const GameState& state, int bank);

} // namespace tavo
