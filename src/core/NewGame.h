// The main menu's new game: the date fields of a new game and the seeding
// of the generator. The record is not cleared; the owner and the first bar
// fill the rest.
#pragma once

#include "core/GameState.h"
#include "core/Random.h"

#include <cstdint>

namespace tavo {

inline constexpr std::int32_t kFirstYear = 1980;

void beginNewGame(GameState& state, Random& random, std::int64_t nowSeconds);

} // namespace tavo
