// The games the fuzz targets start from and the soak plays: built by the
// game's own rules where the rules can build them, so that every part of
// the record holds what a real game holds.
#pragma once

#include "game/Game.h"

#include <string>
#include <vector>

namespace tavo::fuzz {

struct SeedGame {
    std::string name;
    Game game; // record, lists and number format
};

// The shipped bars and drinks lists are read from `dataDir`. The games:
//   fresh      an owner just created, no bar yet
//   first-bar  the first bar bought on the map, drinks ordered, open
//   banker     three bars, loans, investments, fire and theft insurance,
//              two administrators and Lotto tickets, on 29 December
//   worst-case the heaviest game the rules allow (25 full bars, four
//              administrators with every duty, every bank in use)
// Throws std::runtime_error when a list cannot be read or a step of the
// rules refuses.
std::vector<SeedGame> seedGames(const std::string& dataDir);

} // namespace tavo::fuzz
