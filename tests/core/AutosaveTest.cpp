// Autosaves: each owner's three newest kept in order with their history and journal; a failed
// write moves none.

#include "core/Autosave.h"
#include "support/EngineTest.h"

#include <csignal>
#include <sys/resource.h>

namespace tavo {

// Each game keeps its own three newest, named after its owner (every
// character but an ASCII letter, digit, '-' and '_' made '_'), with its
// history and journal.
TEST(Autosave, EachOwnerKeepsTheThreeNewestAndAFailedWriteMovesNothing) {
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
    const test::TempDir dir;
    // The money of each autosave, newest first, Jo's then Zoe's: 0 when
    // missing, -1 without its history or its own journal.
    const auto journalOf = [](double money) { return "journal of " + std::to_string(money); };
    const auto kept = [&] {
        std::vector<double> money;
        for (const char* owner : {"Jo_Martel", "Zo__d_Arc_2"})
            for (int n = 1; n <= kAutosavesKept + 1; ++n) {
                const std::string path =
                    dir.file("autosave-" + std::string(owner) + "-" + std::to_string(n) + ".sav");
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
    const char* jo = "Jo Martel";
    const char* zoe = "Zo\xEB d'Arc/2"; // one byte a character, as the record keeps it
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
        EXPECT_EQ(autosave(dir.path(), game, {{{1983, 2, row.money, {}}}}, journalOf(row.money)),
                  !row.blocked);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(kept(), row.after);
    }
    EXPECT_EQ(test::listFolder(dir.path()).size(), 15u); // no temporary file left
}

} // namespace tavo
