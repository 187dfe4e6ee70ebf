// tavo-sim: plays a saved game without any window, either running game
// days exactly as the game window's clock does, or playing an action script
// through the windows' own actions, and writes the resulting save.

#include "core/ConfigRecord.h"
#include "core/FixedText.h"
#include "core/SaveFile.h"
#include "core/Sha256.h"
#include "core/TimeSource.h"
#include "game/Game.h"
#include "game/Replay.h"
#include "game/Script.h"
#include "game/ScriptPlayer.h"
#include "game/Session.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFile = 1;
constexpr int kExitUsage = 2;

constexpr const char* kHelp =
    R"(Usage: tavo-sim --load IN.sav --days N [options]
       tavo-sim --load IN.sav --script FILE [options]
       tavo-sim --replay NAME.sav.journal --save OUT.sav [--load START.sav] [options]

Plays a saved game of Tavo without windows and optionally writes the result.
With --days it runs N game days exactly as the game window's clock does (the
fire included when it strikes, as if its window were shown at once). With
--script it plays a list of player actions, each one a whole visit to one
window, with the same rules, refusals, questions and words as the windows.

Options:
  --load IN.sav   the saved game to start from (required); refused like the
                  game refuses it: not a regular file, not 12936 bytes,
                  version not 5, a count or index outside its table, or a
                  value no game reaches (money or a price that is not a
                  finite number, a date off the calendar, a bar counting
                  more than 1000000 clients)
  --days N        how many game days to run, N >= 0; 0 loads and saves
                  unchanged
  --script FILE   the action script to play ('-' for standard input);
                  exactly one of --days, --script and --replay is given
  --replay FILE   a game's journal (NAME.sav.journal, written beside every
                  save): plays the game again from its start, a new game or
                  START.sav (--load, which must be the very save the journal
                  names by its SHA-256), and --save writes the same bytes
  --save OUT.sav  write the resulting game here (atomically), with the
                  months played beside it in OUT.sav.history and the
                  journal in OUT.sav.journal
  --seed S        seed of the random generator, 0..4294967295 (default 1, as
                  at program start)
  --time T        the current time in whole seconds since 1970 that every
                  reseeding sees (default: the real clock)
  --bars FILE     the bars list file (default: the path in ./config.kpl, or
                  def.bar without it)
  --drinks FILE   the drinks list file (default: the path in ./config.kpl, or
                  drinks.drk without it)
  --decimal C     the decimal separator of the number format, one character
                  (default: the system's)
  --help          show this text

tavo-sim reads ./config.kpl (missing: the defaults) and never writes it.

Scripts: one command a line; blank lines and lines whose first non-blank
character is # are skipped. Words are separated by blanks; a word in double
quotes may hold blanks, "" is the empty word, and inside quotes a doubled
quote stands for one (the only escape). TEXT
words are typed into a box as they are (cut to the box's length), so abc, -5
or "" reach the window's own checks; typing what a box already holds is no
change. Numbers that pick a line are whole decimal numbers (0-based). Trailing
words yes or no answer the command's questions in order; a question with no
answer left is answered yes, and answers left over are an error.

  days N                  runs N game days, as --days N does
  buy-bar LIST NAME CLASS MUSIC PRICE
                          town map: picks line LIST of the bars list, presses
                          Buy; bar setup: types NAME, clicks class CLASS (0
                          none, 1 Low, 2 High, 3 Dark, 4 Rave), ticks the
                          music boxes of the letters of MUSIC (a Alternative,
                          t Techno/Rave, d Dance, m Metal, r Rock, each letter
                          one tick; - none), types PRICE, presses Create
  order BAR DRINK QTY PRICE [unused]
                          drinks window: picks BAR (a bar number or all),
                          drink DRINK, types QTY and PRICE, unticks "I use
                          this drink in this bar" with unused, presses Order
  toggle BAR              information window: picks BAR, presses Change
  entry-price BAR PRICE   information window: picks BAR, types PRICE, Set
  promote BAR KIND        promotion window: picks BAR, chooses KIND (news,
                          radio or tv), presses Promote
  hire STAFF              hire window: chooses the candidate of staff ID
                          STAFF (1 to 4), presses Hire
  admin INDEX TICKETS DRINKS REFWHEN REFAMOUNT
                          staff list: picks row INDEX, presses View;
                          settings: types the four TEXT words (= leaves a box
                          as shown), presses Close & Save
  fire-admin INDEX        staff list: picks row INDEX, presses View;
                          settings: presses Fire
  ticket N1 N2 N3 N4 N5 N6
                          Lotto window: types the six numbers, presses Buy
                          this ticket
  ticket random           Lotto window: presses Random, lets its timer tick,
                          presses Buy this ticket
  spin BET                Spin Cash: types BET, presses Spin, lets the reels
                          run to the end of the spin (every step reseeds
                          from the time, which --time fixes)
  race CAR BET            race window: chooses car CAR (1 to 4, 0 none), types
                          BET, presses Start The Race and lets the race run
                          to its clean-up; the commentary carries over

  BANK is 0 Invest Bank, 2 German Bank or 3 China Cash. The bank window
  shows as one refresh leaves it: only "Become a member" for a non-member;
  for a member the services, "Make an Investment" while none runs, and the
  refunds and "Sell insurance" while something is held. A disabled button or
  a service the bank does not offer is a script error.
  member BANK             presses "Become a member", answers its question
  borrow BANK AMOUNT      "Borrow money": types AMOUNT, presses Ask
  refund BANK [AMOUNT]    "Refund the loan": types AMOUNT over what is left
                          to refund when given, presses Refund
  invest BANK PLAN AMOUNT "Make an Investment": when the form opens, chooses
                          plan PLAN (1 the shorter, 2 the longer), types
                          AMOUNT, presses "Invest the money"
  withdraw BANK           "Investment refund", answers its question
  insure FIRE THEFT       German Bank, "Buy Insurance": ticks the fire box
                          when FIRE is 1 and the theft box when THEFT is 1,
                          presses "Sign up"
  leave-insurance         German Bank, "Sell insurance", answers its questions

Each command opens its window as laid out, clicks, and leaves it with its
close box; no day passes but with days. The random generator, the slot
machine's reels and the race's commentary carry over between commands.

Journals. Every game keeps one: the commands that made it, the days between
them and what it read from outside. It begins where the game began, with
'journal new' or 'journal load SHA256' (the SHA-256 of the save loaded),
then 'seed S' (the generator), 'decimal C' (the number format), 'lists
BARS DRINKS' (the SHA-256 of each list's records: other lists are refused),
'reels R1 R2 R3' and 'commentary LEADER SAME COMMENTS' (the slot machine and
the race as the run found them). 'time T' gives the seconds every later
reading of the clock sees. A window that changes the game part-way through
a visit writes the finer commands its steps make, which scripts may use too:

  day                     one day of the clock, its fire left to the next line
  fire                    the fire window shown: a bar burns (reads the clock)
  add-money AMOUNT        the debug centre's "Add money"
  new-game                the main menu's New game (reads the clock)
  owner-kind KIND         owner creation: 1 business man, 2 cool dude, 3 woman
  owner NAME              owner creation: Create with NAME
  bar-setup               the bar setup window shown: class and music cleared
  bar-class CLASS         a class clicked, 1 to 4
  bar-music LETTER TICK   a music box (a t d m r) ticked (1) or unticked (0)
  create-bar LIST NAME PRICE
                          Create for line LIST with the choices made
  pick-bar BAR            a bar line picked in the information or drinks window
  place-order PICKED BAR DRINK QTY PRICE USED
                          the drinks window's Order as its controls stand:
                          PICKED 1 when a bar line was picked, BAR a bar or
                          all, DRINK a drink or -, USED 1 when ticked
  read-price PRICE        the information window's Set with no bar shown
  promote-bar BAR KIND    Promote, KIND news, radio, tv or none
  ask-loan BANK AMOUNT LIMIT
                          the loan form's Ask, LIMIT the limit it shows
  pay-loan BANK AMOUNT    the refund form's Refund
  invest-money BANK PLAN AMOUNT MAXIMUM
                          "Invest the money", MAXIMUM the most the form shows
  sign-up FIRE THEFT      the insurance form's "Sign up"
  hire-admin STAFF        the hire window's Hire on the candidate chosen
  save-admin INDEX TICKETS DRINKS REFWHEN REFAMOUNT
                          the settings window's "Close & Save"
  dismiss-admin INDEX     the settings window's Fire
  lotto-pick              a tick of the Lotto's Random: six numbers drawn
  spin-bet BET            Spin pressed; spin-step: one step of the reels
  race-start CAR BET      Start The Race; race-step: one step of the race
Inside double quotes a doubled quote stands for one, so any typed text can
be written.

Output: standard output carries, one line a text in order, the texts posted
to the game's message box; with --script also each message box an action
shows as "> " and its text (a conversion error included) and each question
as "? " and its text, a line break inside a text written as \n. A conversion
error ends the handler that raised it and the command goes on. Diagnostics go
to standard error; a day stopped by a number that does not convert is
reported there and the next day runs.

Every file read must be a regular file (a FIFO or a device is refused, never
waited on); a script, from a file or the standard input, is at most 64 MiB.
A save goes through to the file a symbolic link names and keeps the
permissions of the file it replaces; it never replaces what is not a regular
file, nor a file its owner protected against writing.

Exit status: 0 on success; 1 when a file or the standard input cannot be
read or is refused, or the result cannot be written (with the system's reason) (a list file given with --bars or --drinks must load;
a default list that does not load is reported and the game runs without it);
2 on a usage error, or a script error (an unknown command, a wrong number of
words, a word that is not what the command expects, a click the window does
not offer at that moment, answers left over), reported as FILE:LINE: reason;
nothing is saved then. Every line's form is checked before the first command
runs.
)";

