#include "leisure/Lotto.h"

#include "support/EngineTest.h"

#include <algorithm>
#include <set>

namespace tavo {
namespace {

TEST(Lotto, WinningNumbersAreSixDifferentFrom6To49) {
    GameState state = test::startedGame();
    Random random;
    std::set<std::int32_t> seen;
    for (int draw = 0; draw < 2000; ++draw) {
        DrawWinningNumbers(state, random);
        std::set<std::int32_t> numbers(std::begin(state.lottoWinningNumbers),
                                       std::end(state.lottoWinningNumbers));
        ASSERT_EQ(numbers.size(), 6u);
        ASSERT_GE(*numbers.begin(), 6);
        ASSERT_LE(*numbers.rbegin(), 49);
        seen.insert(numbers.begin(), numbers.end());
    }
    EXPECT_EQ(seen.size(), 44u) << "every number from 6 to 49 comes up";
}

// Prizes by matches, paid even in debt; a second jackpot ticket gets the base
// jackpot; without a draw pending the tickets are not looked at.
TEST(Lotto, PrizesByMatches) {
    const std::string jackpot = "Oh my god you win the Lotto 6/49!!!";
    struct Case {
        const char* what;
        std::vector<std::array<std::int32_t, 6>> tickets;
        bool pending;
        double prize;
        Texts said;
    };
    const Case cases[] = {
        {"2 numbers", {{6, 7, 40, 41, 42, 43}}, true, 0, {}},
        {"3 numbers", {{6, 7, 8, 40, 41, 42}}, true, 500, {"You've got 3 numbers on 6!"}},
        {"4 numbers", {{6, 7, 8, 9, 41, 42}}, true, 2000, {"You've got 4 numbers on 6!"}},
        {"5 numbers", {{6, 7, 8, 9, 10, 42}}, true, 10000, {"You've got 5 numbers on 6!"}},
        {"jackpot", {{49, 10, 9, 8, 7, 6}}, true, 7000000, {jackpot}},
        {"two jackpots",
         {{6, 7, 8, 9, 10, 49}, {49, 10, 9, 8, 7, 6}},
         true,
         7000000 + 1000000,
         {jackpot, jackpot}},
        {"no draw pending", {{6, 7, 8, 9, 10, 49}, {49, 10, 9, 8, 7, 6}}, false, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(-100);
        const std::int32_t winning[6] = {6, 7, 8, 9, 10, 49};
        std::copy(winning, winning + 6, state.lottoWinningNumbers);
        for (const auto& numbers : c.tickets)
            std::copy(numbers.begin(), numbers.end(),
                      state.lottoTickets[state.lottoTicketCount++].numbers);
        state.lottoDrawPending = c.pending;
        state.lottoJackpot = 7000000;
        state.gamblingBalance = -250;
        Random random;
        VectorSink messages;
        RunDraw(state, random, messages);
        const int held = c.pending ? 0 : static_cast<int>(c.tickets.size());
        EXPECT_EQ(std::tuple(state.money, state.gamblingBalance, state.lottoTicketCount,
                             state.lottoDrawPending),
                  std::tuple(-100 + c.prize, -250 + static_cast<std::int32_t>(c.prize), held, 0));
        EXPECT_EQ(messages.messages, c.said);
        // A prize starts the jackpot again at 1 or 2 millions; none adds one.
        EXPECT_TRUE(state.lottoJackpot == (c.said.empty() ? 8000000 : 2000000) ||
                    state.lottoJackpot == 1000000);
    }
}

TEST(Lotto, JackpotMovesOnEveryWeek) {
    // Whatever the draws, a jackpot of 31000000 becomes 32000000, 2000000 or
    // 1000000; below the ceiling it grows by 1000000 or falls to 1000000.
    std::set<std::int32_t> seenHigh, seenLow;
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        for (std::int32_t start : {31000000, 5000000}) {
            GameState state = test::startedGame();
            state.lottoJackpot = start;
            Random random;
            random.setSeed(seed);
            VectorSink messages;
            RunDraw(state, random, messages);
            (start == 31000000 ? seenHigh : seenLow).insert(state.lottoJackpot);
        }
    }
    EXPECT_EQ(seenHigh, (std::set<std::int32_t>{1000000, 2000000, 32000000}));
    EXPECT_EQ(seenLow, (std::set<std::int32_t>{1000000, 6000000}));
}

TEST(Lotto, ThePlayersTicket) {
    const std::string kRange =
        "Check if you've enter a number between 6 and 49.\nYou can't use the same number too.";
    const std::string kEmpty = "You must enter a number on each box!";
    struct Case {
        const char* what;
        std::array<std::string_view, 6> typed;
        std::int16_t held;
        std::string said; // "" when bought
    };
    const Case cases[] = {
        {"in order", {"6", "7", "8", "9", "10", "49"}, 0, ""},
        {"the tenth", {"49", "6", "48", "7", "20", "33"}, 9, ""},
        {"below 6", {"5", "7", "8", "9", "10", "11"}, 0, kRange},
        {"above 49", {"6", "7", "8", "9", "10", "50"}, 0, kRange},
        {"twice, side by side", {"6", "6", "8", "9", "10", "11"}, 0, kRange},
        {"twice, apart", {"6", "7", "8", "9", "10", "8"}, 0, kRange},
        {"a box empty", {"6", "7", "", "9", "10", "11"}, 0, kEmpty},
        {"every box empty", {"", "", "", "", "", ""}, 3, kEmpty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(100); // the money is not checked
        state.lottoTicketCount = c.held;
        test::RecordingVoice voice;
        const bool bought = buyLottoTicket(state, c.typed, voice);
        EXPECT_EQ(bought, c.said.empty());
        EXPECT_EQ(state.lottoTicketCount, c.held + (bought ? 1 : 0));
        EXPECT_EQ(state.lottoDrawPending != 0, bought);
        EXPECT_DOUBLE_EQ(state.money, bought ? -150 : 100);
        EXPECT_EQ(state.gamblingBalance, bought ? -250 : 0);
        if (bought) {
            EXPECT_TRUE(voice.said.empty());
            EXPECT_EQ(state.lottoTickets[c.held].numbers[5], std::stoi(std::string(c.typed[5])));
        } else {
            EXPECT_EQ(voice.only(), refusal(c.said, "Oups..."));
        }
    }
}

TEST(Lotto, ATicketThatDoesNotConvertOrHasNoSlotIsNotBought) {
    GameState state = test::startedGame(100);
    test::RecordingVoice voice;
    EXPECT_THROW(buyLottoTicket(state, {"6", "7", "x", "9", "10", "11"}, voice), ConversionError);
    EXPECT_EQ(state.lottoTicketCount, 0);
    EXPECT_DOUBLE_EQ(state.money, 100);
    state.lottoTicketCount = 10;
    EXPECT_TRUE(lottoTicketsFull(state));
    const GameState before = state;
    EXPECT_FALSE(buyLottoTicket(state, {"6", "7", "8", "9", "10", "11"}, voice));
    EXPECT_EQ(std::memcmp(&state, &before, sizeof state), 0);
    EXPECT_TRUE(voice.said.empty());
}

} // namespace
} // namespace tavo
