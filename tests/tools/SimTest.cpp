#include "core/ConfigRecord.h"
#include "support/EngineTest.h"
#include "tools/SimRun.h"

#include <algorithm>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tavo {
namespace {

using test::sim;
using test::SimRun;

void writeDrinks(const std::string& path, const char* price) {
    DrinkListEntry drink = test::makeDrink("Lager", price);
    test::writeBytes(path, &drink, sizeof drink);
}

// A game on 30 December 1985 with one open bar and a drink administrator.
GameState yearEndGame() {
    GameState state = test::startedGame(100000);
    state.day = 30;
    state.weekDay = 3;
    state.month = 12;
    state.year = 1985;
    BarRecord& bar = test::addBar(state, 60, 3);
    test::addSlot(bar, 0, 10, 4.5);
    test::addAdmin(state, false, true, false).drinkOrderQuantity = 100;
    return state;
}

TEST(TavoSim, UsageErrorsExitWith2) {
    TempDir dir;
    ASSERT_TRUE(saveGame(dir.file("in.sav"), yearEndGame()));
    const char* bad[] = {"",
                         "--load in.sav",
                         "--days 3",
                         "--load in.sav --days -1",
                         "--load in.sav --days x",
                         "--load in.sav --days 1 --seed 4294967296",
                         "--load in.sav --days 1 --decimal ab",
                         "--load in.sav --days 1 --what",
                         "--load in.sav --days 1 --script s.txt",
                         "--load in.sav --days"};
    for (const char* args : bad) {
        SimRun run = sim(dir, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_FALSE(run.err.empty()) << args;
    }
    SimRun help = sim(dir, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--load IN.sav --days N"), std::string::npos);
}

TEST(TavoSim, RefusedOrMissingFilesSayWhyAndExitWith1) {
    TempDir dir;
    ASSERT_TRUE(saveGame(dir.file("ok.sav"), yearEndGame()));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0644), 0);
    const struct {
        const char* args;
        const char* says;
    } cases[] = {
        {"--load missing.sav --days 1", "cannot open missing.sav: No such file or directory"},
        {"--load ok.sav --days 1 --drinks missing.drk", "missing.drk"},
        {"--load ok.sav --script . --save out.sav", ". is a folder"},
        {"--load ok.sav --days 1 --save nofolder/out.sav",
         "cannot write nofolder/out.sav: No such file or directory"},
        {"--load ok.sav --days 1 --save ''", "cannot write: the file name is empty"},
        // The standard input: read whole under the script's cap, or refused.
        {"--load ok.sav --script - --save out.sav < /dev/zero",
         "the standard input is longer than 64 MiB"},
        {"--load ok.sav --script - --save out.sav < .", "standard input: Is a directory"},
        {"--load ok.sav --script - --save out.sav <&-", "standard input: Bad file descriptor"},
    };
    for (const auto& c : cases) {
        SimRun run = sim(dir, c.args);
        EXPECT_EQ(run.status, 1) << c.args;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.args << ": " << run.err;
        EXPECT_FALSE(test::fileExists(dir.file("out.sav"))) << c.args;
    }
    // A FIFO named in config.kpl as a list is reported and passed by.
    ConfigRecord config = defaultConfig();
    setFixedText(config.drinksListPath, "fifo");
    ASSERT_TRUE(writeConfig(dir.file("config.kpl"), config));
    SimRun list = sim(dir, "--load ok.sav --days 1");
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.err.find("drinks list 'fifo': fifo is not a regular file; running without it"),
              std::string::npos)
        << list.err;
}

// A script's days run as the option's do; a list the decimal separator
// cannot read stops each day, and the run goes on.
TEST(TavoSim, RunsDaysPostsMessagesAndIsRepeatable) {
    TempDir dir;
    writeDrinks(dir.file("drinks.drk"), "2,50");
    ASSERT_TRUE(saveGame(dir.file("in.sav"), yearEndGame()));
    std::ofstream(dir.file("s.txt")) << "days 400\n";
    SimRun first = sim(dir, "--load in.sav --days 400 --save a.sav --seed 42 --time 5 --decimal ,");
    SimRun second =
        sim(dir, "--load in.sav --script=s.txt --save=b.sav --seed=42 --time=5 --decimal=,");
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(first.err.find("not a valid"), std::string::npos) << first.err;
    EXPECT_EQ(first.out, "Happy new year!\nHappy new year!\n");
    EXPECT_EQ(second.out, first.out);
    EXPECT_EQ(test::readBytes(dir.file("a.sav")), test::readBytes(dir.file("b.sav")));

    GameState after{};
    ASSERT_TRUE(loadGame(dir.file("a.sav"), after).ok());
    EXPECT_EQ(after.year, 1987);
    EXPECT_EQ(after.month, 2);
    EXPECT_EQ(after.day, 10);
    EXPECT_NE(after.money, 100000);

    SimRun other = sim(dir, "--load in.sav --days 400 --save c.sav --seed 43 --time 5 --decimal ,");
    ASSERT_EQ(other.status, 0);
    EXPECT_NE(test::readBytes(dir.file("a.sav")), test::readBytes(dir.file("c.sav")));

    // The months played are kept beside the save, as the game keeps them.
    const FinanceHistory months = loadHistory(dir.file("a.sav"), after);
    ASSERT_EQ(months.months.size(), 14u); // December 1985 to January 1987
    EXPECT_EQ(std::tuple(months.months.front().month, months.months.front().year),
              std::tuple(12, 1985));
    EXPECT_EQ(std::tuple(months.months.back().month, months.months.back().year),
              std::tuple(1, 1987));

    SimRun point = sim(dir, "--load in.sav --days 3 --save out.sav --decimal .");
    EXPECT_EQ(point.status, 0);
    EXPECT_NE(point.err.find("'2,50' is not a valid floating point value"), std::string::npos)
        << point.err;
}

