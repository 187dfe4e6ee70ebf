#include "bars/BarInfo.h"

namespace tavo {
namespace {

BarRecord* ownedBar(GameState& state, int bar) {
    if (bar < 0 || bar >= state.barCount || bar >= kMaxBars) return nullptr;
    return &state.bars[bar];
}

} // namespace

bool toggleOpen(GameState& state, int bar) {
    BarRecord* record = ownedBar(state, bar);
    if (record == nullptr) return false;
    record->isOpen = record->isOpen ? 0 : 1;
    return record->isOpen != 0;
}

bool setEntryPrice(GameState& state, int bar, std::string_view typedPrice,
                   const NumberFormat& format, Voice& voice) {
    const double price = toDecimal(typedPrice.empty() ? "0" : typedPrice, format);
    BarRecord* record = ownedBar(state, bar);
    if (record == nullptr) return true;
    if (!(price <= kEntryPriceLimit)) {
        voice.say(plainMessage(N_("The price you set to enter your bar is too high!")));
        return false;
    }
    record->entryPrice = price;
    return true;
}

std::int64_t moneyLeftToRefund(const GameState& state) {
    std::int64_t left = 0;
    for (const BankAccount& account : state.bankAccounts)
        if (account.loanActive) left += account.loanLeft;
    return left;
}

} // namespace tavo
