#include "Damage.h"

#include "core/SaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tavo::fuzz {
namespace {

// Brings a value into low..high by wrapping, as a damaged field may hold
// anything.
template <typename Int>
Int wrap(Int value, std::int64_t low, std::int64_t high) {
    const std::int64_t span = high - low + 1;
    return static_cast<Int>(low + ((static_cast<std::int64_t>(value) - low) % span + span) % span);
}

double finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

GameState loadable(const unsigned char* bytes, std::size_t size, std::int32_t mostClients) {
    GameState state;
    std::memset(&state, 0, sizeof state);
    std::memcpy(&state, bytes, std::min(size, sizeof state));
    state.version = kSaveVersion;
    state.barCount = wrap(state.barCount, 0, kMaxBars);
    state.adminCount = wrap(state.adminCount, 0, kMaxAdmins);
    state.lottoTicketCount = wrap(state.lottoTicketCount, 0, kMaxLottoTickets);
    state.currentBar = wrap(state.currentBar, 0, kMaxBars - 1);
    state.money = finite(state.money);
    state.day = wrap(state.day, 0, 30);
    state.weekDay = wrap(state.weekDay, 0, 7);
    state.month = wrap(state.month, 1, 12);
    for (int b = 0; b < state.barCount; ++b) {
        BarRecord& bar = state.bars[b];
        bar.drinkCount = wrap(bar.drinkCount, 0, kMaxDrinkSlots);
        bar.clientsPerDay = wrap(bar.clientsPerDay, 0, mostClients);
        bar.maxClients = wrap(bar.maxClients, 0, kMostClientsPerDay);
        bar.entryPrice = finite(bar.entryPrice);
        for (DrinkSlot& slot : bar.drinks)
            slot.salePrice = finite(slot.salePrice);
    }
    return state;
}

std::int64_t clientsOfADay(const GameState& state) {
    std::int64_t clients = 0;
    for (int b = 0; b < std::clamp(state.barCount, 0, kMaxBars); ++b)
        if (state.bars[b].isOpen) clients += std::max(state.bars[b].clientsPerDay, 0);
    return clients;
}

} // namespace tavo::fuzz
