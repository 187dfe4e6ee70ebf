#include "SeedGames.h"

#include "WorstCase.h"
#include "banks/BankIds.h"
#include "bars/Owner.h"
#include "core/NewGame.h"
#include "game/ScriptPlayer.h"

#include <sstream>
#include <stdexcept>

namespace tavo::fuzz {
namespace {

constexpr std::int64_t kStartTime = 315532800; // 1 January 1980

// Plays player actions as tavo-sim --script does; `bars` open bars must
// come of it.
void play(Game& game, const std::string& script, int bars) {
    std::ostringstream out;
    const FixedTimeSource clock(kStartTime);
    Session session(game, clock);
    ScriptPlayer(session, out).play(readScript(script));
    int open = 0;
    for (int b = 0; b < game.state.barCount; ++b)
        open += game.state.bars[b].isOpen ? 1 : 0;
    if (game.state.barCount != bars || open != bars)
        throw std::runtime_error("a seed game's steps went wrong:\n" + out.str());
}

class Silent final : public Voice {
public:
    void say(const Words& words) override {
        throw std::runtime_error("a seed game's step was refused: " + words.text());
    }
    bool ask(const Words&) override { return true; }
};

Game freshGame(const std::string& dataDir) {
    Game game;
    game.numberFormat.decimalSeparator = '.';
    if (!game.bars.loadFromFile(dataDir + "/def.bar") ||
        !game.drinks.loadFromFile(dataDir + "/drinksUS.drk"))
        throw std::runtime_error("cannot read the lists in " + dataDir);
    beginNewGame(game.state, game.random, kStartTime);
    chooseArchetype(game.state, 3);
    Silent voice;
    createOwner(game.state, "Fresh Owner", voice);
    return game;
}

Game bankerGame(const Game& firstBar) {
    Game game = firstBar;
    play(game,
         "buy-bar 1 \"Harbour Lights\" 1 r 3\n"
         "buy-bar 2 \"Night Owl\" 1 d 1.5\n"
         "order 1 2 40 3\n"
         "order 2 3 40 4.5\n"
         "toggle 1\ntoggle 2\n"
         "promote 1 radio\n"
         "days 25\n",
         3);
    GameState& state = game.state;
    state.day = 29;
    state.weekDay = 6;
    state.month = 12;
    // The heaviest game's administrators (two of them) and bank accounts:
    // loans at two banks, investments at two, fire and theft insurance.
    const GameState heaviest = bench::worstCaseGame();
    state.admins[0] = heaviest.admins[0];
    state.admins[1] = heaviest.admins[1];
    state.admins[1].canBuyTickets = 0;
    state.adminCount = 2;
    for (int bank = 0; bank < kBankCount; ++bank) {
        BankAccount& account = state.bankAccounts[bank];
        account = heaviest.bankAccounts[bank];
        account.loanLeft /= 10;
        account.loanAmount /= 10;
        account.investYear = account.fireInsYear = account.theftInsYear = state.year;
    }
    state.bankAccounts[kGermanBank].fireInsBonus = 5000;
    state.bankAccounts[kGermanBank].theftInsRate = 0.5f;
    for (int t = 0; t < 3; ++t)
        for (int n = 0; n < 6; ++n)
            state.lottoTickets[t].numbers[n] = 1 + t * 3 + n * 8;
    state.lottoTicketCount = 3;
    state.lottoDrawPending = 1;
    state.lottoJackpot = 250000;
    return game;
}

} // namespace

std::vector<SeedGame> seedGames(const std::string& dataDir) {
    std::vector<SeedGame> games;
    games.push_back({"fresh", freshGame(dataDir)});
    Game firstBar = games.back().game;
    play(firstBar,
         "buy-bar 0 \"Joe's Place\" 1 a 2\n"
         "order 0 0 60 2.5\n"
         "order 0 1 40 3\n"
         "toggle 0\n"
         "days 3\n",
         1);
    games.push_back({"first-bar", firstBar});
    games.push_back({"banker", bankerGame(firstBar)});
    Game worst;
    worst.state = bench::worstCaseGame();
    worst.drinks = bench::worstCaseDrinks();
    worst.bars = firstBar.bars;
    worst.numberFormat.decimalSeparator = '.';
    games.push_back({"worst-case", worst});
    return games;
}

} // namespace tavo::fuzz
