// The two changes a bar allows after its purchase: opening or closing it,
// and a new entry price; and the figures the information window shows.
#pragma once

#include "core/GameState.h"

#include <cstdint>

namespace tavo {

inline constexpr double kEntryPriceLimit = 10.0; // at most, once the bar is bought

// Toggles whether the bar is open; returns the new state.
bool toggleOpen(GameState& state, int bar);

// A new entry price: accepted at 10 or less (true), refused above.
bool setEntryPrice(GameState& state, int bar, double price);

// Money left to refund on every running loan.
std::int64_t moneyLeftToRefund(const GameState& state);

} // namespace tavo
