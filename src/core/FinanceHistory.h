// The game's finances month by month: the money at each month's end and
// each bar's profit and visitors in that month, and when the game began. It
// is kept beside a save in a small file of its own, NAME.sav.history, so
// that the save stays the game's record byte for byte; a missing or damaged
// history, or one written with another save, is simply no history.
#pragma once

#include "core/FileIo.h"
#include "core/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavo {

struct BarMonth {
    std::string name;
    std::int32_t profit = 0;
    std::int32_t visitors = 0;
    bool operator==(const BarMonth&) const = default;
};

struct FinanceMonth {
    std::int32_t year = 0;
    std::int32_t month = 0; // 1..12: the month that ended
    double money = 0;       // after the month's charges
    std::vector<BarMonth> bars;
    bool operator==(const FinanceMonth&) const = default;
};

struct FinanceHistory {
    std::vector<FinanceMonth> months;
    // The clock's seconds when the game began (the new game's seed), which
    // tells the game apart from another of the same owner; 0 when unknown.
    std::int64_t gameStart = 0;
    bool operator==(const FinanceHistory&) const = default;
};

// The most months a history keeps: the oldest go first.
inline constexpr std::size_t kHistoryMonths = 1200;

// After the month change that `state` has just run: the month that ended.
void recordMonth(FinanceHistory& history, const GameState& state);

// The sidecar's bytes, bound to the save of `state` (its date and money).
Bytes historyBytes(const FinanceHistory& history, const GameState& state);
// The history in `bytes` when it is sound and was written with the save of
// `state`; otherwise an empty history.
FinanceHistory historyFromBytes(const Bytes& bytes, const GameState& state);

std::string historyPath(const std::string& savePath);
// Writes the sidecar of the save at `savePath` (see writeSidecarFile). When
// it cannot be written an older sidecar is removed, so that none lies.
bool saveHistory(const std::string& savePath, const FinanceHistory& history,
                 const GameState& state);
FinanceHistory loadHistory(const std::string& savePath, const GameState& state);

} // namespace tavo
