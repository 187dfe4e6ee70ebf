// The two changes a bar allows after its purchase: opening or closing it,
// and a new entry price; and the figures the information window shows.
#pragma once

#include "core/GameState.h"
#include "core/NumberText.h"
#include "core/Voice.h"

#include <cstdint>
#include <string_view>

namespace tavo {

inline constexpr double kEntryPriceLimit = 10.0; // at most, once the bar is bought

// Toggles whether the bar is open; returns the new state.
bool toggleOpen(GameState& state, int bar);

// Set (and Close): the typed entry price, an empty text read as "0". At 10
// or less it becomes the bar's entry price (true); above, "The price you set
// to enter your bar is too high!" and the old price stays. A text that does
// not convert throws ConversionError. With no bar to set, any price that
// converts is accepted and nothing changes.
bool setEntryPrice(GameState& state, int bar, std::string_view typedPrice,
                   const NumberFormat& format, Voice& voice);

// Money left to refund on every running loan.
std::int64_t moneyLeftToRefund(const GameState& state);

} // namespace tavo
