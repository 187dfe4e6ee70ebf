// The month change: monthly charges, taxes of 50 per client-per-day of
// every bar, and the roll-over of each bar's month statistics.
#pragma once

#include "core/GameState.h"

namespace tavo {

inline constexpr std::int32_t kTaxPerClient = 50;

void runMonthChange(GameState& state);

} // namespace tavo
