// How long the game clock's work takes: the heaviest single day, the
// average day of that game over time, and 100 game years of it.

#include "WorstCase.h"

#include "banks/Fire.h"
#include "game/GameDay.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tavo;

class NullSink final : public MessageSink {
public:
    void post(const Phrase& text) override { benchmark::DoNotOptimize(text.pattern.data()); }
};

// One full day (factor 1, administrators' daily duties) from the same state
// each time; the 13 KB copy of the record is included. The argument is the
// stock of every slot: plentiful, or low enough (100 units, against some
// 53 sold per slot) that every slot runs out during the day.
void BM_WorstCaseDay(benchmark::State& run, std::int32_t stock) {
    const GameState start = bench::worstCaseGame(stock);
    const TDrinkList drinks = bench::worstCaseDrinks();
    const NumberFormat format{'.'};
    NullSink messages;
    Random random;
    for (auto _ : run) {
        GameState state = start;
        DayOutcome outcome = runGameDay(state, random, drinks, format, messages);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(state.money);
    }
}
BENCHMARK_CAPTURE(BM_WorstCaseDay, plentiful, 1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WorstCaseDay, low, 100)->Unit(benchmark::kMicrosecond);

// The floor under that day: as many draws of the generator as it makes,
// one after another, each waiting for the seed the one before left.
void BM_DrawFloor(benchmark::State& run) {
    GameState state = bench::worstCaseGame();
    NullSink messages;
    Random random;
    runGameDay(state, random, bench::worstCaseDrinks(), NumberFormat{'.'}, messages);
    Random counter;
    std::int64_t draws = 0;
    while (counter.seed() != random.seed()) {
        counter.next();
        ++draws;
    }
    for (auto _ : run) {
        int last = 0;
        for (std::int64_t n = 0; n < draws; ++n)
            last = counter.next();
        benchmark::DoNotOptimize(last);
    }
    run.counters["draws"] = static_cast<double>(draws);
}
BENCHMARK(BM_DrawFloor)->Unit(benchmark::kMicrosecond);

void runDays(GameState& state, Random& random, const TDrinkList& drinks, int days) {
    const NumberFormat format{'.'};
    NullSink messages;
    for (int day = 0; day < days; ++day) {
        DayOutcome outcome = runGameDay(state, random, drinks, format, messages);
        if (outcome.fireStrikes) applyFire(state, random, 0);
    }
}

// Consecutive days of the same game: weekly, monthly and yearly duties
// included, as the clock runs them.
void BM_ConsecutiveDays(benchmark::State& run) {
    GameState state = bench::worstCaseGame();
    const TDrinkList drinks = bench::worstCaseDrinks();
    Random random;
    for (auto _ : run)
        runDays(state, random, drinks, 1);
    benchmark::DoNotOptimize(state.money);
}
BENCHMARK(BM_ConsecutiveDays)->Unit(benchmark::kMicrosecond);

void BM_HundredYears(benchmark::State& run) {
    const TDrinkList drinks = bench::worstCaseDrinks();
    for (auto _ : run) {
        GameState state = bench::worstCaseGame();
        Random random;
        runDays(state, random, drinks, 100 * 360);
        benchmark::DoNotOptimize(state.money);
    }
}
BENCHMARK(BM_HundredYears)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
