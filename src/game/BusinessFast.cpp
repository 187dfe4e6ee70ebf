#include "game/BusinessFast.h"

#include <algorithm>
#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <memory>

namespace tavo {
namespace {

constexpr int kMostDrinksWanted = 4;

// The slot a draw picks (the draw mod the number of slots), read from a
// table for each number of slots, 1 to 15, built once for the whole run
// (480 KB): one load instead of a division, or of the multiplications the
// generator already keeps busy.
class SlotModulo {
public:
    explicit SlotModulo(int slots)
        : table_(tables()[std::clamp(slots, 1, kMaxDrinkSlots)].data()) {}

    // Twice the slot of the draw a stepped seed gives (the index of its
    // entries in the payment tables, which have two per slot).
    std::uint32_t ofSeed(std::uint32_t seed) const {
        return table_[static_cast<std::uint32_t>(Random::drawOf(seed))];
    }

private:
    using Table = std::array<std::uint8_t, 32768>;

    static const std::array<Table, kMaxDrinkSlots + 1>& tables() {
        static const auto kTables = [] {
            auto all = std::make_unique<std::array<Table, kMaxDrinkSlots + 1>>();
            for (int slots = 1; slots <= kMaxDrinkSlots; ++slots)
                for (int draw = 0; draw < 32768; ++draw)
                    (*all)[slots][draw] = static_cast<std::uint8_t>(2 * (draw % slots));
            return all;
        }();
        return *kTables;
    }

    const std::uint8_t* table_;
};

// Seed after n steps of the generator, as one multiply-add from the start.
struct Jump {
    std::uint32_t multiplier;
    std::uint32_t increment;
};

constexpr std::array<Jump, kMostDrinksWanted + 2> makeJumps() {
    std::array<Jump, kMostDrinksWanted + 2> jumps{};
    jumps[0] = {1, 0};
    for (std::size_t n = 1; n < jumps.size(); ++n)
        jumps[n] = {jumps[n - 1].multiplier * Random::kMultiplier,
                    jumps[n - 1].increment * Random::kMultiplier + Random::kIncrement};
    return jumps;
}

constexpr auto kJumps = makeJumps();

// The next client's seed among the four candidates by the drinks draw d
// (0 and 4: s1, 1: s2, 2: s4, 3: s5). Conditional moves, not branches: d is
// random, and the seed is the one value every client waits for.
inline std::uint32_t nextSeed(std::uint32_t d, std::uint32_t s1, std::uint32_t s2, std::uint32_t s4,
                              std::uint32_t s5) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    std::uint32_t next = s1;
    asm("cmpl $1, %[d]\n\tcmove %[s2], %[next]\n\t"
        "cmpl $2, %[d]\n\tcmove %[s4], %[next]\n\t"
        "cmpl $3, %[d]\n\tcmove %[s5], %[next]"
        : [next] "+&r"(next)
        : [d] "r"(d), [s2] "r"(s2), [s4] "r"(s4), [s5] "r"(s5)
        : "cc");
    return next;
#else
    const std::uint32_t is1 = 0u - static_cast<std::uint32_t>(d == 1);
    const std::uint32_t is2 = 0u - static_cast<std::uint32_t>(d == 2);
    const std::uint32_t is3 = 0u - static_cast<std::uint32_t>(d == 3);
    return (s1 & ~(is1 | is2 | is3)) | (s2 & is1) | (s4 & is2) | (s5 & is3);
#endif
}

// The rules of the day's business for a batch of at most 63 clients,
// identical draw for draw, when every payment follows the whole-number rule
// of Payment. It runs without data-dependent branches: how many drinks a
// client wants is random, and a mispredicted branch per client would cost
// more than the rest of his visit. Each client's seeds come from his first
// one in parallel; the door is one more slot that always sells, and a drink
// not wanted goes to an entry of the tables that adds nothing. The units
// left in each slot are followed in the 16 byte lanes of a vector register
// (255 for a slot that cannot run out within the batch), where counting
// random slots in memory would stall on one another.
#if defined(__SSE2__)
class SureBatch {
public:
    static constexpr std::int32_t kBatch = 63; // byte lanes: 4 drinks x 63 clients < 256

    static bool suits(const BarRecord& bar, int slots) {
        if (slots == 0 || !preparePayment(bar.entryPrice).wholeRule) return false;
        for (int k = 0; k < slots; ++k)
            if (!preparePayment(bar.drinks[k].salePrice).wholeRule) return false;
        return true;
    }

