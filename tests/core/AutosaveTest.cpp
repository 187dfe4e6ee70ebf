// The game saved by itself: the three newest kept in order, and a write
// that fails leaves the autosaves as they were.

#include "core/Autosave.h"
#include "core/SaveFile.h"
#include "support/States.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavo {
namespace {

// The money of each autosave, newest first (0: no such file).
std::vector<double> autosavedMoney(const std::string& folder) {
    std::vector<double> money;
    for (int n = 1; n <= kAutosavesKept + 1; ++n) {
        GameState state{};
        money.push_back(loadGame(autosavePath(folder, n), state).ok() ? state.money : 0);
    }
    return money;
}

TEST(Autosave, KeepsTheThreeNewestAndAFailedWriteMovesNothing) {
    const test::TempDir dir;
    const struct {
        double money;
        bool writable;
        std::vector<double> kept;
    } months[] = {
        {100, true, {100, 0, 0, 0}},      {200, true, {200, 100, 0, 0}},
        {300, true, {300, 200, 100, 0}},  {400, true, {400, 300, 200, 0}},
        {500, false, {400, 300, 200, 0}}, {600, true, {600, 400, 300, 0}},
    };
    for (const auto& month : months) {
        const GameState state = test::startedGame(month.money);
        // A folder where the next autosave is written cannot be replaced.
        const std::string blocker = dir.file(".autosave-next.sav");
        if (!month.writable) std::filesystem::create_directory(blocker);
        EXPECT_EQ(autosave(dir.path(), state), month.writable) << month.money;
        std::filesystem::remove(blocker);
        EXPECT_EQ(autosavedMoney(dir.path()), month.kept) << month.money;
    }
    EXPECT_EQ(test::listFolder(dir.path()).size(), 3u); // no temporary file left
}

} // namespace
} // namespace tavo
