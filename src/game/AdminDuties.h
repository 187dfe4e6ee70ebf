// What hired administrators do on the game clock: the weekly ticket
// allowance, and each day their Lotto tickets, drink restocking and bank
// matters.
#pragma once

#include "bars/DrinkList.h"
#include "core/GameState.h"
#include "core/MessageSink.h"
#include "core/NumberText.h"
#include "core/Random.h"

namespace tavo {

inline constexpr double kAdminMoneyReserve = 1000;
inline constexpr std::int32_t kRestockBelow = 50;
inline constexpr std::int32_t kRestockStep = 50;

// The quantity an administrator orders for a slot: the largest of q, q-50,
// q-100, ... above 0 whose cost at the retail price the money above the
// 1000 reserve covers; 0 when none is.
std::int32_t affordableQuantity(double money, std::int32_t quantity, double retail);

// Week's end, after the Lotto draw.
void grantTicketAllowance(GameState& state);

// An administrator's drink duty: every in-use slot of every bar below 50
// units is restocked with the largest affordable quantity of q, q-50, ...
// above the 1000 reserve. Throws ConversionError when a retail price text
// does not convert (the slots already restocked stay restocked).
void restockDrinks(GameState& state, std::int32_t orderQuantity, const TDrinkList& drinks,
                   const NumberFormat& format);

// The daily duties of administrators 0..adminCount-1, each doing his whole
// list before the next. Throws ConversionError like restockDrinks.
void runAdminDailyDuties(GameState& state, Random& random, const TDrinkList& drinks,
                         const NumberFormat& format, MessageSink& messages);

} // namespace tavo
