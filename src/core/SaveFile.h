// Saving and loading a game: the file is the GameState record, byte for
// byte. A loaded file is checked before it replaces the live record.
#pragma once

#include "core/FileIo.h"
#include "core/GameState.h"

#include <string>

namespace tavo {

inline constexpr std::size_t kSaveFileSize = sizeof(GameState);

enum class LoadStatus {
    Loaded,
    CannotOpen,   // the file could not be opened or read
    WrongSize,    // not exactly 12936 bytes
    WrongVersion, // version field is not 5
    BadCounts,    // a count or index would reach outside its table
    Damaged,      // a value no game reaches: not a number, a date or a crowd out of range
};

struct LoadResult {
    LoadStatus status = LoadStatus::CannotOpen;
    std::string reason; // for diagnostics; the game shows its version message
    bool ok() const { return status == LoadStatus::Loaded; }
};

// Checks the bytes of a save file; on success copies them into `out`,
// otherwise leaves `out` as it was.
LoadResult loadGameFromBytes(const unsigned char* data, std::size_t size, GameState& out);
LoadResult loadGame(const std::string& path, GameState& out);

// The counts and indexes that must stay inside their tables; empty when the
// record is sound, otherwise the first fault found.
std::string findCountFault(const GameState& state);

// The values a damaged file may hold and a game never reaches (money or a
// price that is not a finite number, a date outside the calendar, more
// clients than any bar holds); empty when there are none, otherwise the
// first one found, with its field named.
std::string findValueFault(const GameState& state);

// The most clients a day any bar may count; more only comes from damage.
inline constexpr std::int32_t kMostClientsPerDay = 1'000'000;

// Writes the 12936 bytes atomically (see writeFileAtomically). False when
// the file cannot be written or must not be replaced (`reason`, when given,
// then says why); the previous file is then untouched.
bool saveGame(const std::string& path, const GameState& state, std::string* reason = nullptr);

// "NAME.sav.journal" beside "NAME.sav": the commands that made the game.
inline std::string journalPath(const std::string& savePath) {
    return savePath + ".journal";
}

} // namespace tavo
