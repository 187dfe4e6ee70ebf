// Game days run without a window, exactly as the game window's clock runs
// them: the fire, when it strikes, burns at once as if its window were
// shown. Used by tavo-sim's --days and by the script's `days`.
#pragma once

#include "core/MessageSink.h"
#include "core/TimeSource.h"
#include "game/Game.h"

#include <functional>
#include <string>

namespace tavo {

// `note` hears, as one line each, of every fire and of every day stopped by
// a number that does not convert (the next day runs all the same).
void runDays(Game& game, long long days, const TimeSource& clock, MessageSink& messages,
             const std::function<void(const std::string&)>& note);

} // namespace tavo
