// The running game saved by itself at each month change, into the saves
// folder as autosave-OWNER-TAG-1.sav, the newest; the two before it move
// down to -2.sav and -3.sav and an older one is dropped. OWNER is the owner's
// name as a file name can hold it, TAG a short hash of the owner's exact name
// and the game's start, so that each game keeps its own three: two owners
// whose names a file name cannot tell apart, or two games of one owner, never
// share them. A loaded game keeps its start in its history, and so goes on
// with its own autosaves.
#pragma once

#include "core/FinanceHistory.h"
#include "core/GameState.h"
#include "core/Voice.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tavo {

inline constexpr int kAutosavesKept = 3;

// "autosave-OWNER-TAG" for the game of `ownerName` (the record's bytes, one
// a character) begun at `gameStart`: OWNER the name with every character but
// an ASCII letter, digit, '-' and '_' made '_', TAG eight hexadecimal digits
// of a hash of the name's bytes and the start.
std::string autosaveName(std::string_view ownerName, std::int64_t gameStart);

// The autosave N (1, the newest, to kAutosavesKept) of that game in `folder`.
std::string autosavePath(const std::string& folder, std::string_view ownerName,
                         std::int64_t gameStart, int n);

// Writes the game, its history and its journal in full beside the autosaves
// before any of them moves, then turns the older ones down one place (each
// with its history and journal) and puts it first. The game is told by its
// owner and the start its history keeps. False when the game could not be
// written: the autosaves are then as they were.
bool autosave(const std::string& folder, const GameState& state, const FinanceHistory& history = {},
              std::string_view journal = {});

// What the message box says when the game could not save itself in `folder`.
Phrase autosaveFailure(const std::string& folder);

} // namespace tavo
