// tavo-soak: plays game years on end, the worst-case game and random games
// whose player buys, orders, prices and promotes at random every month, and
// checks the record at every month change. Built with the fuzz preset, under
// AddressSanitizer and UndefinedBehaviorSanitizer:
//   build/fuzz/fuzz/tavo-soak [YEARS] [RANDOM_GAMES]   (1000 and 3)
// Exit status 1 at the first broken rule, with the game, the date and why.

#include "SeedGames.h"
#include "core/SaveFile.h"
#include "game/ScriptPlayer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>

namespace {

using namespace tavo;

// What must hold of any game at a month change; empty when it all does.
std::string brokenRule(const GameState& state, const GameState& monthBefore) {
    if (std::string fault = findCountFault(state); !fault.empty()) return fault;
    if (std::string fault = findValueFault(state); !fault.empty()) return fault;
    GameState reloaded{};
    if (!loadGameFromBytes(reinterpret_cast<const unsigned char*>(&state), sizeof state, reloaded)
             .ok())
        return "the game saved does not load";
    const int months = (state.year - monthBefore.year) * 12 + state.month - monthBefore.month;
    if (months != 1) return "the calendar moved " + std::to_string(months) + " months in one";
    for (int b = 0; b < state.barCount; ++b) {
        const BarRecord& bar = state.bars[b];
        // Word of mouth brings at most 9 clients to a bar below 10.
        if (bar.clientsPerDay > std::max(bar.maxClients, 18))
            return "bar " + std::to_string(b) + " counts " + std::to_string(bar.clientsPerDay) +
                   " clients for room for " + std::to_string(bar.maxClients);
        for (int k = 0; k < bar.drinkCount; ++k)
            if (bar.drinks[k].inUse && bar.drinks[k].stock < 0)
                return "slot " + std::to_string(k) + " of bar " + std::to_string(b) +
                       " has negative stock";
    }
    return {};
}

// One month of a random player: a few actions, as tavo-sim scripts them,
// mostly those of a player who wants to stay in business (drinks at most 6 $
// above their cost, low door prices), now and then a careless one.
std::string randomActions(std::mt19937& random, const Game& game) {
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto cents = [&](int low, int high) {
        return std::to_string((low * 100 + pick((high - low) * 100 + 1)) / 100.0);
    };
    const bool careless = pick(10) == 0;
    const int owned = std::max(game.state.barCount, 1);
    std::string script;
    for (int action = pick(4); action > 0; --action) {
        const std::string bar = std::to_string(pick(owned));
        const int drink = pick(std::max(game.drinks.count(), 1));
        const DrinkListEntry* entry = game.drinks.at(drink);
        const int cost = entry ? static_cast<int>(retailPriceOf(*entry, game.numberFormat)) : 2;
        switch (pick(6)) {
        case 0: {
            // A class the bar allows (its list mask), unless careless.
            static constexpr int kClasses[8][3] = {{1, 1, 1}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3},
                                                   {4, 4, 4}, {1, 2, 3}, {1, 2, 2}, {3, 4, 4}};
            const int line = pick(std::max(game.bars.count(), 1));
            const BarListEntry* listed = game.bars.at(line);
            const int mask = listed ? std::clamp(listed->classMask, 0, 7) : 0;
            const int barClass = careless ? 1 + pick(4) : kClasses[mask][pick(3)];
            script += "buy-bar " + std::to_string(line) + " Soak " + std::to_string(barClass) +
                      " " + "atdmr"[pick(5)] + " " + cents(0, careless ? 9 : 2) + "\n";
            break;
        }
        case 1:
        case 2:
            script += "order " + bar + " " + std::to_string(drink) + " " +
                      std::to_string(10 + pick(300)) + " " +
                      cents(cost, cost + (careless ? 12 : 6)) + "\n";
            break;
        case 3:
            script += "toggle " + bar + "\n";
            break;
        case 4:
            script +=
                "entry-price " + bar + " " + cents(careless ? -5 : 0, careless ? 9 : 2) + "\n";
            break;
        default:
            script += "promote " + bar + " " +
                      (pick(3) == 0 ? "tv"
                       : pick(2)    ? "radio"
                                    : "news") +
                      "\n";
        }
    }
    return script;
}

// Plays `years` on the game; false at the first broken rule.
bool soak(const std::string& name, Game game, int years, std::mt19937* player) {
    static const bool verbose = std::getenv("TAVO_SOAK_VERBOSE") != nullptr;
    const auto start = std::chrono::steady_clock::now();
    const FixedTimeSource clock(315532800);
    std::ostringstream said;
    Session session(game, clock);
    ScriptPlayer actions(session, said);
    for (int month = 0; month < years * 12; ++month) {
        if (player) {
            const std::string text = randomActions(*player, game);
            if (verbose)
                std::printf("%d/%d money %.2f\n%s", game.state.month, game.state.year,
                            game.state.money, text.c_str());
            for (const ScriptCommand& command : readScript(text)) {
                try {
                    actions.play(command);
                } catch (const ScriptError&) {
                    // A click the window does not offer at this moment.
                }
            }
            said.str({});
        }
        const GameState before = game.state;
        while (game.state.month == before.month && game.state.year == before.year)
            session.days(1);
        if (const std::string broken = brokenRule(game.state, before); !broken.empty()) {
            std::fprintf(stderr, "tavo-soak: %s, month %d of year %d: %s\n", name.c_str(),
                         game.state.month, game.state.year, broken.c_str());
            return false;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-12s %d years, %d bars, money %.2f, %.1f s\n", name.c_str(), years,
                game.state.barCount, game.state.money, seconds);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int years = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int randomGames = argc > 2 ? std::atoi(argv[2]) : 3;
    if (years <= 0 || randomGames < 0) {
        std::fprintf(stderr, "usage: tavo-soak [YEARS] [RANDOM_GAMES]\n");
        return 2;
    }
    const auto games = fuzz::seedGames(TAVO_DATA_DIR);
    bool ok = soak("worst-case", games.back().game, years, nullptr);
    for (int g = 0; ok && g < randomGames; ++g) {
        std::mt19937 player(static_cast<std::uint32_t>(g + 1));
        Game game = games[static_cast<std::size_t>(g) % (games.size() - 1)].game;
        game.random.setSeed(static_cast<std::uint32_t>(1000 + g));
        ok = soak("random-" + std::to_string(g + 1), game, years, &player);
    }
    return ok ? 0 : 1;
}
