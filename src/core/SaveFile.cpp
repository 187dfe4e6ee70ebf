#include "core/SaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tavo {
namespace {

std::string outside(const char* field, long long value, int low, int high) {
    return std::string(field) + " is " + std::to_string(value) + ", outside " +
           std::to_string(low) + ".." + std::to_string(high);
}

std::string notFinite(const std::string& field, double value) {
    return field + " is " + (std::isnan(value) ? "not a number" : "infinite");
}

std::string ofBar(const char* field, int bar) {
    return std::string(field) + " of bar " + std::to_string(bar);
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

std::string findValueFault(const GameState& state) {
    if (!std::isfinite(state.money)) return notFinite("money", state.money);
    if (state.day < 0 || state.day > 30) return outside("day", state.day, 0, 30);
    if (state.weekDay < 0 || state.weekDay > 7) return outside("weekDay", state.weekDay, 0, 7);
    if (state.month < 1 || state.month > 12) return outside("month", state.month, 1, 12);
    const int bars = ownedBarCount(state);
    for (int b = 0; b < bars; ++b) {
        const BarRecord& bar = state.bars[b];
        if (bar.clientsPerDay < 0 || bar.clientsPerDay > kMostClientsPerDay)
            return outside(ofBar("clientsPerDay", b).c_str(), bar.clientsPerDay, 0,
                           kMostClientsPerDay);
        if (bar.maxClients < 0 || bar.maxClients > kMostClientsPerDay)
            return outside(ofBar("maxClients", b).c_str(), bar.maxClients, 0, kMostClientsPerDay);
        if (!std::isfinite(bar.entryPrice))
            return notFinite(ofBar("entryPrice", b), bar.entryPrice);
        const int slots = std::clamp(bar.drinkCount, 0, kMaxDrinkSlots);
        for (int k = 0; k < slots; ++k)
            if (bar.drinks[k].inUse && !std::isfinite(bar.drinks[k].salePrice))
                return notFinite("salePrice of slot " + std::to_string(k) + " of bar " +
                                     std::to_string(b),
                                 bar.drinks[k].salePrice);
    }
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
    if (std::string fault = findValueFault(scratch); !fault.empty())
        return {LoadStatus::Damaged, fault};
    out = scratch;
    return {LoadStatus::Loaded, {}};
}

LoadResult loadGame(const std::string& path, GameState& out) {
    const FileRead file = readRegularFile(path, kSaveFileSize + 1);
    if (!file.ok) return {LoadStatus::CannotOpen, file.reason};
    if (file.fileSize != kSaveFileSize || file.bytes.size() != kSaveFileSize)
        return {LoadStatus::WrongSize, "the file holds " + std::to_string(file.fileSize) +
                                           " bytes instead of " + std::to_string(kSaveFileSize)};
    return loadGameFromBytes(file.bytes.data(), file.bytes.size(), out);
}

bool saveGame(const std::string& path, const GameState& state, std::string* reason) {
    return writeFileAtomically(path, &state, sizeof state, reason);
}

} // namespace tavo
