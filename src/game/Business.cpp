#include "game/Business.h"

#include "core/Arithmetic.h"
#include "game/Payment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

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

// A draw (below 2^15) is 256 h + l, and 256 leaves 1 divided by 5: the
// drinks a client wants follow from h + l. Divided by a number of slots n,
// its remainder is that of (256 h mod n) + l. Both read from small tables,
// without a division.
struct DrawTables {
    std::array<std::uint8_t, 384> wanted;               // by h + l
    std::array<std::array<std::uint8_t, 128>, 16> high; // 256 h mod n, by n and h
    std::array<std::array<std::uint8_t, 272>, 16> rest; // x mod n, by n and x (below 270)
};

constexpr DrawTables makeDrawTables() {
    DrawTables tables{};
    for (int x = 0; x < 384; ++x)
        tables.wanted[x] = static_cast<std::uint8_t>(kDrinksWanted[x % 5]);
    for (int n = 1; n <= kMaxDrinkSlots; ++n) {
        for (int h = 0; h < 128; ++h)
            tables.high[n][h] = static_cast<std::uint8_t>(256 * h % n);
        for (int x = 0; x < 272; ++x)
            tables.rest[n][x] = static_cast<std::uint8_t>(x % n);
    }
    return tables;
}

constexpr DrawTables kDrawTables = makeDrawTables();
constexpr std::array<std::uint8_t, 384> kNoDrinks{};

// A run of clients: the generator's draws taken ahead of it, and what the
// clients ask for. Each seed is one multiply-add from the seed four steps
// before it, so four lanes of every fourth draw advance side by side instead
// of one step after another. A draw is kept as what it may decide: the
// drinks wanted by the client whose visit it opens, or the slot of a drink.
// Then the visits are walked: each takes the draw for his drinks and one a
// drink, so only the draws that open visits need telling apart. No branch
// depends on how many drinks a client wants: it is random, and a
// mispredicted branch costs more than a whole visit.
class Run {
public:
    Run(std::uint32_t seed, int slots)
        : start_(seed), wanted_(slots > 0 ? kDrawTables.wanted : kNoDrinks),
          high_(kDrawTables.high[std::max(slots, 1)]), rest_(kDrawTables.rest[std::max(slots, 1)]) {
        for (unsigned lane = 0; lane < kLanes; ++lane)
            lanes_[lane] = jumpOf(lane + 1).from(seed);
    }

    // Walks the visits of `clients` clients (at most a run); returns the
    // seed after their draws.
    std::uint32_t walk(int clients) {
        int next = 0; // the draw that opens the next visit
        for (int client = 0; client < clients; ++client) {
            reach(next + 1);
            const int wanted = wantedAt_[next];
            askAt_[next] = kDoor;
            next += 1 + wanted;
        }
        reach(next);
        taken_ = next;
        return jumpOf(static_cast<unsigned>(next)).from(start_);
    }

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
    static constexpr unsigned kLanes = 4;
    static constexpr int kBlock = 32;
    static constexpr int kCapacity = kRunClients * kMostDrawsAClient + kBlock;
    static constexpr Jump kLaneStep = jumpOf(kLanes);

    // Makes draws 0..count-1 ready.
    void reach(int count) {
        while (made_ < count)
            makeBlock();
    }

    void makeBlock() {
        // The lanes in locals, each waiting only on itself.
        std::uint32_t a = lanes_[0], b = lanes_[1], c = lanes_[2], d = lanes_[3];
        for (int i = made_; i < made_ + kBlock; i += kLanes) {
            keep(i, a);
            keep(i + 1, b);
            keep(i + 2, c);
            keep(i + 3, d);
            a = kLaneStep.from(a);
            b = kLaneStep.from(b);
            c = kLaneStep.from(c);
            d = kLaneStep.from(d);
        }
        lanes_ = {a, b, c, d};
        made_ += kBlock;
    }

    void keep(int i, std::uint32_t seed) {
        // The draw's bits 8..14 and 0..7.
        const unsigned high = (seed >> 24) & 127;
        const unsigned low = (seed >> 16) & 255;
        wantedAt_[i] = wanted_[high + low];
        askAt_[i] = rest_[high_[high] + low];
    }

    std::uint32_t start_;
    const std::array<std::uint8_t, 384>& wanted_;
    const std::array<std::uint8_t, 128>& high_;
    const std::array<std::uint8_t, 272>& rest_;
    int made_ = 0;
    int taken_ = 0;
    std::array<std::uint32_t, kLanes> lanes_;
    std::array<std::uint8_t, kCapacity> wantedAt_;
    std::array<std::uint8_t, kCapacity> askAt_;
};

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
