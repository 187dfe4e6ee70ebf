#include "game/Days.h"

#include "banks/Fire.h"

namespace tavo {

void runDays(Game& game, long long days, const TimeSource& clock, MessageSink& messages,
             const std::function<void(const std::string&)>& note) {
    for (long long day = 1; day <= days; ++day) {
        try {
            const DayOutcome outcome = runGameDay(game, messages);
            if (!outcome.fireStrikes) continue;
            if (auto fire = applyFire(game.state, game.random, clock.nowSeconds()))
                note("day " + std::to_string(day) + ": fire in bar " + std::to_string(fire->bar) +
                     (fire->insured ? " (insured)" : " (not insured)") + ", damage " +
                     std::to_string(fire->damage));
        } catch (const ConversionError& error) {
            note("day " + std::to_string(day) + " stopped: " + error.what());
        }
    }
}

} // namespace tavo
