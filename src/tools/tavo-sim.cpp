// tavo-sim: runs game days on a saved game without any window, exactly as
// the game window's clock does, and writes the resulting save.

#include "banks/Fire.h"
#include "core/ConfigRecord.h"
#include "core/FixedText.h"
#include "game/Game.h"
#include "core/SaveFile.h"
#include "core/TimeSource.h"

#include <charconv>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFile = 1;
constexpr int kExitUsage = 2;

constexpr const char* kHelp =
    R"(Usage: tavo-sim --load IN.sav --days N [options]

Runs N game days on a saved game of Tavo, exactly as the game window's clock
does (the fire included when it strikes, as if its window were shown at once),
and optionally writes the resulting game.

Options:
  --load IN.sav   the saved game to start from (required); refused like the
                  game refuses it: not 12936 bytes, version not 5, or a count
                  or index outside its table
  --days N        how many game days to run, N >= 0 (required); 0 loads and
                  saves unchanged
  --save OUT.sav  write the resulting game here (atomically)
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

Output: standard output carries only the texts posted to the game's message
box, one per line, in order. Diagnostics go to standard error; a day stopped by
a number that does not convert is reported there and the next day runs.

Exit status: 0 on success; 1 when a file cannot be read or is refused, or the
result cannot be written (a list file given with --bars or --drinks must load;
a default list that does not load is reported and the days run without it);
2 on a usage error.
)";

struct Options {
    std::string load;
    std::optional<long long> days;
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
        throw UsageError(std::string(option) + ": '" + std::string(text) +
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
            static const std::string_view kWithValue[] = {"--load",   "--days",   "--save",
                                                          "--seed",   "--time",   "--bars",
                                                          "--drinks", "--decimal"};
            bool takesValue = false;
            for (auto name : kWithValue)
                takesValue = takesValue || arg == name;
            if (!takesValue) throw UsageError("unknown option '" + arg + "'");
            if (i + 1 >= argc) throw UsageError(arg + " needs a value");
            value = argv[++i];
        }
        if (arg == "--load") {
            options.load = value;
            haveLoad = true;
        } else if (arg == "--days") {
            options.days = parseWhole<long long>(arg, value, 0, 1'000'000'000'000LL);
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
            throw UsageError("unknown option '" + arg + "'");
        }
    }
    if (!haveLoad) throw UsageError("--load IN.sav is required");
    if (!options.days) throw UsageError("--days N is required");
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
    if (list.loadFromFile(path)) return true;
    std::cerr << "tavo-sim: cannot load the " << what << " list '" << path << "'";
    if (given) {
        std::cerr << "\n";
        return false;
    }
    std::cerr << "; running without it\n";
    return true;
}

class StdoutSink final : public tavo::MessageSink {
public:
    void post(const std::string& text) override { std::cout << text << '\n'; }
};

int run(const Options& options) {
    tavo::Game game;
    tavo::LoadResult loaded = tavo::loadGame(options.load, game.state);
    if (!loaded.ok()) {
        std::cerr << "tavo-sim: " << options.load << " refused: " << loaded.reason << "\n";
        return kExitFile;
    }
    game.config = tavo::readConfig(tavo::kConfigFileName);
    if (!loadList(game.bars, options.bars, tavo::fixedText(game.config.barsListPath), "bars") ||
        !loadList(game.drinks, options.drinks, tavo::fixedText(game.config.drinksListPath),
                  "drinks"))
        return kExitFile;
    game.numberFormat.decimalSeparator =
        options.decimal ? *options.decimal : systemDecimalSeparator();
    game.random.setSeed(options.seed);

    std::unique_ptr<tavo::TimeSource> clock;
    if (options.time)
        clock = std::make_unique<tavo::FixedTimeSource>(*options.time);
    else
        clock = std::make_unique<tavo::SystemTimeSource>();

    StdoutSink messages;
    for (long long day = 1; day <= *options.days; ++day) {
        try {
            tavo::DayOutcome outcome = tavo::runGameDay(game, messages);
            if (outcome.fireStrikes) {
                if (auto fire = tavo::applyFire(game.state, game.random, clock->nowSeconds()))
                    std::cerr << "tavo-sim: day " << day << ": fire in bar " << fire->bar
                              << (fire->insured ? " (insured)" : " (not insured)") << ", damage "
                              << fire->damage << "\n";
            }
        } catch (const tavo::ConversionError& error) {
            std::cout.flush();
            std::cerr << "tavo-sim: day " << day << " stopped: " << error.what() << "\n";
        }
    }
    std::cout.flush();
    if (options.save && !tavo::saveGame(*options.save, game.state)) {
        std::cerr << "tavo-sim: cannot write " << *options.save << "\n";
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
