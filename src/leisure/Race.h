// Racing Money: four cars cross the track in small random jumps and a bet
// on the winner pays twice. The bet, the start with its lane shuffle, each
// step of the race with the crash, the leader and the live commentary, and
// the clean-up after the finish.
#pragma once

#include "core/GameState.h"
#include "core/Random.h"
#include "core/Voice.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavo {

inline constexpr int kRaceCars = 4;
inline constexpr int kRaceStartX = 8;
inline constexpr int kRaceFinishX = 576; // a car whose left edge passes it has finished
inline constexpr std::array<int, kRaceCars> kRaceLanes = {8, 40, 72, 102};
// The cars move in this order at every step.
inline constexpr std::array<int, kRaceCars> kRaceMoveOrder = {3, 1, 4, 2};

inline constexpr const char* kRaceWelcome = N_("Welcome! This is a live coverage of today's race");
inline constexpr const char* kRaceNoLeader = N_("none");
inline constexpr const char* kRaceAllRacing = N_("All cars are curently racing");

// What the commentator remembers. It lives for the whole run: a new race
// goes on from where the last one left it.
struct RaceCommentary {
    Phrase previousLeader = kRaceNoLeader;
    int sameLeaderSteps = 0; // steps the leader has stayed the same
    int leadComments = 0;
};

struct RaceCar {
    int x = kRaceStartX;   // the image's left edge
    int y = kRaceLanes[0]; // the image's top edge: the lane
    bool crashed = false;
};

// One race as the window shows it.
struct Race {
    std::array<RaceCar, kRaceCars> cars = {
        RaceCar{kRaceStartX, kRaceLanes[0]}, RaceCar{kRaceStartX, kRaceLanes[1]},
        RaceCar{kRaceStartX, kRaceLanes[2]}, RaceCar{kRaceStartX, kRaceLanes[3]}};
    bool running = false;  // the race timer runs; the bet box and Start are disabled
    bool raceOver = false; // a car has finished: the next tick cleans up
    int chosenCar = 0;     // the car bet on, 1..4
    std::int32_t bet = 0;
    int wreck = 0; // the car whose place the crash picture takes (its image hidden), or 0
    bool crashInfoShown = false;
    Phrase crashInfo = kRaceAllRacing;
    Phrase comments = kRaceWelcome;
    Phrase winner; // "The race winner:"
    Phrase leader; // "The current race leader:"
};

// "The car # 1" to "The car # 4".
Phrase raceCarName(int car);

// Start The Race: the bet on `chosenCar` (1..4, 0 for none) of the typed
// amount is checked and charged, then the cars line up in shuffled lanes
// and the race runs. A missing car, an empty or non-positive amount, or an
// amount above the money is refused in words with nothing changed; a text
// that does not convert throws ConversionError with nothing charged. True
// when the race has started.
bool startRace(GameState& state, Random& random, Race& race, int chosenCar,
               std::string_view typedBet, Voice& voice);

// One tick of the race timer: a race step, or the clean-up once a car has
// finished. A finishing chosen car is paid twice the bet before the win
// message is said, once the whole step has been applied.
void raceTick(GameState& state, Random& random, Race& race, RaceCommentary& commentary,
              Voice& voice);

// The game the race was bet in is left (a new game or a load): the race
// stops where it is and pays nothing, so no prize lands in another game.
void abandonRace(Race& race);

} // namespace tavo
