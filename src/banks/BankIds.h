// The four banks, known everywhere by their number (the index of their
// account in GameState::bankAccounts).
#pragma once

namespace tavo {

enum BankId : int {
    kInvestBank = 0,
    kInterBank = 1, // listed, never opens
    kGermanBank = 2,
    kChinaCash = 3,
};

} // namespace tavo
