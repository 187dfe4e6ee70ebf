// A played year: the save and its finance history come back whole; a damaged or
// foreign history is none.

#include "core/FinanceHistory.h"
#include "support/EngineTest.h"

namespace tavo {

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
    const test::TempDir dir;
    const std::string save = dir.file("game.sav");
    ASSERT_TRUE(saveGame(save, game.state) && saveHistory(save, game.history, game.state));
    GameState loaded{}; // the save after a year of days comes back byte for byte
    ASSERT_TRUE(loadGame(save, loaded).ok());
    EXPECT_EQ(std::memcmp(&loaded, &game.state, sizeof loaded), 0);
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
        {"tavo-history 2" + sound.substr(sound.find('\n')), &game.state},
        {sound + "1 2 x\n", &game.state},
        {sound.substr(0, sound.rfind('\n', sound.size() - 2) + 1) + "x 7 Bar\n", &game.state},
    };
    for (const auto& [text, state] : damaged)
        EXPECT_TRUE(historyFromBytes(Bytes(text.begin(), text.end()), *state).months.empty())
            << text.substr(0, 40);
}

} // namespace tavo
