#include "banks/Fire.h"

#include "banks/BankIds.h"
#include "core/Arithmetic.h"

namespace tavo {

bool fireStrikes(const GameState& state, Random& random) {
    if (state.year <= 1980) return false;
    return random.next() % 5000 == 666 && state.barCount > 0;
}

std::optional<FireOutcome> applyFire(GameState& state, Random& random, std::int64_t nowSeconds) {
    if (state.barCount <= 0 || state.barCount > kMaxBars) return std::nullopt;
    random.reseed(nowSeconds);
    FireOutcome fire;
    fire.bar = random.below(state.barCount);
    std::int32_t clients = state.bars[fire.bar].clientsPerDay;
    fire.insured = state.bankAccounts[kGermanBank].fireInsured != 0;
    fire.damage = mul32(clients, fire.insured ? 100 : 500);
    state.money -= fire.damage;
    return fire;
}

} // namespace tavo
