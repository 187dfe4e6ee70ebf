// libFuzzer target: random action scripts played through the script player
// (the engine of tavo-sim --script) on one of the seed games (see Inputs.h),
// which the input may damage (bytes of the record and of the lists changed,
// the lists cut short or emptied) and play with either decimal separator.
// Whatever the player does, every count stays inside its table and the game
// saved at the end loads again.

#include "Damage.h"
#include "Inputs.h"
#include "SeedGames.h"
#include "core/SaveFile.h"
#include "game/ScriptPlayer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace {

using namespace tavo;

const std::vector<fuzz::SeedGame>& games() {
    static const std::vector<fuzz::SeedGame> kGames = fuzz::seedGames(TAVO_DATA_DIR);
    return kGames;
}

// Cuts the script's days to the budget.
void limitDays(std::vector<ScriptCommand>& commands, long long left) {
    for (ScriptCommand& command : commands) {
        if (command.name != "days") continue;
        const long long days = std::min(wholeNumber(command.args[0].text), left);
        command.args[0].text = std::to_string(days);
        left -= days;
    }
}

// The list rebuilt from its bytes, `keep` entries of it (0 all, 15 none).
template <typename List>
void rebuild(List& list, Bytes bytes, int keep) {
    using Entry = std::remove_pointer_t<decltype(list.at(0))>;
    if (keep != 0) bytes.resize(std::min(bytes.size(), sizeof(Entry) * (keep == 15 ? 0 : keep)));
    if (!list.loadFromBytes(bytes.data(), bytes.size()) && !list.isEmpty()) std::abort();
}

// Writes the patches into the record and the lists, then makes the record
// loadable again and rebuilds the lists from their bytes.
void damage(Game& game, const fuzz::ScriptHeader& header, const fuzz::Patch* patches) {
    auto* record = reinterpret_cast<unsigned char*>(&game.state);
    Bytes bars = fuzz::listBytes(game.bars);
    Bytes drinks = fuzz::listBytes(game.drinks);
    const std::size_t total = sizeof game.state + bars.size() + drinks.size();
    for (int p = 0; p < header.patches; ++p) {
        std::size_t at = (patches[p].where[0] | patches[p].where[1] << 8) % total;
        if (at < sizeof game.state) {
            record[at] = patches[p].value;
        } else if ((at -= sizeof game.state) < bars.size()) {
            bars[at] = patches[p].value;
        } else {
            drinks[at - bars.size()] = patches[p].value;
        }
    }
    if (header.patches > 0)
        game.state = fuzz::loadable(record, sizeof game.state, fuzz::kDamagedClients);
    rebuild(game.bars, bars, header.cut & 15);
    rebuild(game.drinks, drinks, header.cut >> 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(fuzz::ScriptHeader)) return 0;
    fuzz::ScriptHeader header;
    std::memcpy(&header, data, sizeof header);
    const std::size_t patchBytes = header.patches * sizeof(fuzz::Patch);
    if (size < sizeof header + patchBytes) return 0;
    Game game = games()[header.game % games().size()].game;
    damage(game, header, reinterpret_cast<const fuzz::Patch*>(data + sizeof header));
    game.numberFormat.decimalSeparator = (header.flags & 1) ? ',' : '.';
    std::uint32_t seed = 0;
    std::memcpy(&seed, header.seed, sizeof seed);
    game.random.setSeed(seed);

    const std::string_view text(reinterpret_cast<const char*>(data) + sizeof header + patchBytes,
                                size - sizeof header - patchBytes);
    std::ostringstream out;
    const FixedTimeSource clock(315532800 + seed % 1000000);
    try {
        std::vector<ScriptCommand> commands = readScript(text);
        limitDays(commands, header.patches > 0 ? fuzz::kDamagedScriptDays : fuzz::kScriptDays);
        Session session(game, clock);
        ScriptPlayer(session, out).play(commands);
    } catch (const ScriptError&) {
        // A line that is not a command, or a click the window does not offer.
    }
    if (!findCountFault(game.state).empty()) std::abort();
    GameState reloaded{};
    const LoadResult loaded = loadGameFromBytes(reinterpret_cast<const unsigned char*>(&game.state),
                                                sizeof game.state, reloaded);
    if (!loaded.ok()) {
        std::fprintf(stderr, "the game saved cannot be loaded: %s\n", loaded.reason.c_str());
        std::abort();
    }
    return 0;
}
