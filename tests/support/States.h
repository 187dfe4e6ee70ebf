// Game records and list entries built for tests: a started game, bars with
// drink slots, administrators and drinks.
#pragma once

#include "bars/BarList.h"
#include "bars/DrinkList.h"
#include "core/GameState.h"

#include <string>

namespace tavo::test {

// A game as after owner creation and the first clock step: version 5,
// 1 January 1980, week day 1, the given money.
GameState startedGame(double money = 85000);

// Appends an open bar (index barCount) and returns it.
BarRecord& addBar(GameState& state, std::int32_t clientsPerDay, double entryPrice,
                  bool open = true);

// Appends a drink slot to a bar and returns it.
DrinkSlot& addSlot(BarRecord& bar, std::int32_t drinkIndex, std::int32_t stock, double salePrice,
                   bool inUse = true, bool fairPrice = true);

// Opens a loan at a bank: the amount borrowed, what is left to repay, the rate.
BankAccount& openLoan(GameState& state, int bank, std::int32_t amount, std::int32_t left,
                      float rate = 0.25f);

// Appends an administrator with the given duties (index adminCount).
AdminRecord& addAdmin(GameState& state, bool tickets, bool drinks, bool loans);

// A drink of the drinks list: a beer (kind 0) of 5 % or a shooter of 40 %.
DrinkListEntry makeDrink(const std::string& name, const std::string& retailPrice,
                         std::int32_t kind = 0);

// A bar of the bars list: 60 people a day, 1500 a month.
BarListEntry makeBar(const std::string& name, std::int32_t price, std::int32_t classMask = 5,
                     std::int32_t maxClients = 100);

} // namespace tavo::test
