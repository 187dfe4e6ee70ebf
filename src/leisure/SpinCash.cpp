#include "leisure/SpinCash.h"

#include "core/Arithmetic.h"
#include "core/NumberText.h"

namespace tavo {
namespace {

int drawReel(Random& random) {
    return random.next() % 3 + 1;
}

// Wraps instead of overflowing, like the 32-bit fields; 64 bits never do
// so within a game's lifetime.
std::int64_t add64(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}

} // namespace

void SpinStats::count(const SpinResult& result) {
    if (result.won)
        won = add64(won, result.paid);
    else
        lost = add64(lost, result.stake);
}

int spinMultiple(const std::array<int, 3>& reels) {
    const auto is = [&reels](int a, int b, int c) {
        return reels[0] == a && reels[1] == b && reels[2] == c;
    };
    if (is(1, 2, 3) || is(3, 2, 1)) return 7;
    if (is(2, 2, 2)) return 5;
    if (is(3, 3, 3)) return 3;
    if (is(1, 1, 1)) return 2;
    return 0;
}

bool startSpin(GameState& state, SpinCash& machine, std::string_view typedBet, Voice& voice) {
    if (machine.spinning) return false;
    // The empty box is refused before anything is converted.
    if (typedBet.empty() || toInteger(typedBet) < 0) {
        voice.say(refusal(N_("You must enter a valid bet."), N_("Oups...")));
        return false;
    }
    const std::int32_t bet = toInteger(typedBet);
    if (!(state.money - bet > -1000)) {
        voice.say(refusal(N_("You don't have enought money to play"), N_("Oups...")));
        return false;
    }
    state.money -= bet;
    state.gamblingBalance = sub32(state.gamblingBalance, bet);
    machine.spinning = true;
    machine.step = 0;
    machine.stake = bet;
    return true;
}

void abandonSpin(SpinCash& machine) {
    machine.spinning = false;
    machine.step = 0;
    machine.stake = 0;
}

std::optional<SpinResult> spinStep(GameState& state, SpinCash& machine, Random& random,
                                   std::int64_t nowSeconds) {
    if (!machine.spinning) return std::nullopt;
    random.reseed(nowSeconds);
    if (machine.step == 0)
        for (int& reel : machine.reels)
            reel = drawReel(random);
    for (int& reel : machine.reels)
        reel = reel < 3 ? reel + 1 : drawReel(random);
    machine.step = static_cast<std::int16_t>(machine.step + 1);
    if (machine.step < kSpinSteps) return std::nullopt;

    machine.spinning = false;
    machine.step = 0;
    const int multiple = spinMultiple(machine.reels);
    const SpinResult result{machine.stake, static_cast<std::int64_t>(machine.stake) * multiple,
                            multiple > 0};
    if (result.won) {
        state.money += static_cast<double>(result.paid);
        state.gamblingBalance = add32(state.gamblingBalance, result.paid);
    }
    return result;
}

} // namespace tavo
