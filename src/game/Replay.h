// A journal played again: its opening lines (what the run read from
// outside), then the save it starts from when it names one, then the game.
#pragma once

#include "game/ScriptPlayer.h"
#include "game/Session.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// Plays `text` on `session`, whose lists and number format are set as the
// run's. `startSave` is the save the journal starts from, when it starts
// from one: it must be that very save (its SHA-256 is in the journal).
// Throws ScriptError for a journal that is damaged (its line, its reason),
// and ReplayRefused when the save is missing, refused or another one, or
// the lists are not the journal's.
void replayJournal(std::string_view text, Session& session, ScriptPlayer& player,
                   const std::optional<std::string>& startSave);

} // namespace tavo
