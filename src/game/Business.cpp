#include "game/Business.h"

#include "core/Arithmetic.h"
#include "game/Payment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>

namespace tavo {
namespace {

constexpr double kDayFactor[8] = {0, 0.3, 0.2, 0.4, 0.7, 1, 1, 0.8};
constexpr int kDrinksWanted[5] = {0, 1, 3, 4, 0};
constexpr int kComplaintLimit = 450;

// Clients are served in runs, each run's draws taken before it is served.
constexpr int kRunClients = 1024;
// A client's draws: how many drinks he wants, then one slot a drink.
constexpr int kMostDrawsAClient = 5;
// What a client asks for first, among the slots he asks for after.
constexpr std::uint8_t kDoor = kMaxDrinkSlots;

// The generator's steps as one multiply-add.
struct Jump {
    std::uint32_t multiplier = 1;
    std::uint32_t increment = 0;
    constexpr std::uint32_t from(std::uint32_t seed) const { return seed * multiplier + increment; }
    constexpr Jump then(const Jump& next) const {
        return {multiplier * next.multiplier, increment * next.multiplier + next.increment};
    }
};

constexpr Jump kStep{Random::kMultiplier, Random::kIncrement};

constexpr Jump jumpOf(unsigned steps) {
    Jump jump;
    for (Jump power = kStep; steps != 0; steps >>= 1, power = power.then(power))
        if (steps & 1) jump = jump.then(power);
    return jump;
}

// How far the next visit is from a draw that opens one (itself, and one
// draw a drink wanted), by the draw's remainder by five. Worked out rather
// than looked up, so that the compiler can take sixteen draws at a time.
constexpr std::uint8_t stepOf(std::uint8_t remainder) {
    return static_cast<std::uint8_t>(1 + remainder + (remainder > 1) - 5 * (remainder == 4));
}

constexpr bool stepsAsTheTableSays() {
    for (std::uint8_t r = 0; r < 5; ++r)
        if (stepOf(r) != 1 + kDrinksWanted[r]) return false;
    return true;
}
static_assert(stepsAsTheTableSays());

// Sixteen seeds in a row, stepped side by side: each is one multiply-add from
// the seed sixteen steps before it. A seed is kept as its two halves of 16
// bits and stepped in them, so that the compiler fits eight lanes in one
// vector register and needs no wider number.
constexpr int kLanes = 16;
struct Lanes {
    std::array<std::uint16_t, kLanes> high;
    std::array<std::uint16_t, kLanes> low;
};
constexpr Jump kLaneStep = jumpOf(kLanes);

// Seed * multiplier + increment modulo 2^32, in halves: the low halves'
// product, its carry into the high half, and the low halves of the cross
// products (their high halves fall beyond 32 bits). Each product is formed
// unsigned: a half would be promoted to a signed int, which the product
// could overflow.
void stepLanes(Lanes& lanes) {
    constexpr std::uint32_t multiplierHigh = kLaneStep.multiplier >> 16;
    constexpr std::uint32_t multiplierLow = kLaneStep.multiplier & 0xffff;
    constexpr std::uint32_t incrementHigh = kLaneStep.increment >> 16;
    constexpr auto incrementLow = static_cast<std::uint16_t>(kLaneStep.increment);
    for (int lane = 0; lane < kLanes; ++lane) {
        const std::uint32_t high = lanes.high[lane];
        const std::uint32_t low = lanes.low[lane];
        const auto lowProduct = static_cast<std::uint16_t>(low * multiplierLow);
        const auto lowProductHigh = static_cast<std::uint16_t>((low * multiplierLow) >> 16);
        const auto newLow = static_cast<std::uint16_t>(lowProduct + incrementLow);
        const std::uint32_t carry = newLow < incrementLow;
        lanes.high[lane] = static_cast<std::uint16_t>(lowProductHigh + high * multiplierLow +
                                                      low * multiplierHigh + incrementHigh + carry);
        lanes.low[lane] = newLow;
    }
}

// Draws are made a block at a time, one from each lane.
constexpr int kBlock = kLanes;
// A block is made for every six clients walked: a little more than six
// clients take on average (2.6 each), so the making keeps ahead of the walk.
constexpr int kClientsABlock = 6;
// The draws made before the walk starts, the making's head start.
constexpr int kLead = 4 * kBlock;

// Makes a block of draws for a bar of `kSlots` slots, each kept as what it
// may decide: how far the next visit is, if the draw opens one, and the slot
// of a drink. The divisions are by constants, which the compiler turns into
// multiplications done eight draws at a time; hence one of these for every
// number of slots.
template <int kSlots>
void makeBlock(Lanes& lanes, std::uint8_t* steps, std::uint8_t* asks) {
    std::array<std::uint8_t, kBlock> byFive;
    std::array<std::uint8_t, kBlock> slot{};
    for (int lane = 0; lane < kLanes; ++lane) {
        const auto draw =
            static_cast<std::uint16_t>(Random::drawOf(std::uint32_t{lanes.high[lane]} << 16));
        byFive[lane] = static_cast<std::uint8_t>(draw % 5);
        if constexpr (kSlots > 0) slot[lane] = static_cast<std::uint8_t>(draw % kSlots);
    }
    stepLanes(lanes);
    std::array<std::uint8_t, kBlock> step;
    for (int lane = 0; lane < kLanes; ++lane)
        step[lane] = kSlots > 0 ? stepOf(byFive[lane]) : 1; // with no slot, no drink is drawn
    std::copy(step.begin(), step.end(), steps);
    std::copy(slot.begin(), slot.end(), asks);
}

// A run of clients: the generator's draws, and what the clients ask for.
// The visits are walked: each takes the draw that opens it and one a drink,
// so only the draws that open visits need telling apart. No branch depends
// on how many drinks a client wants: it is random, and a mispredicted branch
// costs more than a whole visit.
class Run {
public:
    Run(std::uint32_t seed, int slots) : start_(seed), slots_(slots) {
        for (int lane = 0; lane < kLanes; ++lane) {
            const std::uint32_t laneSeed = jumpOf(static_cast<unsigned>(lane) + 1).from(seed);
            lanes_.high[lane] = static_cast<std::uint16_t>(laneSeed >> 16);
            lanes_.low[lane] = static_cast<std::uint16_t>(laneSeed);
        }
    }

