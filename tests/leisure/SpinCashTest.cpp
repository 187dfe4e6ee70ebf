#include "leisure/SpinCash.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

// Bets with 500 $: the stake taken, or what is said and nothing changes.
TEST(SpinCash, BetChecks) {
    const char* kBad = "You must enter a valid bet.";
    const char* kPoor = "You don't have enought money to play";
    const struct {
        const char* bet;
        std::int32_t stake;
        const char* said;
    } cases[] = {
        {"1499", 1499, nullptr}, {"0", 0, nullptr}, {"1500", 0, kPoor},
        {"", 0, kBad},           {"-1", 0, kBad},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "bet '" << c.bet << "'");
        GameState state = test::startedGame(500);
        SpinCash machine;
        test::RecordingVoice voice;
        EXPECT_THROW(startSpin(state, machine, "1.5", voice), ConversionError);
        EXPECT_EQ(startSpin(state, machine, c.bet, voice), c.said == nullptr);
        EXPECT_EQ(state.money, 500 - c.stake);
        EXPECT_EQ(state.gamblingBalance, -c.stake);
        ASSERT_EQ(voice.said.size(), c.said ? 1u : 0u);
        EXPECT_TRUE(!c.said || voice.said[0].words == refusal(c.said, "Oups..."));
    }
}

// Every step reseeds from the clock, so a whole spin within one second
// depends on that second alone, never on the generator's earlier state.
TEST(SpinCash, SpinsAndPayouts) {
    constexpr std::int32_t kMax = 2147483647;
    const struct {
        std::int64_t second;
        std::int32_t bet;
        std::array<int, 3> shown;
        std::int64_t paid;
    } cases[] = {
        {0, 100, {1, 2, 3}, 700},         {17, 100, {3, 2, 1}, 700}, {13, 100, {3, 3, 3}, 300},
        {19, 100, {1, 1, 1}, 200},        {8, 100, {3, 2, 2}, 0},    {0, 0, {1, 2, 3}, 0},
        {0, kMax, {1, 2, 3}, 7LL * kMax},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "second " << c.second << ", bet " << c.bet);
        GameState state = test::startedGame(kMax + 100.0);
        SpinCash machine;
        test::RecordingVoice voice;
        ASSERT_TRUE(startSpin(state, machine, std::to_string(c.bet), voice));
        Random random;
        random.setSeed(987654321);
        std::optional<SpinResult> result;
        int steps = 0;
        for (; !result && steps < 100; ++steps)
            result = spinStep(state, machine, random, c.second);
        EXPECT_EQ(steps, kSpinSteps);
        EXPECT_EQ(machine.reels, c.shown);
        EXPECT_EQ(result.value_or(SpinResult{}).paid, c.paid);
        EXPECT_EQ(state.money, kMax + 100.0 - c.bet + static_cast<double>(c.paid));
        EXPECT_EQ(state.gamblingBalance, static_cast<std::int32_t>(c.paid - c.bet)); // wraps
    }
}

} // namespace
} // namespace tavo
