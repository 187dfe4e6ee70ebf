#include "core/SaveFile.h"

#include <cstring>

namespace tavo {
namespace {

std::string outside(const char* field, long long value, int low, int high) {
    return std::string(field) + " is " + std::to_string(value) + ", outside " +
           std::to_string(low) + ".." + std::to_string(high);
}

} // namespace

std::string findCountFault(const GameState& state) {
    if (state.barCount < 0 || state.barCount > kMaxBars)
        return outside("barCount", state.barCount, 0, kMaxBars);
    for (int b = 0; b < state.barCount; ++b) {
        int count = state.bars[b].drinkCount;
        if (count < 0 || count > kMaxDrinkSlots)
            return outside(("drinkCount of bar " + std::to_string(b)).c_str(), count, 0,
                           kMaxDrinkSlots);
    }
    if (state.adminCount < 0 || state.adminCount > kMaxAdmins)
        return outside("adminCount", state.adminCount, 0, kMaxAdmins);
    if (state.lottoTicketCount < 0 || state.lottoTicketCount > kMaxLottoTickets)
        return outside("lottoTicketCount", state.lottoTicketCount, 0, kMaxLottoTickets);
    if (state.currentBar < 0 || state.currentBar >= kMaxBars)
        return outside("currentBar", state.currentBar, 0, kMaxBars - 1);
    return {};
}

LoadResult loadGameFromBytes(const unsigned char* data, std::size_t size, GameState& out) {
    if (size != kSaveFileSize)
        return {LoadStatus::WrongSize, "the file holds " + std::to_string(size) +
                                           " bytes instead of " + std::to_string(kSaveFileSize)};
    GameState scratch;
    std::memcpy(&scratch, data, kSaveFileSize);
    if (scratch.version != kSaveVersion)
        return {LoadStatus::WrongVersion,
                "version " + std::to_string(scratch.version) + " instead of 5"};
    if (std::string fault = findCountFault(scratch); !fault.empty())
        return {LoadStatus::BadCounts, fault};
    out = scratch;
    return {LoadStatus::Loaded, {}};
}

LoadResult loadGame(const std::string& path, GameState& out) {
    auto bytes = readFileBytes(path, kSaveFileSize + 1);
    if (!bytes) return {LoadStatus::CannotOpen, "cannot open " + path};
    return loadGameFromBytes(bytes->data(), bytes->size(), out);
}

bool saveGame(const std::string& path, const GameState& state) {
    return writeFileAtomically(path, &state, sizeof state);
}

} // namespace tavo
