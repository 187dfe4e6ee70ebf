// The investment rules the game clock applies: the yearly credit of simple
// interest and an administrator's collection of a finished investment.
#pragma once

#include "core/GameState.h"
#include "core/MessageSink.h"

namespace tavo {

// Every day, for one account: once per game year after the one it was
// last looked at, a running investment with years left earns amount x rate.
void creditInvestmentYear(BankAccount& account, std::int32_t year);

// An administrator with the loan duty collects one bank's finished
// investment into the money.
void adminCollectInvestment(GameState& state, int bank, MessageSink& messages);

} // namespace tavo
