#include "bars/DrinkOrder.h"

#include "core/Arithmetic.h"
#include "core/FixedText.h"

#include <algorithm>

namespace tavo {
namespace {

template <typename Visit>
void forEachTarget(GameState& state, int orderBar, Visit visit) {
    if (orderBar == kAllBars) {
        const int bars = ownedBarCount(state);
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
    if (orderBar == kAllBars) return ownedBarCount(state);
    return orderBar >= 0 && orderBar < state.barCount ? 1 : 0;
}

namespace {

// A figure as the window shows it, read back: what the player sees is what
// the order is checked against.
double asShown(double value) {
    const NumberFormat point{'.'};
    return tryToDecimal(formatGeneral(value, point), point).value_or(value);
}

} // namespace

double orderTotal(const GameState& state, const DrinkOrder& order) {
    return asShown(static_cast<double>(order.quantity) * order.retailPrice *
                   orderTargetCount(state, order.orderBar));
}

OrderFigures orderFigures(const GameState& state, const TDrinkList& drinks, int orderBar,
                          std::int32_t drinkIndex, std::string_view quantity,
                          std::string_view salePrice, const NumberFormat& format) {
    OrderFigures figures;
    const DrinkListEntry* drink = drinks.at(drinkIndex);
    const auto units = tryToInteger(quantity);
    const auto retail = drink ? tryToDecimal(fixedText(drink->retailPrice), format) : std::nullopt;
    const auto sale = tryToDecimal(salePrice, format);
    if (!units || !retail || !sale) return figures;
    const double n = orderTargetCount(state, orderBar);
    figures.total = static_cast<double>(*units) * *retail * n;
    figures.profit = static_cast<double>(*units) * *sale * n - *figures.total;
    return figures;
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

namespace {

Words oups(const char* text) {
    return refusal(text, N_("Oups!"));
}

// This system cannot read the list's prices: the list written for the
// decimal point is used from the next start.
void switchToUsList(ConfigRecord& config, ConfigStore& store, Voice& voice) {
    voice.say(oups(N_("You must use the US version of the drinks list.\nWe've updated your config "
                      "file.\nSave your game and restart Tavo.\nYou can also choose another drinks "
                      "list in the setup menu.")));
    setFixedText(config.drinksListPath, kUsDrinksList);
    if (!store.write(config)) voice.say(configUnwritable());
}

} // namespace

AfterOrder placeOrder(GameState& state, ConfigRecord& config, ConfigStore& store,
                      const TDrinkList& drinks, const OrderForm& form, const NumberFormat& format,
                      Voice& voice, std::optional<double>* paid) {
    const DrinkListEntry* drink = drinks.at(form.drinkIndex);
    if (drink == nullptr || !form.barPicked || form.quantity.empty() || form.salePrice.empty()) {
        voice.say(oups(N_("You must fill all the forms.")));
        return AfterOrder::StayOpen;
    }
    const auto retail = tryToDecimal(fixedText(drink->retailPrice), format);
    if (!retail) {
        switchToUsList(config, store, voice);
        return AfterOrder::Close;
    }
    const double sale = toDecimal(form.salePrice, format);
    bool off = false;
    switch (judgeSalePrice(sale, *retail)) {
    case PriceVerdict::TooHigh:
        voice.say(oups(N_("The price of this drink is too high!\nYou must lower it!")));
        off = true;
        break;
    case PriceVerdict::AskLower:
        off = voice.ask(question(N_("The price of this drink is too high.\nDo you want to set a "
                                    "lower price?"),
                                 N_("Set a lower price?")));
        break;
    case PriceVerdict::Fine:
        break;
    }
    // A negative price decides before the quantity is read.
    if (sale < 0 || toInteger(form.quantity) <= 0) {
        voice.say(plainMessage(N_("You must enter a valid price and a valid qty to order.")));
        off = true;
    }
    if (off) return AfterOrder::StayOpen;
    const DrinkOrder order{form.orderBar, form.drinkIndex, toInteger(form.quantity),
                           sale,          *retail,         form.inUse};
    const double moneyBefore = state.money;
    switch (orderDrinks(state, order)) {
    case OrderOutcome::NotEnoughMoney:
        voice.say(oups(N_("You don't have enough money to order!")));
        return AfterOrder::StayOpen;
    case OrderOutcome::NoFreeSlot:
        voice.say(oups(N_("A bar sells 15 different drinks at most:\nthis one has no room left for "
                          "another drink.")));
        return AfterOrder::StayOpen;
    case OrderOutcome::NoBar:
        voice.say(oups(N_("You have no bar to order these drinks for.")));
        return AfterOrder::StayOpen;
    case OrderOutcome::Ordered:
        break;
    }
    if (paid) *paid = moneyBefore - state.money;
    if (config.DrinkClose) return AfterOrder::Close;
    voice.say(plainMessage(N_("Your order have been made.")));
    return AfterOrder::StayOpen;
}

} // namespace tavo
