// The insurance rule the game clock applies: the yearly premiums.
#pragma once

#include "core/GameState.h"

namespace tavo {

// Every day, for one account: each contract held is charged once for every
// game year after the one it is paid up to.
void chargeInsurancePremiums(GameState& state, BankAccount& account);

} // namespace tavo