    SureBatch(const BarRecord& bar, int slots)
        : slots_(slots), slotOf_(slots), door_(preparePayment(bar.entryPrice)) {
        for (int k = 0; k < slots; ++k) {
            // A slot not in use "sells" nothing: its lane counts the drinks
            // asked for, which are complaints.
            const Payment sale =
                bar.drinks[k].inUse ? preparePayment(bar.drinks[k].salePrice) : Payment{-0.0};
            set(2 * k, Payment{-0.0});
            set(2 * k + 1, sale);
            std::uint8_t lane[16] = {};
            lane[k] = 0xFF;
            oneHot_[2 * k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lane));
            salePositive_ = salePositive_ && sale.floorPart >= 0;
            mostDrink_ = std::max(mostDrink_, sale.floorPart);
        }
        for (int k = slots; k < kTable; ++k) {
            set(2 * k, Payment{-0.0});
            set(2 * k + 1, Payment{-0.0});
        }
        set(2 * kDoor + 1, door_);
    }

    void serve(BarDay& day, BarRecord& bar, std::int32_t count, Random& random, int doorPoints) {
        alignas(16) std::uint8_t left[16] = {};
        bool runningOut = false; // a slot may run out within the batch
        for (int k = 0; k < slots_; ++k) {
            const DrinkSlot& slot = bar.drinks[k];
            const bool sells = slot.inUse && slot.stock > 0;
            sells_[2 * k] = sells ? 1 : 0;
            if (!slot.inUse || slot.stock >= 4 * count) {
                left[k] = 255; // cannot run out within the batch
            } else if (slot.stock > 0) {
                left[k] = static_cast<std::uint8_t>(slot.stock);
                runningOut = true;
            }
        }
        Lanes lanes{_mm_load_si128(reinterpret_cast<const __m128i*>(left)), _mm_setzero_si128()};
        std::uint32_t seed = random.seed();
        const bool profitGrows = profitOnlyGrows(day.profit, count);
        if (runningOut) {
            if (profitGrows)
                serveClients<false, true>(seed, day.money, day.profit, lanes, count);
            else
                serveClients<true, true>(seed, day.money, day.profit, lanes, count);
        } else {
            if (profitGrows)
                serveClients<false, false>(seed, day.money, day.profit, lanes, count);
            else
                serveClients<true, false>(seed, day.money, day.profit, lanes, count);
        }
        random.setSeed(seed);
        // Drinks asked for per slot; those of a slot in use sold unless it
        // was empty.
        alignas(16) std::uint8_t sold[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(sold), lanes.sold);
        for (int k = 0; k < slots_; ++k)
            if (bar.drinks[k].inUse && bar.drinks[k].stock <= 0) sold[k] = 0;
        if (profitGrows) {
            std::int64_t gain = door_.floorPart * count;
            for (int k = 0; k < slots_; ++k)
                gain += sale(k).floorPart * sold[k];
            day.profit = static_cast<std::int32_t>(day.profit + gain);
        }
        day.complaints += std::int64_t{doorPoints} * count;
        for (int k = 0; k < slots_; ++k) {
            DrinkSlot& slot = bar.drinks[k];
            if (!slot.inUse) {
                day.complaints += sold[k]; // asked for, but no longer sold here
                continue;
            }
            (slot.fairPrice ? day.satisfied : day.complaints) += sold[k];
            slot.stock -= sold[k];
        }
    }

private:
    static constexpr int kDoor = kMaxDrinkSlots;
    // Slots 0..14 and the door; a drink not wanted has 16 added to its slot,
    // whose entries add nothing. Payment tables are indexed by 2 * slot + sold.
    static constexpr int kNotWanted = 2 * 16;
    static constexpr int kTable = 32;

    struct Lanes {
        __m128i left; // units left, per slot
        __m128i sold; // drinks sold, per slot
    };

    const Payment& sale(int k) const { return payment_[2 * k + 1]; }

    void set(int index, const Payment& payment) {
        payment_[index] = payment;
        money_[index] = payment.amount;
        // Whole-rule payments are below 2^30: these fit 32 bits.
        floor_[index] = static_cast<std::int32_t>(payment.floorPart);
        ceil_[index] = static_cast<std::int32_t>(payment.ceilPart);
        threshold_[index] = static_cast<std::int32_t>(payment.threshold);
    }

    // By drinks draw: what each of the four possible drinks adds to its slot.
    static constexpr std::uint8_t kSkipped[5][4] = {
        {kNotWanted, kNotWanted, kNotWanted, kNotWanted},
        {0, kNotWanted, kNotWanted, kNotWanted},
        {0, 0, 0, kNotWanted},
        {0, 0, 0, 0},
        {kNotWanted, kNotWanted, kNotWanted, kNotWanted},
    };

    // With no payment below zero and a profit of 0 or more that cannot pass
    // 2^31 within the batch, every payment adds its whole part: the batch's
    // profit is then summed from the sales instead of payment by payment.
    bool profitOnlyGrows(std::int32_t profit, std::int32_t count) const {
        if (profit < 0 || !salePositive_ || door_.floorPart < 0) return false;
        const std::int64_t most = door_.floorPart + 4 * mostDrink_;
        return profit + count * most < (std::int64_t{1} << 31);
    }

