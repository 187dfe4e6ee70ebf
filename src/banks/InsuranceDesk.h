// What the player does about German Bank's insurance: signing up for the
// fire and theft contracts, and giving them up.
#pragma once

#include "core/GameState.h"
#include "core/Voice.h"

#include <cstdint>

namespace tavo {

inline constexpr std::int32_t kFirePremium = 1000;
inline constexpr std::int32_t kTheftPremium = 800;

// The insurance window's total: the premiums of the boxes ticked.
std::int32_t insuranceTotal(bool fire, bool theft);

// "Sign up": refused when the total is not below the money ("You don't
// have engough money to buy this insurances."); else each ticked contract
// not yet held is signed and its first premium taken. A box left unticked
// leaves its contract as it is. True when done (the window closes).
bool signUpInsurance(GameState& state, bool fire, bool theft, Voice& voice);

// "Sell insurance": each contract held is offered up by a question; once
// none is left the account is no longer insured. No premium comes back.
void leaveInsurance(GameState& state, Voice& voice);

} // namespace tavo
