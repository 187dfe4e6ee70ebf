// The stock panels of the game window and of the information window: four
// lines of a bar's drinks (a name and the stock left), a page at a time.
#pragma once

#include "bars/DrinkList.h"
#include "core/GameState.h"
#include "core/StockPages.h"

#include <array>

class QLabel;
class QLineEdit;

namespace tavo::ui {

// Shows the page of `bar`'s slots (none: "-" and 0 on every line), then
// turns the page on its counter.
void showStockPage(const BarRecord* bar, const TDrinkList& drinks, StockPages& pages,
                   const std::array<QLabel*, 4>& names, const std::array<QLineEdit*, 4>& stocks);

} // namespace tavo::ui
