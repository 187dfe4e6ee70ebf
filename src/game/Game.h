// Everything of one run of the program that the rules work on: the saved
// record, the configuration, the two lists, the one random generator, the
// slot machine, the race and its commentary.
#pragma once

#include "bars/BarList.h"
#include "bars/DrinkList.h"
#include "core/ConfigRecord.h"
#include "core/FinanceHistory.h"
#include "core/GameState.h"
#include "core/NumberText.h"
#include "core/Random.h"
#include "game/GameDay.h"
#include "leisure/Race.h"
#include "leisure/SpinCash.h"

namespace tavo {

struct Game {
    GameState state{}; // every byte zero at program start
    ConfigRecord config = defaultConfig();
    TBarList bars;
    TDrinkList drinks;
    Random random;                 // seed 1 at start
    NumberFormat numberFormat;     // the running system's decimal separator
    SpinCash spinCash;             // the slot machine's reels, kept from spin to spin
    Race race;                     // the race window's race
    RaceCommentary raceCommentary; // carries over from race to race
    FinanceHistory history;        // the running game's months, kept beside its saves
};

inline DayOutcome runGameDay(Game& game, MessageSink& messages) {
    return runGameDay(game.state, game.random, game.drinks, game.numberFormat, messages);
}

} // namespace tavo
