// Autosaves: each game's three newest kept in order with their history and
// journal, under a name of its own; a failed write moves none.

#include "core/Autosave.h"
#include "support/EngineTest.h"

#include <csignal>
#include <set>
#include <sys/resource.h>

namespace tavo {

// Each game keeps its own three newest, with their history and journal.
TEST(Autosave, EachGameKeepsTheThreeNewestAndAFailedWriteMovesNothing) {
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
    const test::TempDir dir;
    const char* jo = "Jo Martel";
    const char* zoe = "Zo\xEB d'Arc/2"; // one byte a character, as the record keeps it
    // The money of each autosave, newest first, Jo's then Zoe's: 0 when
    // missing, -1 without its history or its own journal.
    const auto journalOf = [](double money) { return "journal of " + std::to_string(money); };
    const auto kept = [&] {
        std::vector<double> money;
        for (const char* owner : {jo, zoe})
            for (int n = 1; n <= kAutosavesKept + 1; ++n) {
                const std::string path = autosavePath(dir.path(), owner, 1000, n);
                GameState state{};
                const bool loaded = loadGame(path, state).ok();
                const auto months = loadHistory(path, state).months;
                const bool whole = months.size() == 1 && months[0].money == state.money &&
                                   test::readText(journalPath(path)) == journalOf(state.money);
                money.push_back(whole ? state.money : -loaded);
            }
        return money;
    };
    struct Row {
        const char* owner;
        double money;
        bool blocked;
        std::vector<double> after;
    };
    const Row rows[] = {{jo, 100, false, {100, 0, 0, 0, 0, 0, 0, 0}},
                        {zoe, 10, false, {100, 0, 0, 0, 10, 0, 0, 0}},
                        {jo, 200, false, {200, 100, 0, 0, 10, 0, 0, 0}},
                        {jo, 300, false, {300, 200, 100, 0, 10, 0, 0, 0}},
                        {zoe, 20, false, {300, 200, 100, 0, 20, 10, 0, 0}},
                        {jo, 400, false, {400, 300, 200, 0, 20, 10, 0, 0}},
                        {jo, 500, true, {400, 300, 200, 0, 20, 10, 0, 0}},
                        {jo, 600, false, {600, 400, 300, 0, 20, 10, 0, 0}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.owner << ", " << row.money);
        GameState game = test::startedGame(row.money);
        setFixedText(game.ownerName, row.owner);
        // A disk that takes no more: every write fails, even the owner's.
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        rlimit full = limit;
        full.rlim_cur = row.blocked ? 100 : limit.rlim_cur;
        ::setrlimit(RLIMIT_FSIZE, &full);
        FinanceHistory history{{{1983, 2, row.money, {}}}, 1000};
        EXPECT_EQ(autosave(dir.path(), game, history, journalOf(row.money)), !row.blocked);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(kept(), row.after);
    }
    EXPECT_EQ(test::listFolder(dir.path()).size(), 15u); // no temporary file left
}

// Games whose owners' names a file name cannot tell apart, and two games of
// one owner, each keep autosaves of their own, under names still readable.
TEST(Autosave, EveryGameHasNamesOfItsOwn) {
    const test::TempDir dir;
    const struct {
        const char* owner;
        std::int64_t start;
        const char* readable;
    } games[] = {
        {"Jo Martel", 315532800, "autosave-Jo_Martel-"},
        {"Jo.Martel", 315532800, "autosave-Jo_Martel-"},
        {"Zo\xE9", 7, "autosave-Zo_-"}, // "Zoé" and "Zoë", one byte a character
        {"Zo\xEB", 7, "autosave-Zo_-"},
        {"Jo Martel", 315532801, "autosave-Jo_Martel-"}, // a second later
    };
    std::set<std::string> names;
    for (std::size_t g = 0; g < std::size(games); ++g) {
        SCOPED_TRACE(g);
        const std::string name = autosaveName(games[g].owner, games[g].start);
        EXPECT_EQ(name.rfind(games[g].readable, 0), 0u) << name;
        EXPECT_EQ(name, autosaveName(games[g].owner, games[g].start)); // the same every month
        names.insert(name);
        GameState state = test::startedGame(static_cast<double>(g + 1));
        setFixedText(state.ownerName, games[g].owner);
        ASSERT_TRUE(autosave(dir.path(), state, {{}, games[g].start}));
    }
    EXPECT_EQ(names.size(), std::size(games));
    for (std::size_t g = 0; g < std::size(games); ++g) {
        GameState loaded{};
        EXPECT_TRUE(
            loadGame(autosavePath(dir.path(), games[g].owner, games[g].start, 1), loaded).ok() &&
            loaded.money == static_cast<double>(g + 1))
            << g << " lost its autosave";
    }
}

} // namespace tavo
