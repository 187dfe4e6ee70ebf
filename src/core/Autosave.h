// The running game saved by itself at each month change, into the saves
// folder as autosave-OWNER-1.sav, the newest; the two before it move down to
// autosave-OWNER-2.sav and autosave-OWNER-3.sav and an older one is dropped.
// OWNER is the owner's name, so that each game keeps its own three.
#pragma once

#include "core/FinanceHistory.h"
#include "core/GameState.h"
#include "core/Voice.h"

#include <string>
#include <string_view>

namespace tavo {

inline constexpr int kAutosavesKept = 3;

// "autosave-OWNER-N.sav" in `folder`, N from 1 (the newest), OWNER the
// owner's name with every character but an ASCII letter, digit, '-' and '_'
// made '_' (a name of the game's own, one byte a character, never a path).
std::string autosavePath(const std::string& folder, std::string_view ownerName, int n);

// Writes the game, its history and its journal in full beside the autosaves
// before any of them moves, then turns the older ones down one place (each
// with its history and journal) and puts it first. False when the game could
// not be written: the autosaves are then as they were.
bool autosave(const std::string& folder, const GameState& state, const FinanceHistory& history = {},
              std::string_view journal = {});

// What the message box says when the game could not save itself in `folder`.
Phrase autosaveFailure(const std::string& folder);

} // namespace tavo