// A journal plays its game again to the very same bytes, from the save it
// names and no other; a damaged journal is a script error.
TEST(TavoSim, ReplayWritesTheSameGameFromItsJournal) {
    TempDir dir;
    writeDrinks(dir.file("drinks.drk"), "2.50");
    const BarListEntry corner = test::makeBar("Corner", 6000, 5);
    test::writeBytes(dir.file("def.bar"), &corner, sizeof corner);
    ASSERT_TRUE(saveGame(dir.file("in.sav"), yearEndGame()));
    ASSERT_TRUE(saveGame(dir.file("other.sav"), test::startedGame(5)));
    std::ofstream(dir.file("s.txt")) << "member 3 no\nmember 3\nborrow 3 5000\ndays 40\n"
                                        "spin 100\nrace 2 100\nticket random\ndays 8\n";
    SimRun played = sim(dir, "--load in.sav --script s.txt --save a.sav --decimal . --time 7");
    ASSERT_EQ(played.status, 0) << played.err;
    const std::string journal = test::readText(dir.file("a.sav.journal"));
    // A journal of a new game, written by hand.
    std::ofstream(dir.file("new.journal")) << "journal new\nnew-game\nowner-kind 1\nowner Jo\n"
                                              "buy-bar 0 \"The Pub\" 1 a 5\ndays 3\n";
    std::ofstream(dir.file("damaged.journal")) << journal << "buy-bar x\n";
    std::ofstream(dir.file("headless.journal")) << "seed 1\n" << journal;
    const struct {
        const char* what;
        const char* args;
        int status;
        std::string says;
    } cases[] = {
        {"the save it names", "--replay a.sav.journal --load in.sav --save r.sav", 0, ""},
        {"another save", "--replay a.sav.journal --load other.sav --save r.sav", 1,
         "other.sav is not the save the journal starts from"},
        {"no save", "--replay a.sav.journal --save r.sav", 1, "give it with --load"},
        {"a new game", "--replay new.journal --save r.sav", 0, ""},
        {"a save for a new game", "--replay new.journal --load in.sav --save r.sav", 1,
         "starts a new game"},
        {"damaged", "--replay damaged.journal --load in.sav --save r.sav", 2,
         "damaged.journal:" + std::to_string(std::count(journal.begin(), journal.end(), '\n') + 1) +
             ": too few words"},
        {"no opening", "--replay headless.journal --load in.sav --save r.sav", 2,
         "headless.journal:1: a journal opens with"},
        {"other lists", "--replay a.sav.journal --load in.sav --save r.sav --drinks other.sav", 1,
         "not the ones the journal was played with"},
        {"nothing to save", "--replay a.sav.journal --load in.sav", 2, "--replay needs --save"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::remove(dir.file("r.sav").c_str());
        SimRun run = sim(dir, c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(test::fileExists(dir.file("r.sav")), c.status == 0);
    }
    SimRun again = sim(dir, "--replay a.sav.journal --load in.sav --save r.sav");
    EXPECT_EQ(again.out, played.out); // it says what the first run said
    EXPECT_EQ(test::readBytes(dir.file("r.sav")), test::readBytes(dir.file("a.sav")));
    EXPECT_EQ(test::readText(dir.file("r.sav.journal")), journal);
    sim(dir, "--replay new.journal --save r.sav");
    GameState fresh{};
    ASSERT_TRUE(loadGame(dir.file("r.sav"), fresh).ok());
    EXPECT_EQ(fixedText(fresh.ownerName), "Jo");
    EXPECT_EQ(fixedText(fresh.bars[0].barName), "The Pub");
}

} // namespace
} // namespace tavo
