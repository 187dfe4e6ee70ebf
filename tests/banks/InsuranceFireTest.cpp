#include "banks/Fire.h"
#include "banks/Insurance.h"
#include "support/EngineTest.h"

#include "leisure/Lotto.h"

namespace tavo {
namespace {

TEST(Insurance, PremiumsEachNewYearAfterSigning) {
    GameState state = test::startedGame(10000);
    BankAccount& german = state.bankAccounts[kGermanBank];
    german.insured = 1;
    german.fireInsured = 1;
    german.fireInsCost = 1000;
    german.fireInsYear = 1983; // signed (and paid) in 1983
    german.theftInsured = 1;
    german.theftInsCost = 800;
    german.theftInsYear = 1983;
    const std::pair<std::int32_t, double> yearsAndMoney[] = {
        {1983, 10000}, {1984, 8200}, {1984, 8200}, {1985, 6400}, {1987, 4600}, {1987, 2800}};
    for (auto [year, money] : yearsAndMoney) {
        state.year = year;
        chargeInsurancePremiums(state, german);
        EXPECT_DOUBLE_EQ(state.money, money) << year;
    }
    // A contract given up, then the account no longer insured: no premium.
    german.fireInsured = 0;
    state.year = 1988;
    chargeInsurancePremiums(state, german);
    EXPECT_DOUBLE_EQ(state.money, 2800 - 800);
    german.insured = 0;
    state.year = 1989;
    chargeInsurancePremiums(state, german);
    EXPECT_DOUBLE_EQ(state.money, 2000);
}

// The fire reseeds from the clock and its one draw picks the bar (18625 is
// the first draw after reseeding with 1000); insurance pays four fifths.
TEST(Fire, PicksTheBarFromTheReseededGeneratorAndInsurancePays) {
    for (bool insured : {false, true}) {
        SCOPED_TRACE(insured ? "insured" : "not insured");
        GameState state = test::startedGame(50000);
        for (int clients : {10, 20, 30})
            test::addBar(state, clients, 1);
        state.bankAccounts[kGermanBank].fireInsured = insured ? 1 : 0;
        Random random;
        auto fire = applyFire(state, random, 1000);
        ASSERT_TRUE(fire.has_value());
        const int damage = (insured ? 100 : 500) * state.bars[18625 % 3].clientsPerDay;
        EXPECT_EQ(std::tuple(fire->bar, fire->insured, fire->damage, state.money),
                  std::tuple(18625 % 3, insured, damage, 50000.0 - damage));
        Random reseeded;
        reseeded.reseed(1000);
        reseeded.next();
        EXPECT_EQ(random.seed(), reseeded.seed()) << "one draw";
    }
    GameState noBar = test::startedGame(50000);
    const GameState before = noBar;
    Random random;
    EXPECT_FALSE(applyFire(noBar, random, 1000).has_value());
    EXPECT_EQ(std::memcmp(&noBar, &before, sizeof noBar), 0);
    EXPECT_EQ(random.seed(), Random::kStartSeed) << "no reseeding";
}

// The trigger is the day's last draw, after the Lotto numbers of the day;
// never drawn in 1980, drawn but harmless without a bar.
TEST(Fire, GameDayDrawsTheTriggerLast) {
    for (const auto& [year, bars] : {std::pair{1981, 1}, {1980, 1}, {1981, 0}}) {
        SCOPED_TRACE(testing::Message() << year << ", " << bars << " bar");
        int strikes = 0;
        for (std::uint32_t seed = 0; seed < 50000; ++seed) {
            Game game;
            game.state = test::startedGame();
            game.state.year = year;
            game.state.weekDay = 6;
            if (bars) test::addBar(game.state, 0, 1); // a bar with no clients draws nothing
            game.random.setSeed(seed);
            Random replay = game.random;
            std::int32_t numbers[6];
            fillSixNumbers(replay, numbers);
            const bool expected = year > 1980 && replay.next() % 5000 == 666 && bars;
            VectorSink messages;
            ASSERT_EQ(runGameDay(game, messages).fireStrikes, expected) << year << " " << seed;
            ASSERT_EQ(game.random.seed(), replay.seed()) << year << " " << bars;
            strikes += expected;
        }
        EXPECT_EQ(strikes > 0, year > 1980 && bars) << year << " " << bars;
    }
}

} // namespace
} // namespace tavo
