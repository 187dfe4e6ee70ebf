// Spin Cash, the three-reel slot machine: the bet checks and the stake, one
// step of the reels, the payouts and the window's statistics. The machine
// lives with the game for the whole run and is not saved; only its effect
// on the money and the gambling balance is.
#pragma once

#include "core/GameState.h"
#include "core/Random.h"
#include "core/Voice.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavo {

// A spin shows the values reached at its 51st step.
inline constexpr int kSpinSteps = 51;

struct SpinCash {
    std::array<int, 3> reels{1, 1, 1}; // each 1 to 3, in the order Num1, Num2, Num3
    std::int16_t step = 0;             // 0 while idle, then the steps of the current spin
    bool spinning = false;             // from Spin to the last step
    std::int32_t stake = 0;            // the bet taken when the running spin started
};

// How a spin ended: the stake taken at its start and the amount paid back
// (the full multiple of the stake, 0 for a losing result).
struct SpinResult {
    std::int32_t stake = 0;
    std::int64_t paid = 0;
    bool won = false;
};

// What the window shows under "Stats" since it was opened: amounts won and
// stakes lost, kept in 64 bits so that no run of spins wraps them.
struct SpinStats {
    std::int64_t won = 0;
    std::int64_t lost = 0;

    void count(const SpinResult& result);
};

// How many times the bet a result pays: 7 for 1-2-3 and for 3-2-1, 5 for
// 2-2-2, 3 for 3-3-3, 2 for 1-1-1, otherwise 0.
int spinMultiple(const std::array<int, 3>& reels);

// Spin with the text of the bet box. An empty or negative bet and a bet
// that would leave the money at -1000 or below are refused in words; a bet
// that does not convert throws ConversionError. Nothing changes then.
// Otherwise the stake is taken from the money and the gambling balance and
// the machine spins. A machine already spinning takes no second bet (its
// Spin is disabled). True when the spin started.
bool startSpin(GameState& state, SpinCash& machine, std::string_view typedBet, Voice& voice);

// One step of a running spin, reseeding the random generator from the
// current time first. At the last step the machine stops and pays the
// stake it took times the result's multiple; the result is returned then.
// A machine that is not spinning does nothing.
std::optional<SpinResult> spinStep(GameState& state, SpinCash& machine, Random& random,
                                   std::int64_t nowSeconds);

// The game the spin was bet in is left (a new game or a load): the machine
// stops where its reels are and pays nothing into another game.
void abandonSpin(SpinCash& machine);

} // namespace tavo
