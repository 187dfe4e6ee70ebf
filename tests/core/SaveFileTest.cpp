// The save and its finance history: what is written comes back whole; a
// damaged or foreign file is refused.

#include "core/FinanceHistory.h"
#include "support/EngineTest.h"

#include <functional>
#include <limits>
#include <sys/stat.h>

namespace tavo {
namespace {

// A record whose every byte, reserved ones included, holds a pattern, with
// the version and counts a loadable game needs.
GameState patternedGame() {
    GameState state;
    auto* bytes = reinterpret_cast<unsigned char*>(&state);
    for (std::size_t i = 0; i < sizeof state; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    state.version = 5;
    state.currentBar = 3;
    state.barCount = 4;
    for (int b = 0; b < kMaxBars; ++b)
        state.bars[b].drinkCount = b % 16;
    state.adminCount = 2;
    state.lottoTicketCount = 10;
    // Values a game reaches: finite money and prices, a calendar date.
    state.money = 1234.5;
    state.day = 30;
    state.weekDay = 7;
    state.month = 12;
    for (BarRecord& bar : state.bars) {
        bar.clientsPerDay = 1'000'000;
        bar.maxClients = 0;
        bar.entryPrice = -2.25;
        for (DrinkSlot& slot : bar.drinks)
            slot.salePrice = 1e300;
    }
    return state;
}

TEST(SaveFile, SaveLoadSaveIsByteIdenticalReservedBytesIncluded) {
    TempDir dir;
    GameState original = patternedGame();
    ASSERT_TRUE(saveGame(dir.file("a.sav"), original));
    auto first = test::readBytes(dir.file("a.sav"));
    ASSERT_EQ(first.size(), 12936u);
    EXPECT_EQ(std::memcmp(first.data(), &original, sizeof original), 0);

    GameState loaded{};
    ASSERT_TRUE(loadGame(dir.file("a.sav"), loaded).ok());
    ASSERT_TRUE(saveGame(dir.file("b.sav"), loaded));
    EXPECT_EQ(test::readBytes(dir.file("b.sav")), first);
}

TEST(SaveFile, RefusesFilesThatAreNotAGameOfThisVersion) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        std::function<void(GameState&)> damage;
        LoadStatus expected;
        const char* says = ""; // the reason names the field
    };
    using enum LoadStatus;
    const Case cases[] = {
        {"version 4", [](auto& s) { s.version = 4; }, WrongVersion, "version 4 instead of 5"},
        {"26 bars", [](auto& s) { s.barCount = 26; }, BadCounts},
        {"negative bars", [](auto& s) { s.barCount = -1; }, BadCounts},
        {"16 slots", [](auto& s) { s.bars[3].drinkCount = 16; }, BadCounts},
        {"negative slots", [](auto& s) { s.bars[0].drinkCount = -1; }, BadCounts},
        {"5 admins", [](auto& s) { s.adminCount = 5; }, BadCounts},
        {"negative admins", [](auto& s) { s.adminCount = -3; }, BadCounts},
        {"11 tickets", [](auto& s) { s.lottoTicketCount = 11; }, BadCounts},
        {"negative tickets", [](auto& s) { s.lottoTicketCount = -1; }, BadCounts},
        {"current bar 25", [](auto& s) { s.currentBar = 25; }, BadCounts},
        {"current bar -1", [](auto& s) { s.currentBar = -1; }, BadCounts},
        // Values no game reaches: a day would overflow or never end, money
        // would never be a number again.
        {"a crowd", [](auto& s) { s.bars[1].clientsPerDay = 2147483647; }, Damaged,
         "clientsPerDay of bar 1 is 2147483647, outside 0..1000000"},
        {"negative clients", [](auto& s) { s.bars[3].clientsPerDay = -1; }, Damaged,
         "clientsPerDay of bar 3"},
        {"room for a crowd", [](auto& s) { s.bars[0].maxClients = 1'000'001; }, Damaged,
         "maxClients of bar 0"},
        {"negative room", [](auto& s) { s.bars[2].maxClients = -7; }, Damaged,
         "maxClients of bar 2"},
        {"NaN money", [](auto& s) { s.money = kNaN; }, Damaged, "money is not a number"},
        {"endless money", [](auto& s) { s.money = -kInf; }, Damaged, "money is infinite"},
        {"NaN entry", [](auto& s) { s.bars[3].entryPrice = kNaN; }, Damaged, "entryPrice of bar 3"},
        {"endless sale price",
         [](auto& s) {
             s.bars[2].drinks[1].inUse = 1;
             s.bars[2].drinks[1].salePrice = kInf;
         },
         Damaged, "salePrice of slot 1 of bar 2 is infinite"},
        {"day 31", [](auto& s) { s.day = 31; }, Damaged, "day is 31"},
        {"day -1", [](auto& s) { s.day = -1; }, Damaged, "day is -1"},
        {"week day 8", [](auto& s) { s.weekDay = 8; }, Damaged, "weekDay"},
        {"week day -1", [](auto& s) { s.weekDay = -1; }, Damaged, "weekDay"},
        {"month 0", [](auto& s) { s.month = 0; }, Damaged, "month is 0"},
        {"month 13", [](auto& s) { s.month = 13; }, Damaged, "month is 13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState damaged = patternedGame();
        c.damage(damaged);
        GameState live = test::startedGame(1234);
        const GameState before = live;
        const auto* bytes = reinterpret_cast<const unsigned char*>(&damaged);
        for (std::size_t size : {std::size_t{0}, sizeof damaged - 1}) // empty, a byte short
            EXPECT_EQ(loadGameFromBytes(bytes, size, live).status, LoadStatus::WrongSize);
        LoadResult result = loadGameFromBytes(bytes, sizeof damaged, live);
        EXPECT_EQ(result.status, c.expected);
        EXPECT_FALSE(result.reason.empty());
        EXPECT_NE(result.reason.find(c.says), std::string::npos) << result.reason;
        EXPECT_EQ(std::memcmp(&live, &before, sizeof live), 0) << "live game changed";
    }
}

TEST(SaveFile, AcceptsTheLastBarAndIgnoresSlotsOfBarsNotOwned) {
    GameState state = patternedGame();
    state.currentBar = 24;
    GameState loaded{};
    EXPECT_TRUE(
        loadGameFromBytes(reinterpret_cast<unsigned char*>(&state), sizeof state, loaded).ok());
    state.barCount = 2;
    state.bars[2].drinkCount = 999; // an entry not in use is never read
    state.bars[2].clientsPerDay = -1;
    state.bars[3].entryPrice = std::numeric_limits<double>::quiet_NaN();
    state.bars[1].drinks[0].inUse = 0; // nor a slot not in use
    state.bars[1].drinks[0].salePrice = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(
        loadGameFromBytes(reinterpret_cast<unsigned char*>(&state), sizeof state, loaded).ok());
}

TEST(FinanceHistory, PlayedYearComesBackAndDamageIsNoHistory) {
    Game game; // a year of two bars, each month's end recorded
    game.state = test::startedGame();
    test::addBar(game.state, 40, 5);
    std::memset(test::addBar(game.state, 25, 2).barName, 'x', 30); // a name without its end
    VectorSink messages;
    for (int day = 0; day < 360; ++day) {
        const std::int32_t month = game.state.month;
        runGameDay(game, messages);
        if (game.state.month != month) recordMonth(game.history, game.state);
    }
    ASSERT_EQ(game.history.months.size(), 12u); // the figures: see the Finances window's test
    game.history.gameStart = 315532800;
    const test::TempDir dir;
    const std::string save = dir.file("game.sav");
    ASSERT_TRUE(saveGame(save, game.state) && saveHistory(save, game.history, game.state));
    EXPECT_EQ(loadHistory(save, game.state), game.history);
    EXPECT_TRUE(loadHistory(dir.file("none.sav"), game.state).months.empty());
    const Bytes bytes = historyBytes(game.history, game.state);
    const std::string sound(bytes.begin(), bytes.end());
    GameState other = game.state;
    other.money += 1;
    const std::pair<std::string, const GameState*> damaged[] = {
        {sound, &other}, // another save's
        {"", &game.state},
        {sound.substr(0, sound.size() / 2), &game.state},
        {"tavo-history 3" + sound.substr(sound.find('\n')), &game.state},
        {sound + "1 2 x\n", &game.state},
        {sound.substr(0, sound.rfind('\n', sound.size() - 2) + 1) + "x 7 Bar\n", &game.state},
    };
    for (const auto& [text, state] : damaged)
        EXPECT_TRUE(historyFromBytes(Bytes(text.begin(), text.end()), *state).months.empty())
            << text.substr(0, 40);
    // A history written before games kept their start still reads, the start unknown.
    const std::string older = "tavo-history 1" + sound.substr(sound.find('\n'));
    FinanceHistory unknownStart = game.history;
    unknownStart.gameStart = 0;
    EXPECT_EQ(historyFromBytes(Bytes(older.begin(), older.end()), game.state), unknownStart);
    // A history that cannot be written is not removed when it is not the
    // game's: a FIFO, a folder, a file the player protected.
    const std::pair<const char*, std::function<void(const std::string&)>> guarded[] = {
        {"fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
        {"folder", [](const std::string& p) { ASSERT_EQ(::mkdir(p.c_str(), 0755), 0); }},
        {"protected",
         [](const std::string& p) {
             test::writeBytes(p, "mine", 4);
             ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
         }},
    };
    for (const auto& [name, make] : guarded) {
        const std::string kept = dir.file(std::string(name) + ".sav");
        make(kept + ".history");
        EXPECT_FALSE(saveHistory(kept, game.history, game.state)) << name;
        struct stat info {};
        EXPECT_EQ(::lstat((kept + ".history").c_str(), &info), 0) << name << " was removed";
    }
}

} // namespace
} // namespace tavo
