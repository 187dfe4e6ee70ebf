#include "leisure/Race.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

const std::string kCar1 = "The car # 1", kCar2 = "The car # 2", kCar4 = "The car # 4";

// A game with 1000 $, the window's race and the run's commentary.
struct Track {
    GameState state = test::startedGame(1000);
    Random random;
    Race race;
    RaceCommentary talk;
    test::RecordingVoice voice;
    bool start(int car, const char* bet) { return startRace(state, random, race, car, bet, voice); }
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            raceTick(state, random, race, talk, voice);
    }
    std::uint32_t seedAfter(int draws) const { // once `draws` more draws are made
        Random ahead = random;
        while (draws-- > 0)
            ahead.next();
        return ahead.seed();
    }
};

TEST(Race, RefusedBetsAreNotCharged) {
    for (auto [car, typed, title] : {std::tuple{0, "abc", "Oups..."}, // not converted then
                                     {2, "-5", "You must bet!"},
                                     {2, "1001", "Oups..."}}) {
        SCOPED_TRACE(testing::Message() << "car " << car << ", bet " << typed);
        Track t;
        EXPECT_FALSE(t.start(car, typed));
        ASSERT_EQ(t.voice.said.size(), 1u);
        EXPECT_TRUE(t.voice.said[0].words.title == title &&
                    t.voice.said[0].words.icon == VoiceIcon::Stop && t.state.money == 1000);
    }
}

TEST(Race, CarsFinishingInOneStepArePaidOnceAndTheLaterInTheOrderWins) {
    const struct {
        int chosen;
        const char* bet; // all of the money
        double money;
    } cases[] = {{1, "400", 800},
                 {3, "400", 800},
                 {2, "400", 0},
                 {3, "2000000000", 4000000000.0}}; // twice the bet is beyond 32 bits
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "car " << c.chosen << ", bet " << c.bet);
        Track t;
        t.state.money = std::stod(c.bet);
        ASSERT_TRUE(t.start(c.chosen, c.bet));
        t.race.cars[0].x = t.race.cars[2].x = kRaceFinishX; // on the line, not past it
        const std::uint32_t drawn = t.seedAfter(5);         // four cars, then the crash test
        t.tick();
        EXPECT_EQ(std::tuple(t.random.seed(), t.race.winner, t.state.money),
                  std::tuple(drawn, kCar1, c.money));
        EXPECT_EQ(t.state.gamblingBalance, c.money - std::stod(c.bet));
        EXPECT_EQ(t.voice.texts(), Texts(c.money > 0, "You car win is the winner!"));
        t.tick(); // the clean-up
        EXPECT_TRUE(!t.race.running && t.race.leader.empty() && t.state.money == c.money);
    }
}

TEST(Race, ACrashedChosenCarStopsAndPaysNothing) {
    Track t;
    for (std::uint32_t seed = 1; t.race.wreck != 2 || t.race.raceOver; ++seed) {
        t = Track{}; // a race in which car 2 crashes before the finish
        t.random.setSeed(seed);
        ASSERT_TRUE(seed < 200 && t.start(2, "100"));
        while (t.race.running && t.race.wreck == 0)
            t.tick();
    }
    EXPECT_EQ(t.race.crashInfo, "Oh my god... the car # 2 is crash!");
    const int stoppedAt = t.race.cars[1].x;
    const std::uint32_t drawn = t.seedAfter(3); // three cars, no more crash test
    t.tick();
    EXPECT_EQ(t.random.seed(), drawn);
    while (t.race.running)
        t.tick();
    EXPECT_TRUE(t.race.cars[1].x == stoppedAt && t.race.winner != kCar2);
    EXPECT_TRUE(t.state.money == 900 && t.voice.said.empty());
}

// Car 2 holds the lead 15 steps, car 4 takes it and wins; the next race's
// first leader is measured against car 4.
TEST(Race, TheLeadCommentsCarryOverToTheNextRace) {
    Track t;
    ASSERT_TRUE(t.start(3, "10"));
    t.race.cars[1].x = 300;
    t.tick(15);
    EXPECT_EQ(t.race.comments, kRaceWelcome);
    t.tick();
    EXPECT_EQ(t.race.comments, kCar2 + " is taking the lead!!");
    t.race.cars[3].x = t.race.cars[1].x + 50;
    t.tick();
    EXPECT_EQ(t.race.comments, "Watch out! " + kCar2 + " have been reech by " + kCar4);
    t.tick(5);
    t.race.cars[3].x = kRaceFinishX;
    while (t.race.running)
        t.tick();
    EXPECT_EQ(t.race.comments, "This race was HOT!!! What an ending!!"); // held under 10 steps
    ASSERT_TRUE(t.start(3, "10"));
    t.race.cars[1].x = 300;
    t.tick();
    EXPECT_EQ(t.race.comments, "Watch out! " + kCar4 + " have been reech by " + kCar2);
}

} // namespace
} // namespace tavo
