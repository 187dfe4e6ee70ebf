// The layout of the fuzz targets' inputs, shared with the program that
// writes their seed corpus.
//
// tavo_fuzz_files: a 24-byte header, then the save, config.kpl, bars list
// and drinks list bytes one after another (each cut to what is left), and
// what remains as the save's finance history.
// tavo_fuzz_script: an 8-byte header (the seed game, the generator's seed,
// the separator, how the lists are cut), then `patches` damages of three
// bytes each (where, little-endian, in the record then the bars list then
// the drinks list; the byte written), then the action script's text.
// tavo_fuzz_disk: file operations in a private folder, each an opcode byte,
// an argument byte and, for a file's contents, two length bytes and the
// bytes.
// tavo_fuzz_data: one byte (bit 0: a drinks source, else bars; bit 1: the
// rest is a list file to dump, else a source), then the bytes.
// tavo_fuzz_qm: the bytes of a translation file (.qm).
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
// clients in each bar. A visit costs the same whatever the crowd, so a small
// budget reaches what a large one does, a thousand inputs a second.
inline constexpr std::int64_t kClientBudget = 40'000;

struct ScriptHeader {
    std::uint8_t game;
    std::uint8_t seed[4];
    std::uint8_t flags;   // bit 0: the decimal separator is ','
    std::uint8_t cut;     // entries kept of the bars list (low 4 bits) and the
                          // drinks list (high 4 bits); 0 keeps them all, 15 none
    std::uint8_t patches; // damages that follow, 3 bytes each
};
static_assert(sizeof(ScriptHeader) == 8);

struct Patch {
    std::uint8_t where[2];
    std::uint8_t value;
};
static_assert(sizeof(Patch) == 3);

// Game days a script may run in all; a `days` beyond is cut. A damaged game,
// whose bars may all be open and crowded, runs fewer.
inline constexpr long long kScriptDays = 120;
inline constexpr long long kDamagedScriptDays = 30;
inline constexpr std::int32_t kDamagedClients = 2000;

// The disk target's operations (opcode % kDiskOps).
enum class DiskOp : std::uint8_t {
    MakeFile, // name, then two length bytes and that many bytes, cycled
    MakeLink, // name -> another name (arg bits 4..7: 0..7), a missing file (8), or itself
    MakeFifo, // name
    MakeFolder,
    Protect,   // name: mode 0444, or 0644 again (arg bit 4)
    LoadSave,  // name: load it; a game that loads becomes the one written
    WriteSave, // name: save the current game there
    Config,    // name: read it as config.kpl, then write it back if writable
    Lists,     // name: load it as a bars and a drinks list
    History,   // name: load then write the history beside a save
    Autosave,  // into the saves folder
    Leftover,  // a temporary file of a name, an hour old or just made
    Sidecar,   // name: write a journal beside it, as beside a save
    Settings,  // settings.ini of the folder: read a setting, then write it (arg bit 4)
    Count,
};
inline constexpr int kDiskOps = static_cast<int>(DiskOp::Count);
// The names the disk target's files take: two saves, config.kpl, the two
// lists, the first save's history and journal, settings.ini.
inline constexpr int kDiskNames = 8;
// Operations an input may hold: enough for every kind of damage before a
// save or a load (the seeds use at most 14), few enough that a run makes a
// thousand inputs a second.
inline constexpr int kMostDiskOps = 16;

} // namespace tavo::fuzz
