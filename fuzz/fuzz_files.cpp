// libFuzzer target: arbitrary bytes as a save file, config.kpl, the two
// list files and the save's finance history (see Inputs.h), then game days
// on whatever loads (or, when the save is refused, on a record made loadable
// from the same bytes), the fire included when it strikes; the history the
// days leave reads back the same.

#include "Damage.h"
#include "Inputs.h"
#include "core/ConfigRecord.h"
#include "core/FinanceHistory.h"
#include "core/FixedText.h"
#include "core/SaveFile.h"
#include "game/Game.h"
#include "game/Session.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace tavo;

class CountingSink final : public SessionListener {
public:
    void messagePosted(const Phrase& text) override { total += text.text().size(); }
    std::size_t total = 0;
};

// Crowds up to the loader's limit come through saves that load; a patched
// record, whose bars are mostly open, keeps to smaller ones so that its first
// day stays quick.
constexpr std::int32_t kPatchedClients = 1500;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FilesHeader header{};
    std::memcpy(&header, data, std::min(size, sizeof header));
    std::size_t at = std::min(size, sizeof header);
    const auto take = [&](std::size_t want) {
        const std::size_t got = std::min<std::size_t>(want, size - at);
        const unsigned char* start = data + at;
        at += got;
        return std::pair{start, got};
    };
    const auto [save, saveSize] = take(header.saveSize);
    const auto [config, configSize] = take(header.configSize);
    const auto [bars, barsSize] = take(header.barsSize);
    const auto [drinks, drinksSize] = take(header.drinksSize);
    const auto [history, historySize] = take(size - at);

    Game game;
    game.config = configFromBytes(config, configSize);
    if (fixedText(game.config.barsListPath).size() > 100 ||
        fixedText(game.config.drinksListPath).size() > 200)
        std::abort();
    if (!game.bars.loadFromBytes(bars, barsSize) && !game.bars.isEmpty()) std::abort();
    if (!game.drinks.loadFromBytes(drinks, drinksSize) && !game.drinks.isEmpty()) std::abort();
    game.numberFormat.decimalSeparator = (header.flags & 1) ? ',' : '.';
    game.random.setSeed(header.seed);

    if (!loadGameFromBytes(save, saveSize, game.state).ok()) {
        const GameState patched = fuzz::loadable(save, saveSize, kPatchedClients);
        if (!loadGameFromBytes(reinterpret_cast<const unsigned char*>(&patched), sizeof patched,
                               game.state)
                 .ok())
            std::abort(); // every checked field was brought into range
    }

    game.history = historyFromBytes(Bytes(history, history + historySize), game.state);
    CountingSink messages;
    const FixedTimeSource clock(header.now);
    Session session(game, clock);
    session.listen(&messages);
    std::int64_t budget = fuzz::kClientBudget;
    for (int day = 0; day < 1 + header.days % fuzz::kMostDays && budget > 0; ++day) {
        // The first day always runs, whatever its crowd; the later ones
        // while the budget lasts.
        budget -= fuzz::clientsOfADay(game.state);
        session.days(1);
        if (formatGeneral(game.state.money, game.numberFormat).empty()) std::abort();
        if (!findCountFault(game.state).empty()) std::abort(); // the rules keep every count
    }
    if (historyFromBytes(historyBytes(game.history, game.state), game.state) != game.history)
        std::abort();
    return 0;
}
