#include "support/States.h"

#include "core/FixedText.h"

namespace tavo::test {

GameState startedGame(double money) {
    GameState state{};
    state.version = kSaveVersion;
    state.barCapacity = kMaxBars;
    state.day = 1;
    state.weekDay = 1;
    state.month = 1;
    state.year = 1980;
    state.money = money;
    state.lottoJackpot = 1000000;
    return state;
}

BarRecord& addBar(GameState& state, std::int32_t clientsPerDay, double entryPrice, bool open) {
    BarRecord& bar = state.bars[state.barCount++];
    bar = BarRecord{};
    bar.clientsPerDay = clientsPerDay;
    bar.maxClients = clientsPerDay + 100;
    bar.entryPrice = entryPrice;
    bar.isOpen = open ? 1 : 0;
    setFixedText(bar.barName, "Test bar");
    return bar;
}

DrinkSlot& addSlot(BarRecord& bar, std::int32_t drinkIndex, std::int32_t stock, double salePrice,
                   bool inUse, bool fairPrice) {
    DrinkSlot& slot = bar.drinks[bar.drinkCount++];
    slot = DrinkSlot{};
    slot.drinkIndex = drinkIndex;
    slot.stock = stock;
    slot.salePrice = salePrice;
    slot.inUse = inUse ? 1 : 0;
    slot.fairPrice = fairPrice ? 1 : 0;
    return slot;
}

BankAccount& openLoan(GameState& state, int bank, std::int32_t amount, std::int32_t left,
                      float rate) {
    BankAccount& account = state.bankAccounts[bank];
    account.loanActive = 1;
    account.loanAmount = amount;
    account.loanLeft = left;
    account.loanRate = rate;
    return account;
}

AdminRecord& addAdmin(GameState& state, bool tickets, bool drinks, bool loans) {
    AdminRecord& admin = state.admins[state.adminCount++];
    admin = AdminRecord{};
    admin.canBuyTickets = tickets ? 1 : 0;
    admin.canBuyDrinks = drinks ? 1 : 0;
    admin.canManageLoans = loans ? 1 : 0;
    return admin;
}

DrinkListEntry makeDrink(const std::string& name, const std::string& retailPrice,
                         std::int32_t kind) {
    DrinkListEntry drink{};
    setFixedText(drink.name, name);
    setFixedText(drink.retailPrice, retailPrice);
    setFixedText(drink.weight, "12");
    setFixedText(drink.alcohol, kind ? "40" : "5");
    drink.kind = kind;
    return drink;
}

BarListEntry makeBar(const std::string& name, std::int32_t price, std::int32_t classMask,
                     std::int32_t maxClients) {
    BarListEntry entry{};
    setFixedText(entry.name, name);
    entry.price = price;
    entry.costPerMonth = 1500;
    entry.peoplePerDay = 60;
    entry.classMask = classMask;
    entry.maxClients = maxClients;
    return entry;
}

} // namespace tavo::test
