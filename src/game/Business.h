// A day of business in every open bar: clients come, pay at the door, buy
// drinks from the bar's slots, and their satisfaction slowly moves the
// bar's clients per day.
#pragma once

#include "core/GameState.h"
#include "core/Random.h"

#include <cstdint>
#include <optional>

namespace tavo {

// Clients of the day: clientsPerDay times the factor of the week day,
// formed exactly and truncated toward zero.
std::int32_t clientsOfTheDay(std::int32_t clientsPerDay, std::int32_t weekDay);

// Runs the day's business of bars 0..barCount-1 and returns what the
// "Clients in your bar:" box shows afterwards: the count of the last bar
// (0 for a closed one), or nothing when no bar is owned.
std::optional<std::int32_t> runDailyBusiness(GameState& state, Random& random);

} // namespace tavo
