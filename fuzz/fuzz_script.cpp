// libFuzzer target: random action scripts played through the script player
// (the engine of tavo-sim --script) on one of the seed games (see Inputs.h).
// Whatever the player does, every count stays inside its table and the game
// saved at the end loads again.

#include "Inputs.h"
#include "SeedGames.h"
#include "core/SaveFile.h"
#include "game/ScriptPlayer.h"

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
void limitDays(std::vector<ScriptCommand>& commands) {
    long long left = fuzz::kScriptDays;
    for (ScriptCommand& command : commands) {
        if (command.name != "days") continue;
        const long long days = std::min(wholeNumber(command.args[0].text), left);
        command.args[0].text = std::to_string(days);
        left -= days;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(fuzz::ScriptHeader)) return 0;
    fuzz::ScriptHeader header;
    std::memcpy(&header, data, sizeof header);
    Game game = games()[header.game % games().size()].game;
    std::uint32_t seed = 0;
    std::memcpy(&seed, header.seed, sizeof seed);
    game.random.setSeed(seed);

    const std::string_view text(reinterpret_cast<const char*>(data) + sizeof header,
                                size - sizeof header);
    std::ostringstream out;
    const FixedTimeSource clock(315532800 + seed % 1000000);
    try {
        std::vector<ScriptCommand> commands = readScript(text);
        limitDays(commands);
        ScriptPlayer(game, clock, out, [](const std::string&) {}).play(commands);
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
