#include "leisure/Race.h"

#include "core/Arithmetic.h"
#include "core/NumberText.h"

#include <algorithm>

namespace tavo {
namespace {

RaceCar& carOf(Race& race, int car) {
    return race.cars[car - 1];
}

// Each car in turn draws a lane until it finds one no earlier car took.
void shuffleLanes(Random& random, Race& race) {
    int taken[kRaceCars] = {};
    for (int car = 0; car < kRaceCars; ++car) {
        int lane = 0;
        do {
            lane = random.below(4) + 1;
        } while (std::find(taken, taken + car, lane) != taken + car);
        taken[car] = lane;
        race.cars[car].y = kRaceLanes[lane - 1];
    }
}

// Moves the cars that still run; true when the chosen car finished.
bool moveCars(GameState& state, Random& random, Race& race) {
    bool won = false;
    for (int car : kRaceMoveOrder) {
        RaceCar& moving = carOf(race, car);
        if (moving.crashed) continue;
        moving.x += random.below(8);
        if (moving.x <= kRaceFinishX) continue;
        moving.x = kRaceFinishX;
        race.winner = raceCarName(car);
        race.raceOver = true;
        if (car == race.chosenCar) {
            const std::int64_t prize = 2 * std::int64_t{race.bet};
            state.money += static_cast<double>(prize);
            state.gamblingBalance = add32(state.gamblingBalance, prize);
            won = true;
        }
    }
    return won;
}

void maybeCrash(Random& random, Race& race) {
    const bool crashedAlready = std::any_of(race.cars.begin(), race.cars.end(),
                                            [](const RaceCar& car) { return car.crashed; });
    if (crashedAlready || random.below(100) != 13) return;
    const int car = random.below(4) + 1;
    carOf(race, car).crashed = true;
    race.wreck = car;
    race.crashInfo = {N_("Oh my god... the car # %1 is crash!"), {asIs(std::to_string(car))}};
}

// A car strictly ahead of the other three leads; a tie keeps the old leader.
void findLeader(Race& race) {
    for (int car = 1; car <= kRaceCars; ++car) {
        const int x = carOf(race, car).x;
        const bool ahead = std::all_of(race.cars.begin(), race.cars.end(), [&](const RaceCar& o) {
            return &o == &carOf(race, car) || x > o.x;
        });
        if (ahead) race.leader = raceCarName(car);
    }
}

void comment(Race& race, RaceCommentary& talk, bool finished) {
    const Phrase& leader = race.leader;
    if (leader == talk.previousLeader) {
        ++talk.sameLeaderSteps;
    } else {
        if (talk.sameLeaderSteps > 4)
            race.comments = {N_("Watch out! %1 have been reech by %2"),
                             {talk.previousLeader, leader}};
        talk.previousLeader = leader;
        talk.sameLeaderSteps = 0;
    }
    const int held = talk.sameLeaderSteps;
    if (held == 15 || held == 30 || held == 45) {
        race.comments = {held == 15   ? N_("%1 is taking the lead!!")
                         : held == 30 ? N_("%1 is taking the lead!! Let's hope he will not crash!")
                                      : N_("%1 is taking a good lead!! Check this out!! Is "
                                           "going for the big one!"),
                         {leader}};
        ++talk.leadComments;
    } else if (talk.leadComments > 4) {
        race.comments = N_("Well this race is very close!! Action at is best!");
        talk.leadComments = 0;
    }
    if (!finished) return;
    if (held < 10)
        race.comments = N_("This race was HOT!!! What an ending!!");
    else if (held < 25)
        race.comments = N_("Ouff!! That was close!! Good race guys!!");
    else if (held < 30)
        race.comments = N_("This race have been close, but the winner have work hard to win!");
    else
        race.comments = {N_("This race is a complet domination by %1"), {race.winner}};
}

void cleanUp(Race& race) {
    race.running = false;
    race.raceOver = false;
    for (RaceCar& car : race.cars)
        car.crashed = false;
    race.crashInfoShown = false;
    race.crashInfo = kRaceAllRacing;
    race.leader = {};
}

} // namespace

void abandonRace(Race& race) {
    cleanUp(race);
}

Phrase raceCarName(int car) {
    return {N_("The car # %1"), {asIs(std::to_string(car))}};
}

bool startRace(GameState& state, Random& random, Race& race, int chosenCar,
               std::string_view typedBet, Voice& voice) {
    if (race.running) return false;
    if (chosenCar < 1 || chosenCar > kRaceCars) {
        voice.say(refusal(N_("You have to bet on one car!"), N_("Oups...")));
        return false;
    }
    // An empty box is refused before anything is converted.
    const std::int32_t bet = typedBet.empty() ? 0 : toInteger(typedBet);
    if (bet <= 0) {
        voice.say(refusal(N_("You have to bet some money to play!"), N_("You must bet!")));
        return false;
    }
    if (static_cast<double>(bet) > state.money) {
        voice.say(refusal(N_("You don't have enough money to bet this!"), N_("Oups...")));
        return false;
    }
    state.money -= bet;
    state.gamblingBalance = sub32(state.gamblingBalance, bet);

    race.chosenCar = chosenCar;
    race.bet = bet;
    for (RaceCar& car : race.cars)
        car.x = kRaceStartX;
    race.winner = {};
    race.wreck = 0;
    race.crashInfoShown = true;
    race.comments = kRaceWelcome;
    shuffleLanes(random, race);
    race.running = true;
    return true;
}

void raceTick(GameState& state, Random& random, Race& race, RaceCommentary& commentary,
              Voice& voice) {
    if (!race.running) return;
    if (race.raceOver) {
        cleanUp(race);
        return;
    }
    const bool won = moveCars(state, random, race);
    maybeCrash(random, race);
    findLeader(race);
    comment(race, commentary, race.raceOver);
    if (won) voice.say(information(N_("You car win is the winner!")));
}

} // namespace tavo
