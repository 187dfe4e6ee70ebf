#include "game/Script.h"
#include "bars/BarList.h"
#include "support/EngineTest.h"
#include "tools/SimRun.h"

#include <fstream>
#include <optional>

namespace tavo {
namespace {

using test::sim;
using test::SimRun;

// A folder with a bars list (Corner 6000 for Low, High or Dark; Palace
// 25001 for Dark or Rave; Harbour, owned), a drinks list (Lager 2.50, Vodka
// 4) and a game with 20000 $ and the Harbour bar, bar 0.
struct ScriptGame {
    TempDir dir;
    ScriptGame() {
        const BarListEntry bars[] = {test::makeBar("Corner", 6000, 5),
                                     test::makeBar("Palace", 25001, 7),
                                     test::makeBar("Harbour", 9000, 1)};
        test::writeBytes(dir.file("bars.bar"), bars, sizeof bars);
        const DrinkListEntry drinks[] = {test::makeDrink("Lager", "2.50"),
                                         test::makeDrink("Vodka", "4", 1)};
        test::writeBytes(dir.file("drinks.drk"), drinks, sizeof drinks);
        GameState state = test::startedGame(20000);
        state.knowledge = 2;
        state.credibility = 1;
        test::addBar(state, 50, 2).listIndex = 2;
        EXPECT_TRUE(saveGame(dir.file("in.sav"), state));
    }
    SimRun play(const std::string& script, const std::string& how = "s.txt") {
        std::ofstream(dir.file("s.txt")) << script;
        return sim(dir, "--load in.sav --script " + how +
                            " --bars bars.bar --drinks drinks.drk --decimal . --time 0"
                            " --save out.sav");
    }
    GameState saved() {
        GameState state{};
        EXPECT_TRUE(loadGame(dir.file("out.sav"), state).ok());
        return state;
    }
};

const std::string kLower =
    "? The price of this drink is too high.\\nDo you want to set a lower price?\n";
const std::string kOrdered = "> Your order have been made.\n";
const std::string kChinaJoin = "? Do you want to become a member?\\nIt's 8000$\n";
const std::string kInvestJoin = "? Do you want to become a member?\\nIt's only 1000$\n";
const std::string kGermanJoin = "? Do you want to become a member?\\nIt's only 3500$\n";
const std::string kAccepted = "> Your loan have been accepted.\n";
const std::string kEarly = "? You don't have finish all your investment years.\\nDo you want your "
                           "money back?\n";

TEST(Script, PlaysTheWindows) {
    struct Case {
        const char* what;
        const char* script;
        std::string out;
        std::optional<double> money = {}; // left in the saved game, when it matters
    };
    const Case cases[] = {
        {"answers in the order asked; all bars ordered for",
         "order 0 0 10 12 yes\norder 0 0 10 12\nbuy-bar 0 Joe 1 a 1\norder all 0 10 11 no\n",
         kLower + kLower + "The bar you just buy isn't open yet. Open it to make business.\n" +
             kLower + kOrdered,
         20000 - 6000 - 2 * 25},
        {"a conversion error ends its handler and the script goes on",
         "buy-bar 0 Joe 1 a abc\norder 0 0 x 3\norder 0 0 1 3\n",
         "> 'abc' is not a valid floating point value\n"
         "> 'x' is not a valid integer value\n" +
             kOrdered},
        {"a visit to each bank",
         "member 3\nborrow 3 25000\nrefund 3 5000\nmember 0 no\nmember 0\ninvest 0 1 9999\n"
         "withdraw 0 no\nwithdraw 0\nmember 2\ninsure 1 1\nleave-insurance no yes\n",
         kChinaJoin + kAccepted + kInvestJoin + kInvestJoin + kEarly + kEarly + kGermanJoin +
             "? Do you want to leave the fire insurance?\n"
             "? Do you want to leave the stole insurance?\n",
         // 20000 - 8000 + 25000 - 5000 - 1000 - 9999 + 6999 - 3500 - 1800
         22700},
        {"the whole loan refunded as the window shows it",
         "member 3\nborrow 3 x\nborrow 3 20000\nrefund 3\n",
         kChinaJoin + "> 'x' is not a valid integer value\n" + kAccepted, 12000},
        {"the investment box empties below 1 and holds 8 characters",
         "member 0\ninvest 0 2 0\ninvest 0 2 123456789\ninvest 0 2 17999\n",
         kInvestJoin + "> '' is not a valid integer value\n> You don't have engouth money\n", 1001},
        {"a bar's door and advert; closed, it takes no money",
         "entry-price 0 10.01\npromote 0 news\ntoggle 0\ndays 1\n",
         "> The price you set to enter your bar is too high!\n> Your bar's pub is now on "
         "newspaper.\n",
         15000},
        // "=" types what the staff window shows; a spin plays to its end (second 0 spins 1-2-3).
        {"the staff window and a spin", "hire 2\nadmin 0 = 120 = =\nfire-admin 0 no\nspin 100\n",
         "? Do you want to fire this employe?\n", 20000 - 100 + 700},
        // From seed 1 car 1 wins, then car 2, as a model apart from the game works out.
        {"races", "race 0 5\nrace 1 \"\"\nrace 1 abc\nrace 3 20001\nrace 1 20000\nrace 1 40000\n",
         "> You have to bet on one car!\n> You have to bet some money to play!\n> 'abc' is not a "
         "valid integer value\n> You don't have enough money to bet this!\n> You car win is the "
         "winner!\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptGame game;
        const SimRun run = game.play(c.script, "- < s.txt"); // from the standard input
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(!c.money || game.saved().money == *c.money);
    }
}

TEST(Script, NamesAreTypedAsTheBoxTakesThem) {
    struct Case {
        const char* word;
        std::string name;
    };
    const Case cases[] = {
        {"\"The Blue Lagoon\"", "The Blue Lagoon"},
        {"\"Chez \xC3\x89lodie, the finest bar of the whole town\"",
         "Chez \xC9lodie, the finest bar o"}, // 29 characters, one byte each
        {"\xE2\x82\xAC-bar", "?-bar"},        // a character one byte cannot hold
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        ScriptGame game;
        ASSERT_EQ(game.play(std::string("buy-bar 0 ") + c.word + " 1 ad 1\n").status, 0);
        const BarRecord bar = game.saved().bars[1]; // the formula's clients for the music ticked
        EXPECT_EQ(std::tuple(fixedText(bar.barName), bar.clientsPerDay), std::tuple(c.name, 67));
    }
}

TEST(Script, ErrorsStopTheRunWithNothingSaved) {
    using namespace std::string_literals;
    struct Case {
        std::string script;
        std::string out; // what ran before the error
        std::string err;
    };
    const Case cases[] = {
        // Every line's form is checked before the first command runs.
        {"order 0 0 1 3\nfly 3\n", "", "s.txt:2: unknown command 'fly'"},
        // Words echoed with their control characters spelled out.
        {"fly\x1b]0;pwned\a\x1b[2J\n", "",
         "s.txt:1: unknown command 'fly\\x1b]0;pwned\\x07\\x1b[2J'"},
        {"toggle 0 a\0b\x7f\n"s, "", "s.txt:1: unexpected word 'a\\x00b\\x7f'"},
        {"# comment\n\n  \t# another\nrace 5 10\n", "",
         "s.txt:4: '5' is not a car (1 to 4, or 0 for none)"},
        {"invest 0 3 100\n", "", "s.txt:1: '3' is not a plan"},
        {"insure 1 2\n", "", "s.txt:1: '2' is not 0 or 1"},
        {"borrow 3 100\n", "", "s.txt:1: \"Borrow money\" is disabled at China Cash"},
        {"borrow 2 100\n", "", "s.txt:1: German Bank has no \"Borrow money\""},
        {"member 3 no\nmember 3\nmember 3\n", kChinaJoin + kChinaJoin,
         "s.txt:3: \"Become a member\" is disabled at China Cash"},
        {"member 2\nleave-insurance\n", kGermanJoin, "s.txt:2: \"Sell insurance\" is disabled"},
        {"toggle -1\n", "", "s.txt:1: '-1' is not a whole number"},
        // As many days as --days takes, and no more.
        {"days 1000000000001\n", "",
         "s.txt:1: '1000000000001' is not a number of days from 0 to 1000000000000"},
        {"days 99999999999999999999\n", "", "s.txt:1: '99999999999999999999' is not a number"},
        {"toggle 0 maybe\n", "", "s.txt:1: unexpected word 'maybe'"},
        {"toggle 0 \"yes\"\n", "", "s.txt:1: unexpected word 'yes'"},
        {"buy-bar 0 Joe 5 a 1\n", "", "s.txt:1: '5' is not a class"},
        {"buy-bar 0 Joe 1 ax 1\n", "", "s.txt:1: 'ax' is not music"},
        {"buy-bar 0 \"Joe 1 a 1\n", "", "s.txt:1: a quote is not closed"},
        {"buy-bar 0 \"Joe\"s 1 a 1\n", "", "s.txt:1: a closing quote must end its word"},
        {"promote 0 web\n", "", "s.txt:1: 'web' is not an advert"},
        {"order any 0 1 3\n", "", "s.txt:1: 'any' is not a bar number or all"},
        {"hire 5\n", "", "s.txt:1: '5' is not a staff ID (1 to 4)"},
        {"ticket 1 2 3\n", "",
         "s.txt:1: too few words; usage: ticket N1 N2 N3 N4 N5 N6 | ticket random"},
        // Clicks the window does not offer are found when their line runs.
        {"order 0 0 1 3\ntoggle 1\n", kOrdered, "s.txt:2: you own no bar 1"},
        {"order 99999999999999999999 0 1 3\n", "", "s.txt:1: you own no bar 9999"},
        {"order 0 2 1 3\n", "", "s.txt:1: the drinks list has no drink 2"},
        {"buy-bar 3 Joe 1 a 1\n", "", "s.txt:1: the bars list has no line 3"},
        {"buy-bar 2 Joe 1 a 1\n", "", "s.txt:1: bar 2 of the list is yours already"},
        {"buy-bar 1 Joe 1 a 1\n", "", "s.txt:1: the Low Class is disabled for this bar"},
        {"buy-bar 0 \"\" 1 a 1\n", "", "s.txt:1: Create is disabled"},
        {"hire 1\nhire 1\n", "", "s.txt:2: the choice of Ned Tarrow is disabled"},
        {"hire 3\nadmin 1 = = = =\n", "", "s.txt:2: the staff list has no row 1"},
        {"ticket random\nticket random\nticket random\nticket random\nticket random\n"
         "ticket random\nticket random\nticket random\nticket random\nticket random\n"
         "ticket 6 7 8 9 10 11\n",
         "", "s.txt:11: Buy this ticket is disabled"},
        // Answers left over are found once the command has run.
        {"order 0 0 10 3 no\n", kOrdered,
         "s.txt:1: 1 answer word was left over: the command "
         "asked 0 questions"},
        {"order 0 0 10 12 no yes\n", kLower + kOrdered, "s.txt:1: 1 answer word was left over"},
    };
    for (const Case& c : cases) {
        ScriptGame game;
        const SimRun run = game.play(c.script);
        EXPECT_EQ(run.status, 2) << c.script;
        EXPECT_EQ(run.out, c.out) << c.script;
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << c.script << " said: " << run.err;
        EXPECT_FALSE(test::fileExists(game.dir.file("out.sav"))) << c.script;
    }
    // A line number never wraps: the line past the most a script holds is
    // refused, comment and blank lines counted.
    try {
        forEachCommand(
            "days 1\n\n# comment\ndays 1\n", [](const ScriptCommand&) {}, 3);
        ADD_FAILURE() << "a fourth line passed a limit of three";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.line, 4);
    }
}

} // namespace
} // namespace tavo
