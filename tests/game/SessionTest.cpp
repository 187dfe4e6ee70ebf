// The session: commands that the check refuses change nothing and are not
// journaled; the journal writes any typed word so that it reads back the
// same; the clock's speeds and the pauses the windows make.

#include "game/Session.h"
#include "core/Sha256.h"
#include "game/GameClock.h"
#include "game/Journal.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

// A typed word comes back from its journal line as it was typed.
TEST(Journal, TypedWordsReadBackAsTyped) {
    const struct {
        const char* what;
        std::string word;
        const char* line;
    } cases[] = {
        {"a plain word", "Joe", R"(owner "Joe")"},
        {"empty", "", R"(owner "")"},
        {"blanks", "Joe's  Place", R"(owner "Joe's  Place")"},
        {"quotes", "Jo \"the\" bar", R"(owner "Jo ""the"" bar")"},
        {"only a quote", "\"", R"(owner """")"},
        {"a keyword", "yes", R"(owner "yes")"},
        {"a tab", "a\tb", "owner \"a\tb\""},
        {"UTF-8", "Zo\xC3\xA9", "owner \"Zo\xC3\xA9\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string line = commandLine(command("owner", {typed(c.word)}));
        EXPECT_EQ(line, c.line);
        const std::vector<ScriptWord> words = splitWords(line);
        ASSERT_EQ(words.size(), 2u);
        EXPECT_EQ(words[1].text, c.word);
        EXPECT_TRUE(words[1].quoted);
    }
}

TEST(Journal, DaysOfTheClockAreCountedTogether) {
    Journal journal;
    journal.addDay(); // no game: nothing kept
    EXPECT_EQ(journal.text(), "");
    journal.begin("journal new");
    journal.addDay();
    journal.addDay();
    journal.readClock(5);
    journal.add("fire");
    journal.readClock(5); // the same second again: no line
    journal.addDay();
    const std::string text = journal.text();
    EXPECT_EQ(text.substr(text.find("journal new")), "journal new\ndays 2\ntime 5\nfire\ndays 1\n");
}

// The check refuses before anything changes; a refused command is not
// journaled, a command that ran is, with the answers the player gave.
TEST(Session, RefusedCommandsChangeNothingAndAreNotJournaled) {
    const FixedTimeSource clock(1000);
    Session session(clock);
    session.game().state = test::startedGame(100000);
    session.beginJournal("journal new");
    RecordingVoice voice; // answers No
    const GameState before = session.game().state;
    for (const char* line : {"toggle 0", "spin-step", "race-step", "pick-bar 3", "withdraw 2"}) {
        SCOPED_TRACE(line);
        const CommandResult result = session.run(line, voice);
        EXPECT_FALSE(result.ran);
        EXPECT_FALSE(result.refusal.empty());
    }
    EXPECT_EQ(std::memcmp(&before, &session.game().state, sizeof before), 0);
    EXPECT_EQ(session.journal().text().find("toggle"), std::string::npos);

    ASSERT_TRUE(session.run("member 3", voice).ran); // "Do you want to become a member?": No
    EXPECT_NE(session.journal().text().find("\nmember 3 no\n"), std::string::npos)
        << session.journal().text();
    EXPECT_THROW(session.run("member 1", voice), ScriptError);
}

// The speed the player chooses, Space, and the pauses of the drinks and
// Lotto windows, which give back only what they took.
TEST(GameClock, SpeedsAndPauses) {
    struct Step {
        const char* what;
        void (*act)(GameClock&);
        int interval;
        GameClock::Speed ticked;
    };
    const Step steps[] = {
        {"fast", [](GameClock& c) { c.choose(GameClock::Fast); }, 700, GameClock::Fast},
        {"drinks opened", [](GameClock& c) { c.drinksOpened(true); }, 0, GameClock::Pause},
        {"drinks closed", [](GameClock& c) { c.drinksClosed(); }, 700, GameClock::Fast},
        {"Space pauses", [](GameClock& c) { c.togglePause(); }, 0, GameClock::Pause},
        {"drinks opened on a pause", [](GameClock& c) { c.drinksOpened(true); }, 0,
         GameClock::Pause},
        {"drinks closed on a pause", [](GameClock& c) { c.drinksClosed(); }, 0, GameClock::Pause},
        {"Space runs at the last speed", [](GameClock& c) { c.togglePause(); }, 700,
         GameClock::Fast},
        {"drinks without pausing", [](GameClock& c) { c.drinksOpened(false); }, 700,
         GameClock::Fast},
        {"drinks opened", [](GameClock& c) { c.drinksOpened(true); }, 0, GameClock::Pause},
        {"the player's choice wins", [](GameClock& c) { c.choose(GameClock::Slow); }, 4000,
         GameClock::Slow},
        {"drinks closed after it", [](GameClock& c) { c.drinksClosed(); }, 4000, GameClock::Slow},
        {"Lotto holds the clock", [](GameClock& c) { c.lottoOpened(); }, 0, GameClock::Slow},
        {"Lotto gives it back", [](GameClock& c) { c.lottoClosed(); }, 4000, GameClock::Slow},
        {"debug interval", [](GameClock& c) { c.setInterval(50); }, 50, GameClock::Slow},
    };
    GameClock clock;
    EXPECT_EQ(clock.interval(), 3000);
    EXPECT_EQ(clock.speed(), GameClock::Normal);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(clock);
        EXPECT_EQ(clock.interval(), step.interval);
        EXPECT_EQ(clock.speed(), step.ticked);
    }
}

TEST(Sha256, KnownDigests) {
    const struct {
        std::string text;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sha256Hex(c.text.data(), c.text.size()), c.digest) << c.text.size();
}

} // namespace
} // namespace tavo
