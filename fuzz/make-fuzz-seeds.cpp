// Writes the fuzz targets' seed corpus from the seed games:
//   make-fuzz-seeds DATA_DIR OUT_DIR
// makes OUT_DIR/files/* (full-size saves with real lists and config.kpl)
// and OUT_DIR/scripts/* (action scripts on each seed game). The corpus in
// fuzz/seeds is its output, committed; CI checks that it is up to date.

#include "Inputs.h"
#include "SeedGames.h"
#include "core/FileIo.h"
#include "core/FixedText.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

using namespace tavo;

template <typename List>
Bytes listBytes(const List& list) {
    Bytes bytes;
    for (int i = 0; i < list.count(); ++i) {
        const auto* raw = reinterpret_cast<const unsigned char*>(list.at(i));
        bytes.insert(bytes.end(), raw, raw + sizeof *list.at(i));
    }
    return bytes;
}

void write(const std::string& path, const Bytes& bytes) {
    if (!writeFileAtomically(path, bytes.data(), bytes.size()))
        throw std::runtime_error("cannot write " + path);
}

Bytes filesInput(const Game& game, const ConfigRecord& config, std::uint8_t days,
                 std::uint32_t seed) {
    const Bytes bars = listBytes(game.bars);
    const Bytes drinks = listBytes(game.drinks);
    fuzz::FilesHeader header{};
    header.flags = game.numberFormat.decimalSeparator == ',' ? 1 : 0;
    header.days = days;
    header.saveSize = sizeof(GameState);
    header.configSize = sizeof(ConfigRecord);
    header.barsSize = static_cast<std::uint16_t>(bars.size());
    header.drinksSize = static_cast<std::uint16_t>(drinks.size());
    header.seed = seed;
    header.now = 315532800 + seed;
    Bytes bytes(sizeof header);
    std::memcpy(bytes.data(), &header, sizeof header);
    const auto* state = reinterpret_cast<const unsigned char*>(&game.state);
    bytes.insert(bytes.end(), state, state + sizeof game.state);
    const auto* record = reinterpret_cast<const unsigned char*>(&config);
    bytes.insert(bytes.end(), record, record + sizeof config);
    bytes.insert(bytes.end(), bars.begin(), bars.end());
    bytes.insert(bytes.end(), drinks.begin(), drinks.end());
    return bytes;
}

Bytes scriptInput(std::uint8_t game, std::uint32_t seed, const std::string& script) {
    Bytes bytes(sizeof(fuzz::ScriptHeader));
    bytes[0] = game;
    std::memcpy(bytes.data() + 1, &seed, sizeof seed);
    bytes.insert(bytes.end(), script.begin(), script.end());
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-fuzz-seeds DATA_DIR OUT_DIR\n");
        return 2;
    }
    try {
        const std::string out = argv[2];
        std::filesystem::create_directories(out + "/files");
        std::filesystem::create_directories(out + "/scripts");
        const auto games = fuzz::seedGames(argv[1]);
        ConfigRecord config = defaultConfig();
        config.PauseBeer = 1;
        setFixedText(config.drinksListPath, kUsDrinksList);
        std::uint32_t seed = 1;
        for (const auto& [name, game] : games)
            write(out + "/files/" + name, filesInput(game, config, 59, seed++));
        // The heaviest game near the year's end, so that the month change
        // comes within the days the fuzzer's budget allows it.
        Game yearEnd = games.back().game;
        yearEnd.state.day = 27;
        yearEnd.state.month = 12;
        write(out + "/files/worst-year-end", filesInput(yearEnd, config, 20, 77));
        // The save that once hung the day: a bar of 2147483647 clients.
        Game damaged = yearEnd;
        damaged.state.bars[3].clientsPerDay = 2147483647;
        write(out + "/files/damaged", filesInput(damaged, defaultConfig(), 10, 99));

        const char* scripts[][2] = {
            {"fresh", "buy-bar 0 Joe 1 a 5\norder 0 0 10 3\ntoggle 0\ndays 3\n"
                      "promote 0 news\nentry-price 0 2.5\ndays 30\n"},
            {"first-bar", "order all 1 20 12 no\norder 0 2 5 abc\nentry-price 0 abc\n"
                          "promote 0 tv\nbuy-bar 3 \"Second One\" 2 md 4\ndays 40\n"},
            {"banker", "days 2\ntoggle 1\npromote 2 radio\norder 2 5 100 2.25 unused\n"
                       "entry-price 1 9.99\ndays 35\n"},
            {"worst-case", "entry-price 3 -1\npromote 24 news\norder all 3 999 4\ndays 8\n"},
        };
        for (std::size_t g = 0; g < std::size(scripts); ++g)
            write(out + "/scripts/" + scripts[g][0],
                  scriptInput(static_cast<std::uint8_t>(g), static_cast<std::uint32_t>(7 + g),
                              scripts[g][1]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-fuzz-seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
