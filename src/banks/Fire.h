// The game's one disaster: a fire in one of the player's bars, which costs
// money, a fifth as much with German Bank's fire insurance.
#pragma once

#include "core/GameState.h"
#include "core/Random.h"

#include <cstdint>
#include <optional>

namespace tavo {

// The last step of a game day: from 1981 on, one draw in 5000 that is 666
// sets a bar on fire. With no bar owned nothing burns (the draw is made).
bool fireStrikes(const GameState& state, Random& random);

struct FireOutcome {
    int bar = 0;             // the bar that burned
    bool insured = false;    // German Bank's fire insurance was held
    std::int32_t damage = 0; // taken from the money
};

// What the fire window does when it is shown: reseed from the clock, pick
// the bar, charge the damage. Nothing at all when no bar is owned.
std::optional<FireOutcome> applyFire(GameState& state, Random& random, std::int64_t nowSeconds);

} // namespace tavo
