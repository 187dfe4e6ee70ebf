// Autosaves: the three newest kept in order with their history; a failed write moves none.

#include "core/Autosave.h"
#include "support/EngineTest.h"

#include <filesystem>

namespace tavo {

TEST(Autosave, KeepsTheThreeNewestAndAFailedWriteMovesNothing) {
    const test::TempDir dir;
    // The money of each autosave, newest first: 0 when missing, -1 without its history.
    const auto kept = [&dir] {
        std::vector<double> money;
        for (int n = 1; n <= kAutosavesKept + 1; ++n) {
            GameState state{};
            const bool loaded = loadGame(autosavePath(dir.path(), n), state).ok();
            const auto months = loadHistory(autosavePath(dir.path(), n), state).months;
            money.push_back(months.size() == 1 && months[0].money == state.money ? state.money
                                                                                 : -loaded);
        }
        return money;
    };
    const std::string blocker = dir.file(".autosave-next.sav"); // a folder: no write there
    const std::vector<std::vector<double>> after = {{100, 0, 0, 0},     {200, 100, 0, 0},
                                                    {300, 200, 100, 0}, {400, 300, 200, 0},
                                                    {400, 300, 200, 0}, {600, 400, 300, 0}};
    for (std::size_t month = 0; month < after.size(); ++month) {
        const double money = 100.0 * (month + 1);
        const bool blocked = money == 500;
        if (blocked) std::filesystem::create_directory(blocker);
        EXPECT_EQ(autosave(dir.path(), test::startedGame(money), {{{1983, 2, money, {}}}}),
                  !blocked);
        std::filesystem::remove(blocker);
        EXPECT_EQ(kept(), after[month]) << money;
    }
    EXPECT_EQ(test::listFolder(dir.path()).size(), 6u); // no temporary file left
}

} // namespace tavo