    // Walks the visits of `clients` clients (at most a run); returns the
    // seed after their draws.
    std::uint32_t walk(int clients);

    // What the clients asked for, in order: each the door, then the slot of
    // each drink he wants.
    std::span<const std::uint8_t> asks() const {
        return {askAt_.data(), static_cast<std::size_t>(taken_)};
    }

    // How many times each slot was asked for (the door's place unused).
    std::array<std::int64_t, kDoor + 1> askedPerSlot() const {
        // Four tables in turn, so that no count waits on the one before.
        std::array<std::array<std::uint16_t, kDoor + 1>, 4> counts{};
        int i = 0;
        for (; i + 4 <= taken_; i += 4) {
            ++counts[0][askAt_[i]];
            ++counts[1][askAt_[i + 1]];
            ++counts[2][askAt_[i + 2]];
            ++counts[3][askAt_[i + 3]];
        }
        for (; i < taken_; ++i)
            ++counts[0][askAt_[i]];
        std::array<std::int64_t, kDoor + 1> asked{};
        for (int k = 0; k < kDoor; ++k)
            asked[k] = counts[0][k] + counts[1][k] + counts[2][k] + counts[3][k];
        return asked;
    }

private:
    // Room for the most draws a run may take and what is made beyond them: a
    // block is made for every six clients, fewer draws than they may take,
    // and a reach stops within a block of its mark, so the making never
    // passes the walk's most draws by a lead and a block.
    static constexpr int kCapacity = kRunClients * kMostDrawsAClient + kLead + kBlock;

