// libFuzzer target: arbitrary bytes as a save file, config.kpl and the two
// list files, then 60 game days on whatever loads (or, when the save is
// refused, on a record made loadable from the same bytes).

#include "banks/Fire.h"
#include "core/ConfigRecord.h"
#include "core/FixedText.h"
#include "game/Game.h"
#include "core/SaveFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using namespace tavo;

class CountingSink final : public MessageSink {
public:
    void post(const std::string& text) override { total += text.size(); }
    std::size_t total = 0;
};

// The same bytes with the version and every count brought into range.
GameState loadable(const std::vector<std::uint8_t>& bytes) {
    GameState state;
    std::memset(&state, 0, sizeof state);
    if (!bytes.empty()) std::memcpy(&state, bytes.data(), std::min(bytes.size(), sizeof state));
    auto inRange = [](std::int64_t value, int count) {
        return static_cast<int>(((value % count) + count) % count);
    };
    state.version = kSaveVersion;
    state.barCount = inRange(state.barCount, kMaxBars + 1);
    for (int b = 0; b < state.barCount; ++b)
        state.bars[b].drinkCount = inRange(state.bars[b].drinkCount, kMaxDrinkSlots + 1);
    state.adminCount = inRange(state.adminCount, kMaxAdmins + 1);
    state.lottoTicketCount = static_cast<std::int16_t>(inRange(state.lottoTicketCount, 11));
    state.currentBar = inRange(state.currentBar, kMaxBars);
    return state;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto saveBytes =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 13000));
    const auto configBytes =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 400));
    const auto barBytes =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 2000));
    const auto drinkBytes =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 1000));
    const char separator = input.ConsumeBool() ? ',' : '.';
    const auto now = input.ConsumeIntegral<std::int64_t>();
    const auto seed = input.ConsumeIntegral<std::uint32_t>();

    Game game;
    game.config = configFromBytes(configBytes.data(), configBytes.size());
    if (fixedText(game.config.barsListPath).size() > 100 ||
        fixedText(game.config.drinksListPath).size() > 200)
        std::abort();
    game.bars.loadFromBytes(barBytes.data(), barBytes.size());
    game.drinks.loadFromBytes(drinkBytes.data(), drinkBytes.size());
    game.numberFormat.decimalSeparator = separator;
    game.random.setSeed(seed);

    if (!loadGameFromBytes(saveBytes.data(), saveBytes.size(), game.state).ok()) {
        GameState patched = loadable(saveBytes);
        if (!loadGameFromBytes(reinterpret_cast<const std::uint8_t*>(&patched), sizeof patched,
                               game.state)
                 .ok())
            std::abort(); // every count was brought into range
    }
    // Huge client counts from a damaged file are slow, not unsafe: keep
    // each run short.
    for (auto& bar : game.state.bars)
        bar.clientsPerDay %= 3000;

    CountingSink messages;
    for (int day = 0; day < 60; ++day) {
        try {
            DayOutcome outcome = runGameDay(game, messages);
            if (outcome.fireStrikes) applyFire(game.state, game.random, now);
        } catch (const ConversionError&) {
            // The day stops; the next one runs.
        }
        if (formatGeneral(game.state.money, game.numberFormat).empty()) std::abort();
        if (findCountFault(game.state) != "") std::abort(); // the rules keep every count in range
    }
    return 0;
}
