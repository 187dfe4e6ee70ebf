// Ordering drinks for one bar or all bars: the slot search, the fair-price
// test, the checks of an order and the order itself.
#pragma once

#include "bars/DrinkList.h"
#include "core/ConfigRecord.h"
#include "core/GameState.h"
#include "core/NumberText.h"
#include "core/Voice.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavo {

inline constexpr int kAllBars = -1;
inline constexpr double kFairPriceMargin = 5.0;

// The bar's slot for the drink: the first slot 0..drinkCount-1 holding it;
// if none and `create`, the next slot (drinkCount is then raised); else -1.
// A bar whose fifteen slots are all taken gets no new slot (-1).
int findDrinkSlot(BarRecord& bar, std::int32_t drinkIndex, bool create);

// 1 when the sale price is at most the retail price + 5.
bool isFairPrice(double salePrice, double retailPrice);

enum class PriceVerdict {
    Fine,     // ordered without a question
    AskLower, // more than 8 above retail: "Do you want to set a lower price?"
    TooHigh,  // more than 10 above retail: refused
};
PriceVerdict judgeSalePrice(double salePrice, double retailPrice);

// The bars an order goes to: the chosen one, or every bar for kAllBars.
int orderTargetCount(const GameState& state, int orderBar);

struct DrinkOrder {
    int orderBar = kAllBars; // a bar, or kAllBars
    std::int32_t drinkIndex = -1;
    std::int32_t quantity = 0;
    double salePrice = 0;
    double retailPrice = 0;
    bool inUse = true;
};

enum class OrderOutcome {
    Ordered,
    NotEnoughMoney, // the total is not below the money
    NoFreeSlot,     // a target bar would need a sixteenth drink
    NoBar,          // no bar of the game to order for
};

// The total of an order: quantity x retail price for each target bar, as
// the window shows it (in the general number format).
double orderTotal(const GameState& state, const DrinkOrder& order);

// The drinks window's running figures for what it holds now: the total and
// the profit (quantity x sale price less the total), both nothing when a
// text does not convert or no drink is picked.
struct OrderFigures {
    std::optional<double> total;
    std::optional<double> profit;
};
OrderFigures orderFigures(const GameState& state, const TDrinkList& drinks, int orderBar,
                          std::int32_t drinkIndex, std::string_view quantity,
                          std::string_view salePrice, const NumberFormat& format);

// Checks the money and the slots of every target bar, then orders: each
// bar's slot gets the units, the sale price, the in-use flag and the fair
// price flag; its share of the cost is taken from the money and, in whole
// dollars, from its month profit. Nothing changes when refused.
OrderOutcome orderDrinks(GameState& state, const DrinkOrder& order);

// What the drinks window holds when Order is pressed.
struct OrderForm {
    bool barPicked = false;       // a line of the bar list was picked
    int orderBar = kAllBars;      // the bar of that line, or kAllBars
    std::int32_t drinkIndex = -1; // the drink picked, -1 for none
    std::string_view quantity;    // the two texts typed
    std::string_view salePrice;
    bool inUse = true; // "I use this drink in this bar"
};

enum class AfterOrder { StayOpen, Close };

// Order, the checks in the window's order: every field filled; the drink's
// retail price readable under the number format (if not, the US list is
// chosen in the configuration, written to `store`, and the window closes);
// the sale price against the retail price (refused above +10, a question
// above +8, Yes calls the order off); a price below 0 or a quantity of 0 or
// less; the money; then the order, said done unless the configuration's
// DrinkClose closes the window. A quantity or price text that does not
// convert throws ConversionError when it is read. `paid`, when given, gets
// what an order made cost (before it is said done), and stays empty when
// nothing was ordered.
AfterOrder placeOrder(GameState& state, ConfigRecord& config, ConfigStore& store,
                      const TDrinkList& drinks, const OrderForm& form, const NumberFormat& format,
                      Voice& voice, std::optional<double>* paid = nullptr);

} // namespace tavo