    // Each visit waits on the one before, for where it starts. A block of
    // draws does not wait on the walk, so the processor makes it while the
    // visits wait: the making is interleaved with the walk, a block for
    // every six visits, rather than done before it.
    template <int kSlots>
    std::uint32_t walkWith(int clients) {
        // Unsigned, so that no widening lengthens the wait from visit to visit.
        std::size_t next = 0; // the draw that opens the next visit
        int client = 0;
        reach<kSlots>(kLead);
        for (; client + kClientsABlock <= clients; client += kClientsABlock) {
            // Seldom makes anything: only after many clients who wanted many drinks.
            reach<kSlots>(static_cast<int>(next) + kClientsABlock * kMostDrawsAClient);
            make<kSlots>();
            for (int visit = 0; visit < kClientsABlock; ++visit)
                next = visitAt(next);
        }
        for (; client < clients; ++client) {
            reach<kSlots>(static_cast<int>(next) + 1);
            next = visitAt(next);
        }
        taken_ = static_cast<int>(next);
        reach<kSlots>(taken_);
        return jumpOf(static_cast<unsigned>(next)).from(start_);
    }

    // Marks the visit that opens at draw `at`; returns where the next opens.
    std::size_t visitAt(std::size_t at) {
        askAt_[at] = kDoor;
        return at + stepAt_[at];
    }

    // Makes draws up to `count` - 1 ready.
    template <int kSlots>
    void reach(int count) {
        while (made_ < count)
            make<kSlots>();
    }

    template <int kSlots>
    void make() {
        makeBlock<kSlots>(lanes_, &stepAt_[made_], &askAt_[made_]);
        made_ += kBlock;
    }

    using Walker = std::uint32_t (Run::*)(int);

    template <std::size_t... kSlots>
    static constexpr std::array<Walker, sizeof...(kSlots)>
    walkersFor(std::index_sequence<kSlots...>) {
        return {&Run::walkWith<static_cast<int>(kSlots)>...};
    }

