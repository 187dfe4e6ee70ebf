// The layout of the fuzz targets' inputs, shared with the program that
// writes their seed corpus.
//
// tavo_fuzz_files: a 24-byte header, then the save, config.kpl, bars list
// and drinks list bytes one after another (each cut to what is left), and
// what remains as the save's finance history.
// tavo_fuzz_script: one byte that picks the seed game, four of the
// generator's seed, then the action script's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tavo::fuzz {

struct FilesHeader {
    std::uint8_t flags; // bit 0: the decimal separator is ','
    std::uint8_t days;  // game days to run: 1 + days % kMostDays
    std::uint16_t saveSize;
    std::uint16_t configSize;
    std::uint16_t barsSize;
    std::uint16_t drinksSize;
    std::uint16_t reserved;
    std::uint32_t seed;
    std::int64_t now;
};
static_assert(sizeof(FilesHeader) == 24);

inline constexpr int kMostDays = 60;

// Client visits a files input may cost (bars x clients x days) before its
// days stop (the first day always runs): a damaged save may hold a million
// clients in each bar.
inline constexpr std::int64_t kClientBudget = 300'000;

struct ScriptHeader {
    std::uint8_t game;
    std::uint8_t seed[4];
};
static_assert(sizeof(ScriptHeader) == 5);

// Game days a script may run in all; a `days` beyond is cut.
inline constexpr long long kScriptDays = 120;

} // namespace tavo::fuzz