    template <bool kTrackProfit, bool kTrackStock>
    void serveClients(std::uint32_t& seedOut, double& moneyOut, std::int32_t& profitOut,
                      Lanes& lanesOut, std::int32_t count) const {
        // Locals, so that nothing goes through memory on the way.
        std::uint32_t seed = seedOut;
        double money = moneyOut;
        std::int32_t profit = profitOut;
        Lanes lanes = lanesOut;
        for (std::int32_t client = 0; client < count; ++client) {
            const std::uint32_t s1 = seed * kJumps[1].multiplier + kJumps[1].increment;
            const std::uint32_t s2 = seed * kJumps[2].multiplier + kJumps[2].increment;
            const std::uint32_t s3 = seed * kJumps[3].multiplier + kJumps[3].increment;
            const std::uint32_t s4 = seed * kJumps[4].multiplier + kJumps[4].increment;
            const std::uint32_t s5 = seed * kJumps[5].multiplier + kJumps[5].increment;
            const auto draw = static_cast<std::uint32_t>(Random::drawOf(s1));
            const std::uint32_t d = draw - 5 * ((draw * 52429u) >> 18); // draw % 5
            const std::uint8_t* skip = kSkipped[d];                     // 0 1 3 4 0 drinks wanted
            money += door_.amount;
            if constexpr (kTrackProfit) addProfit(profit, 2 * kDoor + 1);
            serveDrink<kTrackProfit, kTrackStock>(money, profit, lanes,
                                                  slotOf_.ofSeed(s2) | skip[0]);
            serveDrink<kTrackProfit, kTrackStock>(money, profit, lanes,
                                                  slotOf_.ofSeed(s3) | skip[1]);
            serveDrink<kTrackProfit, kTrackStock>(money, profit, lanes,
                                                  slotOf_.ofSeed(s4) | skip[2]);
            serveDrink<kTrackProfit, kTrackStock>(money, profit, lanes,
                                                  slotOf_.ofSeed(s5) | skip[3]);
            seed = nextSeed(d, s1, s2, s4, s5);
        }
        seedOut = seed;
        moneyOut = money;
        profitOut = profit;
        lanesOut = lanes;
    }

    // `base` is twice the slot, plus 32 when the drink is not wanted.
    // When no slot can run out within the batch, whether a drink sells is
    // known from its slot; otherwise the units left decide.
    template <bool kTrackProfit, bool kTrackStock>
    void serveDrink(double& money, std::int32_t& profit, Lanes& lanes, std::uint32_t base) const {
        const __m128i hot = oneHot_[base]; // 0xFF in the slot's lane; none if not wanted
        std::uint32_t index;
        if constexpr (kTrackStock) {
            const __m128i sells =
                _mm_andnot_si128(_mm_cmpeq_epi8(lanes.left, _mm_setzero_si128()), hot);
            lanes.sold = _mm_sub_epi8(lanes.sold, sells);
            lanes.left = _mm_add_epi8(lanes.left, sells);
            index = base + (_mm_movemask_epi8(sells) != 0);
        } else {
            lanes.sold = _mm_sub_epi8(lanes.sold, hot);
            index = base + sells_[base];
        }
        money += money_[index];
        if constexpr (kTrackProfit) addProfit(profit, index);
    }

    void addProfit(std::int32_t& profit, std::uint32_t index) const {
        const std::int32_t step = profit >= threshold_[index] ? floor_[index] : ceil_[index];
        profit = static_cast<std::int32_t>(static_cast<std::uint32_t>(profit) +
                                           static_cast<std::uint32_t>(step));
    }

    const int slots_;
    const SlotModulo slotOf_;
    const Payment door_;
    bool salePositive_ = true;
    std::int64_t mostDrink_ = 0;
    Payment payment_[2 * kTable];
    double money_[2 * kTable];
    std::int32_t floor_[2 * kTable];
    std::int32_t ceil_[2 * kTable];
    std::int32_t threshold_[2 * kTable];
    __m128i oneHot_[2 * kTable] = {};     // at even indexes, like the payments
    std::uint8_t sells_[2 * kTable] = {}; // 1 at 2 * slot for a slot in use with units
};
#endif

} // namespace

bool serveFast(BarDay& day, BarRecord& bar, int slots, std::int32_t clients, Random& random,
               int doorPoints) {
#if defined(__SSE2__)
    if (!SureBatch::suits(bar, slots)) return false;
    SureBatch sure(bar, slots);
    // Counted down, so that no count near the top of the range can wrap.
    for (std::int32_t left = clients; left > 0; left -= std::min(SureBatch::kBatch, left))
        sure.serve(day, bar, std::min(SureBatch::kBatch, left), random, doorPoints);
    return true;
#else
    // Without the vector registers it counts in, the rules run client by
    // client instead.
    (void)day, (void)bar, (void)slots, (void)clients, (void)random, (void)doorPoints;
    return false;
#endif
}

} // namespace tavo