    std::uint32_t start_;
    int slots_;
    int made_ = 0;
    int taken_ = 0;
    Lanes lanes_;
    std::array<std::uint8_t, kCapacity> stepAt_;
    std::array<std::uint8_t, kCapacity> askAt_;
};

// One walk for every number of slots (0 to the most), each with its own
// divisions by constants.
std::uint32_t Run::walk(int clients) {
    static constexpr auto walkers = walkersFor(std::make_index_sequence<kMaxDrinkSlots + 1>());
    return (this->*walkers[static_cast<std::size_t>(slots_)])(clients);
}

int doorComplaints(double entryPrice) {
    if (!(entryPrice > 2.0)) return 0;
    return entryPrice <= 5.0 ? 1 : 2;
}

// A bar's prices, prepared once for its day.
struct Prices {
    Payment door;
    int doorPoints = 0;
    std::array<Payment, kMaxDrinkSlots> sale;
};

// A bar's day so far, written back once its clients are served.
struct BarDay {
    double money;
    std::int32_t profit;
    std::int64_t complaints = 0;
    std::int64_t satisfied = 0;
};

// One ask served as the rules say.
void serveAsk(BarDay& day, BarRecord& bar, const Prices& prices, std::uint8_t ask) {
    if (ask == kDoor) {
        day.money = addMoney(day.money, bar.entryPrice);
        day.complaints += prices.doorPoints;
        day.profit = pay(day.profit, prices.door);
        return;
    }
    DrinkSlot& slot = bar.drinks[ask];
    if (!slot.inUse) {
        ++day.complaints; // the bar no longer sells what he asked for
        return;
    }
    if (slot.stock <= 0) return; // the sale is lost without a complaint
    --slot.stock;
    day.money = addMoney(day.money, slot.salePrice);
    ++(slot.fairPrice ? day.satisfied : day.complaints);
    day.profit = pay(day.profit, prices.sale[ask]);
}

// A run's asks served counted per slot, which gives what serving them one by
// one gives when the money and the profit come to the same in every order
// of the payments; false, and nothing done, when they may not.
bool serveCounted(BarDay& day, BarRecord& bar, int slots, const Prices& prices, const Run& run,
                  int clients) {
    const auto asked = run.askedPerSlot();
    std::array<std::int64_t, kMaxDrinkSlots> sold{};
    std::array<Payments, kMaxDrinkSlots + 1> paid;
    std::size_t kinds = 0;
    paid[kinds++] = {&prices.door, clients};
    for (int k = 0; k < slots; ++k) {
        const DrinkSlot& slot = bar.drinks[k];
        if (!slot.inUse || slot.stock <= 0) continue;
        sold[k] = std::min<std::int64_t>(asked[k], slot.stock);
        paid[kinds++] = {&prices.sale[k], sold[k]};
    }
    const std::span<const Payments> payments(paid.data(), kinds);
    const auto money = moneyInAnyOrder(day.money, payments);
    if (!money) return false;
    const auto profit = profitInAnyOrder(day.profit, payments);
    if (!profit) return false;
    day.money = *money;
    day.profit = *profit;
    day.complaints += std::int64_t{clients} * prices.doorPoints;
    for (int k = 0; k < slots; ++k) {
        DrinkSlot& slot = bar.drinks[k];
        if (!slot.inUse) {
            day.complaints += asked[k];
            continue;
        }
        slot.stock -= static_cast<std::int32_t>(sold[k]);
        (slot.fairPrice ? day.satisfied : day.complaints) += sold[k];
    }
    return true;
}

void serveClients(GameState& state, BarRecord& bar, std::int32_t clients, Random& random) {
    const int slots = std::clamp(bar.drinkCount, 0, kMaxDrinkSlots);
    Prices prices;
    prices.door = preparePayment(bar.entryPrice);
    prices.doorPoints = doorComplaints(bar.entryPrice);
    for (int k = 0; k < slots; ++k)
        prices.sale[k] = preparePayment(bar.drinks[k].salePrice);
    BarDay day{state.money, bar.profitThisMonth};
    // Counted down, so that no count near the top of the range can wrap.
    for (std::int32_t left = clients; left > 0; left -= std::min(kRunClients, left)) {
        const int served = std::min(kRunClients, left);
        Run run(random.seed(), slots);
        random.setSeed(run.walk(served));
        if (serveCounted(day, bar, slots, prices, run, served)) continue;
        for (const std::uint8_t ask : run.asks())
            serveAsk(day, bar, prices, ask);
    }
    state.money = day.money;
    bar.profitThisMonth = day.profit;
    bar.complaintCount = add32(bar.complaintCount, day.complaints);
    bar.satisfactionCount = add32(bar.satisfactionCount, day.satisfied);
}

void driftClients(BarRecord& bar, Random& random) {
    if (bar.complaintCount > kComplaintLimit) {
        bar.complaintCount = 0;
        bar.clientsPerDay = sub32(bar.clientsPerDay, 1);
        if (bar.clientsPerDay < 10) bar.clientsPerDay = add32(bar.clientsPerDay, random.below(10));
    }
    if (bar.satisfactionCount > kComplaintLimit) {
        bar.satisfactionCount = 0;
        if (bar.clientsPerDay < bar.maxClients) bar.clientsPerDay = add32(bar.clientsPerDay, 1);
    }
}

} // namespace

std::int32_t clientsOfTheDay(std::int32_t clientsPerDay, std::int32_t weekDay) {
    if (weekDay < 1 || weekDay > 7) return 0;
    const double factor = kDayFactor[weekDay];
    const double x = clientsPerDay;
    const double product = x * factor;
    const double error = std::fma(x, factor, -product); // exact product = product + error
    double whole = std::trunc(product);
    if (whole == product) {
        if (product > 0 && error < 0) whole -= 1;
        if (product < 0 && error > 0) whole += 1;
    }
    return static_cast<std::int32_t>(whole);
}

std::optional<std::int32_t> runDailyBusiness(GameState& state, Random& random) {
    std::optional<std::int32_t> shown;
    const int bars = ownedBarCount(state);
    for (int b = 0; b < bars; ++b) {
        BarRecord& bar = state.bars[b];
        if (!bar.isOpen) {
            shown = 0;
            continue;
        }
        const std::int32_t clients = clientsOfTheDay(bar.clientsPerDay, state.weekDay);
        shown = clients;
        bar.visitorsThisMonth = add32(bar.visitorsThisMonth, clients);
        serveClients(state, bar, clients, random);
        driftClients(bar, random);
    }
    return shown;
}

} // namespace tavo
