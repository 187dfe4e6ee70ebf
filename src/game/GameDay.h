// One game day, the tick of the game clock: the date advance with its
// weekly and monthly duties, the banks' yearly rules, the bars' business
// and the fire trigger, in this order.
#pragma once

#include "bars/DrinkList.h"
#include "core/GameState.h"
#include "core/MessageSink.h"
#include "core/NumberText.h"
#include "core/Random.h"

#include <cstdint>
#include <optional>

namespace tavo {

struct DayOutcome {
    // What the "Clients in your bar:" box shows now; nothing when no bar
    // is owned (the box keeps its text).
    std::optional<std::int32_t> clientsShown;
    // The fire window must be shown (it then runs applyFire).
    bool fireStrikes = false;
};

// The month's name for 1..12, nullptr for any other value.
const char* monthName(std::int32_t month);

// Step 1 of a day: week, day, month change, new year, Y2K.
void advanceDate(GameState& state, Random& random, const TDrinkList& drinks,
                 const NumberFormat& format, MessageSink& messages);

// Step 2 of a day: for accounts 0..3 the investment credit, the loan-year
// interest and the insurance premiums.
void runBankYearRules(GameState& state);

// The whole day. A retail price that does not convert throws
// ConversionError out of the administrators' duties: the rest of the day
// does not run, and what was done before stays done.
DayOutcome runGameDay(GameState& state, Random& random, const TDrinkList& drinks,
                      const NumberFormat& format, MessageSink& messages);

} // namespace tavo
