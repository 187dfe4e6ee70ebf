#include "core/NewGame.h"

namespace tavo {

void beginNewGame(GameState& state, Random& random, std::int64_t nowSeconds) {
    state.barCapacity = kMaxBars;
    state.day = 0;
    state.month = 1;
    state.year = kFirstYear;
    state.version = kSaveVersion;
    random.reseed(nowSeconds);
    state.weekDay = 0;
}

} // namespace tavo
