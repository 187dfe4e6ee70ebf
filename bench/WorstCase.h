// The heaviest game the rules allow, for the benchmarks: 25 open bars of
// 500 clients with 15 stocked slots each, four administrators with every
// duty, loans, investments, insurance and ten Lotto tickets.
#pragma once

#include "bars/DrinkList.h"
#include "core/GameState.h"

namespace tavo::bench {

// On week day 4, so that the next day is a full day (factor 1) with the
// administrators' daily duties. Its prices keep the clients satisfied, so
// that the bars stay full for the years the benchmarks run. Each slot holds
// `stock` units.
GameState worstCaseGame(std::int32_t stock = 1000000);

// Fifteen drinks whose prices use the decimal point.
TDrinkList worstCaseDrinks();

} // namespace tavo::bench