struct Options {
    std::string load;
    std::optional<long long> days;
    std::optional<std::string> script;
    std::optional<std::string> replay;
    std::optional<std::string> save;
    std::uint32_t seed = tavo::Random::kStartSeed;
    std::optional<std::int64_t> time;
    std::optional<std::string> bars;
    std::optional<std::string> drinks;
    std::optional<char> decimal;
    bool help = false;
};

class UsageError {
public:
    explicit UsageError(std::string message) : message(std::move(message)) {}
    std::string message;
};

template <typename Int>
Int parseWhole(std::string_view option, std::string_view text, Int low, Int high) {
    Int value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high)
        throw UsageError(std::string(option) + ": '" + tavo::printable(text) +
                         "' is not a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high));
    return value;
}

Options parseOptions(int argc, char** argv) {
    Options options;
    bool haveLoad = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return options;
        }
        std::string value;
        if (auto equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = arg.substr(equals + 1);
            arg = arg.substr(0, equals);
        } else {
            static const std::string_view kWithValue[] = {
                "--load", "--days", "--script", "--replay", "--save",
                "--seed", "--time", "--bars",   "--drinks", "--decimal"};
            bool takesValue = false;
            for (auto name : kWithValue)
                takesValue = takesValue || arg == name;
            if (!takesValue) throw UsageError("unknown option '" + tavo::printable(arg) + "'");
            if (i + 1 >= argc) throw UsageError(tavo::printable(arg) + " needs a value");
            value = argv[++i];
        }
        if (arg == "--load") {
            options.load = value;
            haveLoad = true;
        } else if (arg == "--days") {
            options.days = parseWhole<long long>(arg, value, 0, tavo::kMostDays);
        } else if (arg == "--script") {
            options.script = value;
        } else if (arg == "--replay") {
            options.replay = value;
        } else if (arg == "--save") {
            options.save = value;
        } else if (arg == "--seed") {
            options.seed = parseWhole<std::uint32_t>(arg, value, 0, 4294967295u);
        } else if (arg == "--time") {
            options.time = parseWhole<std::int64_t>(arg, value, INT64_MIN, INT64_MAX);
        } else if (arg == "--bars") {
            options.bars = value;
        } else if (arg == "--drinks") {
            options.drinks = value;
        } else if (arg == "--decimal") {
            if (value.size() != 1) throw UsageError("--decimal takes exactly one character");
            options.decimal = value[0];
        } else {
            throw UsageError("unknown option '" + tavo::printable(arg) + "'");
        }
    }
    const int modes =
        options.days.has_value() + options.script.has_value() + options.replay.has_value();
    if (modes != 1)
        throw UsageError("exactly one of --days N, --script FILE and --replay FILE is required");
    if (!haveLoad && !options.replay) throw UsageError("--load IN.sav is required");
    if (options.replay && !options.save) throw UsageError("--replay needs --save OUT.sav");
    return options;
}

char systemDecimalSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const std::lconv* conventions = std::localeconv();
    char separator = '.';
    if (conventions && conventions->decimal_point && conventions->decimal_point[0] != '\0' &&
        conventions->decimal_point[1] == '\0')
        separator = conventions->decimal_point[0];
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

// Loads one list; an explicit path must load, a default one may fail.
template <typename List>
bool loadList(List& list, const std::optional<std::string>& given, const std::string& fallback,
              const char* what) {
    const std::string& path = given ? *given : fallback;
    std::string problem;
    if (list.loadFromFile(path, &problem)) return true;
    std::cerr << "tavo-sim: cannot load the " << what << " list '" << path << "': " << problem;
    if (given) {
        std::cerr << "\n";
        return false;
    }
    std::cerr << "; running without it\n";
    return true;
}

std::unique_ptr<tavo::TimeSource> clockOf(const Options& options) {
    if (options.time) return std::make_unique<tavo::FixedTimeSource>(*options.time);
    return std::make_unique<tavo::SystemTimeSource>();
}

void note(const std::string& text) {
    std::cout.flush();
    std::cerr << "tavo-sim: " << text << "\n";
}

// The longest script read, from a file or the standard input: far more
// lines than any session of play.
constexpr std::size_t kMostScriptBytes = 64u << 20;

