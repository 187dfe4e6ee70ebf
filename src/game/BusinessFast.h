// The day's business of one bar computed fast, for the common case where
// every price is an ordinary amount and the stock is plentiful. The results
// are those of the rules applied client by client, draw for draw.
#pragma once

#include "core/GameState.h"
#include "core/Random.h"
#include "game/Payment.h"

#include <cstdint>

namespace tavo {

// Counters of one bar's day, written back when its clients are served.
struct BarDay {
    double money;
    std::int32_t profit;
    std::int64_t complaints = 0;
    std::int64_t satisfied = 0;
};

// Serves the day's clients of a bar whose door and sale prices all follow
// the whole-number rule of Payment. False, and nothing done, for a bar with
// no slot or another kind of price (or on a processor without SSE2).
bool serveFast(BarDay& day, BarRecord& bar, int slots, std::int32_t clients, Random& random,
               int doorPoints);

} // namespace tavo
