#include "bars/DrinkOrder.h"

#include "core/Arithmetic.h"

#include <algorithm>

namespace tavo {
namespace {

template <typename Visit>
void forEachTarget(GameState& state, int orderBar, Visit visit) {
    if (orderBar == kAllBars) {
        const int bars = std::clamp(state.barCount, 0, kMaxBars);
        for (int b = 0; b < bars; ++b)
            visit(state.bars[b]);
    } else if (orderBar >= 0 && orderBar < state.barCount && orderBar < kMaxBars) {
        visit(state.bars[orderBar]);
    }
}

} // namespace

int findDrinkSlot(BarRecord& bar, std::int32_t drinkIndex, bool create) {
    const int slots = std::clamp(bar.drinkCount, 0, kMaxDrinkSlots);
    for (int k = 0; k < slots; ++k)
        if (bar.drinks[k].drinkIndex == drinkIndex) return k;
    if (!create || slots >= kMaxDrinkSlots) return -1;
    bar.drinkCount = slots + 1;
    return slots;
}

bool isFairPrice(double salePrice, double retailPrice) {
    return salePrice <= retailPrice + kFairPriceMargin;
}

PriceVerdict judgeSalePrice(double salePrice, double retailPrice) {
    if (salePrice > retailPrice + 10) return PriceVerdict::TooHigh;
    if (salePrice > retailPrice + 8) return PriceVerdict::AskLower;
    return PriceVerdict::Fine;
}

int orderTargetCount(const GameState& state, int orderBar) {
    if (orderBar == kAllBars) return std::clamp(state.barCount, 0, kMaxBars);
    return orderBar >= 0 && orderBar < state.barCount ? 1 : 0;
}

double orderTotal(const GameState& state, const DrinkOrder& order) {
    return static_cast<double>(order.quantity) * order.retailPrice *
           orderTargetCount(state, order.orderBar);
}

OrderOutcome orderDrinks(GameState& state, const DrinkOrder& order) {
    if (orderTargetCount(state, order.orderBar) == 0) return OrderOutcome::NoBar;
    if (!(orderTotal(state, order) < state.money)) return OrderOutcome::NotEnoughMoney;
    bool room = true;
    forEachTarget(state, order.orderBar, [&](BarRecord& bar) {
        BarRecord probe = bar;
        room = room && findDrinkSlot(probe, order.drinkIndex, true) >= 0;
    });
    if (!room) return OrderOutcome::NoFreeSlot;

    const double share = static_cast<double>(order.quantity) * order.retailPrice;
    const bool fair = isFairPrice(order.salePrice, order.retailPrice);
    forEachTarget(state, order.orderBar, [&](BarRecord& bar) {
        DrinkSlot& slot = bar.drinks[findDrinkSlot(bar, order.drinkIndex, true)];
        slot.inUse = order.inUse ? 1 : 0;
        slot.salePrice = order.salePrice;
        slot.stock = add32(slot.stock, order.quantity);
        slot.drinkIndex = order.drinkIndex;
        slot.fairPrice = fair ? 1 : 0;
        state.money -= share;
        bar.profitThisMonth = sub32(bar.profitThisMonth, truncToInt64(share));
    });
    return OrderOutcome::Ordered;
}

} // namespace tavo