// Reads the standard input to its end, at most maxBytes of it.
tavo::FileRead readStandardInput(std::size_t maxBytes) {
    tavo::FileRead input;
    constexpr std::size_t kChunk = 1 << 16;
    while (input.bytes.size() < maxBytes) {
        const std::size_t old = input.bytes.size();
        input.bytes.resize(old + std::min(kChunk, maxBytes - old));
        const ssize_t got =
            ::read(STDIN_FILENO, input.bytes.data() + old, input.bytes.size() - old);
        input.bytes.resize(old + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            input.reason = std::string("cannot read the standard input: ") + std::strerror(errno);
            return input;
        }
        if (got == 0) break;
    }
    input.fileSize = input.bytes.size();
    input.ok = true;
    return input;
}

// The whole script's text; nothing when it cannot be read or is too long.
std::optional<tavo::Bytes> readScriptText(const std::string& path) {
    tavo::FileRead file = path == "-" ? readStandardInput(kMostScriptBytes + 1)
                                      : tavo::readRegularFile(path, kMostScriptBytes + 1);
    if (!file.ok || file.fileSize > kMostScriptBytes) {
        std::cerr << "tavo-sim: cannot read the script: "
                  << (file.ok
                          ? (path == "-" ? "the standard input" : path) + " is longer than 64 MiB"
                          : file.reason)
                  << "\n";
        return std::nullopt;
    }
    return std::move(file.bytes);
}

// Checks every line of the script, then plays it; the commands are read
// again as they are played, so the script costs little more than its text.
void playScript(const tavo::Bytes& bytes, tavo::ScriptPlayer& player) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    tavo::forEachCommand(text, [](const tavo::ScriptCommand&) {});
    tavo::forEachCommand(text, [&](const tavo::ScriptCommand& command) { player.play(command); });
}

int run(const Options& options) {
    const std::unique_ptr<tavo::TimeSource> clock = clockOf(options);
    tavo::Session session(*clock);
    tavo::Game& game = session.game();
    if (!options.replay) {
        tavo::LoadResult loaded = session.load(options.load);
        if (!loaded.ok()) {
            std::cerr << "tavo-sim: " << options.load << " refused: " << loaded.reason << "\n";
            return kExitFile;
        }
    }
    std::string configProblem;
    game.config = tavo::readConfig(tavo::kConfigFileName, &configProblem);
    if (!configProblem.empty())
        std::cerr << "tavo-sim: " << configProblem << "; using the default configuration\n";
    if (!loadList(game.bars, options.bars, tavo::fixedText(game.config.barsListPath), "bars") ||
        !loadList(game.drinks, options.drinks, tavo::fixedText(game.config.drinksListPath),
                  "drinks"))
        return kExitFile;
    game.numberFormat.decimalSeparator =
        options.decimal ? *options.decimal : systemDecimalSeparator();
    game.random.setSeed(options.seed);
    session.onNote(note);
    if (!options.replay) { // the journal opens with what the run starts from
        const tavo::GameState& state = session.game().state;
        session.beginJournal("journal load " + tavo::sha256Hex(&state, sizeof state));
    }

    tavo::ScriptPlayer player(session, std::cout);
    const std::optional<std::string>& file = options.script ? options.script : options.replay;
    if (file) {
        const auto text = readScriptText(*file);
        if (!text) return kExitFile;
        try {
            if (options.replay) {
                const std::string_view journal(reinterpret_cast<const char*>(text->data()),
                                               text->size());
                replayJournal(journal, session, player,
                              options.load.empty() ? std::nullopt
                                                   : std::optional<std::string>(options.load));
            } else {
                playScript(*text, player);
            }
        } catch (const tavo::ScriptError& error) {
            std::cout.flush();
            std::cerr << tavo::printable(*file) << ":" << error.line << ": " << error.what()
                      << "\n";
            return kExitUsage;
        } catch (const tavo::ReplayRefused& refused) {
            std::cout.flush();
            std::cerr << "tavo-sim: " << refused.what() << "\n";
            return kExitFile;
        }
    } else {
        player.play(tavo::command("days", {tavo::word(std::to_string(*options.days))}));
    }
    std::cout.flush();
    std::string unsaved;
    if (options.save && !session.save(*options.save, &unsaved)) {
        std::cerr << "tavo-sim: " << unsaved << "\n";
        return kExitFile;
    }
    return kExitOk;
}

} // namespace
int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    Options options;
    try {
        options = parseOptions(argc, argv);
    } catch (const UsageError& error) {
        std::cerr << "tavo-sim: " << error.message << "\n"
                  << "Try 'tavo-sim --help'.\n";
        return kExitUsage;
    }
    if (options.help) {
        std::cout << kHelp;
        return kExitOk;
    }
    return run(options);
}
