#include "core/SaveFile.h"

#include "game/Game.h"
#include "support/States.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <sys/stat.h>

namespace tavo {
namespace {

using test::TempDir;

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

TEST(SaveFile, RoundTripAfterManyGameDays) {
    TempDir dir;
    Game game;
    game.state = test::startedGame(50000);
    BarRecord& bar = test::addBar(game.state, 120, 3.5);
    test::addSlot(bar, 0, 100000, 4.25);
    test::addAdmin(game.state, true, true, true).drinkOrderQuantity = 200;
    game.drinks.append(test::makeDrink("Lager", "2.5"));
    VectorSink messages;
    for (int day = 0; day < 3 * 360; ++day)
        runGameDay(game, messages);

    ASSERT_TRUE(saveGame(dir.file("long.sav"), game.state));
    GameState loaded{};
    ASSERT_TRUE(loadGame(dir.file("long.sav"), loaded).ok());
    EXPECT_EQ(std::memcmp(&loaded, &game.state, sizeof loaded), 0);
    EXPECT_EQ(loaded.year, 1983);
}

TEST(SaveFile, RefusesFilesThatAreNotAGameOfThisVersion) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        std::function<void(std::vector<unsigned char>&, GameState&)> damage;
        LoadStatus expected;
        const char* says = ""; // the reason names the field
    };
    const Case cases[] = {
        {"empty file", [](auto& b, auto&) { b.clear(); }, LoadStatus::WrongSize},
        {"one byte short", [](auto& b, auto&) { b.pop_back(); }, LoadStatus::WrongSize},
        {"version 4", [](auto&, auto& s) { s.version = 4; }, LoadStatus::WrongVersion},
        {"26 bars", [](auto&, auto& s) { s.barCount = 26; }, LoadStatus::BadCounts},
        {"negative bars", [](auto&, auto& s) { s.barCount = -1; }, LoadStatus::BadCounts},
        {"16 slots", [](auto&, auto& s) { s.bars[3].drinkCount = 16; }, LoadStatus::BadCounts},
        {"negative slots", [](auto&, auto& s) { s.bars[0].drinkCount = -1; },
         LoadStatus::BadCounts},
        {"5 admins", [](auto&, auto& s) { s.adminCount = 5; }, LoadStatus::BadCounts},
        {"negative admins", [](auto&, auto& s) { s.adminCount = -3; }, LoadStatus::BadCounts},
        {"11 tickets", [](auto&, auto& s) { s.lottoTicketCount = 11; }, LoadStatus::BadCounts},
        {"negative tickets", [](auto&, auto& s) { s.lottoTicketCount = -1; },
         LoadStatus::BadCounts},
        {"current bar 25", [](auto&, auto& s) { s.currentBar = 25; }, LoadStatus::BadCounts},
        {"current bar -1", [](auto&, auto& s) { s.currentBar = -1; }, LoadStatus::BadCounts},
        // Values no game reaches: a day would overflow or never end, money
        // would never be a number again.
        {"a crowd", [](auto&, auto& s) { s.bars[1].clientsPerDay = 2147483647; },
         LoadStatus::Damaged, "clientsPerDay of bar 1 is 2147483647, outside 0..1000000"},
        {"negative clients", [](auto&, auto& s) { s.bars[3].clientsPerDay = -1; },
         LoadStatus::Damaged, "clientsPerDay of bar 3"},
        {"room for a crowd", [](auto&, auto& s) { s.bars[0].maxClients = 1'000'001; },
         LoadStatus::Damaged, "maxClients of bar 0"},
        {"negative room", [](auto&, auto& s) { s.bars[2].maxClients = -7; }, LoadStatus::Damaged,
         "maxClients of bar 2"},
        {"NaN money", [](auto&, auto& s) { s.money = kNaN; }, LoadStatus::Damaged,
         "money is not a number"},
        {"endless money", [](auto&, auto& s) { s.money = -kInf; }, LoadStatus::Damaged,
         "money is infinite"},
        {"NaN entry", [](auto&, auto& s) { s.bars[3].entryPrice = kNaN; }, LoadStatus::Damaged,
         "entryPrice of bar 3"},
        {"endless sale price",
         [](auto&, auto& s) {
             s.bars[2].drinks[1].inUse = 1;
             s.bars[2].drinks[1].salePrice = kInf;
         },
         LoadStatus::Damaged, "salePrice of slot 1 of bar 2 is infinite"},
        {"day 31", [](auto&, auto& s) { s.day = 31; }, LoadStatus::Damaged, "day is 31"},
        {"day -1", [](auto&, auto& s) { s.day = -1; }, LoadStatus::Damaged, "day is -1"},
        {"week day 8", [](auto&, auto& s) { s.weekDay = 8; }, LoadStatus::Damaged, "weekDay"},
        {"week day -1", [](auto&, auto& s) { s.weekDay = -1; }, LoadStatus::Damaged, "weekDay"},
        {"month 0", [](auto&, auto& s) { s.month = 0; }, LoadStatus::Damaged, "month is 0"},
        {"month 13", [](auto&, auto& s) { s.month = 13; }, LoadStatus::Damaged, "month is 13"},
    };
    for (const Case& c : cases) {
        GameState damaged = patternedGame();
        std::vector<unsigned char> bytes(sizeof damaged);
        c.damage(bytes, damaged);
        if (bytes.size() == sizeof damaged) std::memcpy(bytes.data(), &damaged, sizeof damaged);
        GameState live = test::startedGame(1234);
        const GameState before = live;
        LoadResult result = loadGameFromBytes(bytes.data(), bytes.size(), live);
        EXPECT_EQ(result.status, c.expected) << c.what;
        EXPECT_FALSE(result.reason.empty()) << c.what;
        EXPECT_NE(result.reason.find(c.says), std::string::npos) << c.what << ": " << result.reason;
        EXPECT_EQ(std::memcmp(&live, &before, sizeof live), 0) << c.what << ": live game changed";
    }
}

TEST(SaveFile, AcceptsTheLimitsAndIgnoresSlotsOfBarsNotOwned) {
    GameState state = patternedGame();
    state.barCount = 25;
    state.currentBar = 24;
    state.adminCount = 4;
    state.lottoTicketCount = 0;
    for (auto& bar : state.bars)
        bar.drinkCount = 15;
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

TEST(SaveFile, FailedSaveLeavesTheTargetAndNoTemporaryFile) {
    TempDir dir;
    GameState state = test::startedGame();
    EXPECT_FALSE(saveGame(dir.file("no-such-folder/game.sav"), state));

    // A target that cannot be replaced: the rename fails, nothing is lost.
    ASSERT_EQ(::mkdir(dir.file("game.sav").c_str(), 0755), 0);
    test::writeBytes(dir.file("game.sav/keep"), {1, 2, 3});
    EXPECT_FALSE(saveGame(dir.file("game.sav"), state));
    EXPECT_EQ(test::readBytes(dir.file("game.sav/keep")), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(test::listFolder(dir.path()), std::vector<std::string>{"game.sav"});
}

TEST(SaveFile, SaveReplacesAnExistingFileWhole) {
    TempDir dir;
    test::writeBytes(dir.file("game.sav"), std::vector<unsigned char>(20000, 0xAB));
    GameState state = test::startedGame();
    ASSERT_TRUE(saveGame(dir.file("game.sav"), state));
    EXPECT_EQ(test::readBytes(dir.file("game.sav")).size(), 12936u);
    EXPECT_EQ(test::listFolder(dir.path()).size(), 1u);
}

} // namespace
} // namespace tavo
