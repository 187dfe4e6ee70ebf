#include "game/AdminDuties.h"

#include "banks/Investments.h"
#include "banks/Loans.h"
#include "core/Arithmetic.h"
#include "leisure/Lotto.h"

#include <algorithm>
#include <limits>

namespace tavo {

// Found by halving rather than by trying each quantity in turn, which a
// damaged save's huge order quantity would make take minutes; the answer is
// the same.
std::int32_t affordableQuantity(double money, std::int32_t quantity, double retail) {
    auto affordable = [&](std::int64_t q) {
        return money - kAdminMoneyReserve >= static_cast<double>(q) * retail;
    };
    if (quantity <= 0) return 0;
    if (affordable(quantity)) return quantity;
    // Smaller quantities cost less only at a positive price.
    if (!(retail > 0)) return 0;
    std::int64_t tooDear = 0;                           // steps known to be unaffordable
    std::int64_t steps = (quantity - 1) / kRestockStep; // the last quantity above 0
    if (!affordable(quantity - steps * kRestockStep)) return 0;
    while (steps - tooDear > 1) {
        const std::int64_t middle = tooDear + (steps - tooDear) / 2;
        if (affordable(quantity - middle * kRestockStep))
            steps = middle;
        else
            tooDear = middle;
    }
    return static_cast<std::int32_t>(quantity - steps * kRestockStep);
}

namespace {

void restockSlot(GameState& state, BarRecord& bar, DrinkSlot& slot, std::int32_t quantity,
                 double retail) {
    if (!slot.inUse) return;
    const std::int32_t q = affordableQuantity(state.money, quantity, retail);
    if (q <= 0) return;
    const double cost = q * retail;
    slot.stock = add32(slot.stock, q);
    state.money -= cost;
    bar.profitThisMonth = truncToInt32(static_cast<double>(bar.profitThisMonth) - cost);
}

} // namespace

void grantTicketAllowance(GameState& state) {
    const int admins = hiredAdminCount(state);
    for (int s = 0; s < admins; ++s) {
        AdminRecord& admin = state.admins[s];
        if (admin.canBuyTickets && admin.ticketsPerWeek > 0)
            admin.ticketsPending = add32(admin.ticketsPending, admin.ticketsPerWeek);
    }
}

void restockDrinks(GameState& state, std::int32_t orderQuantity, const TDrinkList& drinks,
                   const NumberFormat& format) {
    const int bars = ownedBarCount(state);
    for (int b = 0; b < bars; ++b) {
        BarRecord& bar = state.bars[b];
        const int slots = std::clamp(bar.drinkCount, 0, kMaxDrinkSlots);
        for (int k = 0; k < slots; ++k) {
            DrinkSlot& slot = bar.drinks[k];
            if (slot.stock >= kRestockBelow) continue;
            // A slot naming a drink the loaded list does not hold has no
            // price, so nothing can be ordered for it.
            const DrinkListEntry* drink = drinks.at(slot.drinkIndex);
            if (drink == nullptr) continue;
            const double retail = retailPriceOf(*drink, format);
            restockSlot(state, bar, slot, orderQuantity, retail);
        }
    }
}

void runAdminDailyDuties(GameState& state, Random& random, const TDrinkList& drinks,
                         const NumberFormat& format, MessageSink& messages) {
    const int admins = hiredAdminCount(state);
    for (int s = 0; s < admins; ++s) {
        AdminRecord& admin = state.admins[s];
        if (admin.canBuyTickets && state.weekDay < 5 && state.money > kAdminMoneyReserve &&
            admin.ticketsPending > 0) {
            // With ten tickets held the ticket stays pending for later. Each
            // bought one counts in the game window's tickets box, which
            // stops at the top rather than turning negative.
            if (BuyAdminTicket(state, random, admin.ticketPrice)) {
                admin.ticketsPending -= 1;
                if (state.adminTicketCount < std::numeric_limits<std::int32_t>::max())
                    state.adminTicketCount += 1;
            }
        }
        if (admin.canBuyDrinks && admin.drinkOrderQuantity > 0)
            restockDrinks(state, admin.drinkOrderQuantity, drinks, format);
        if (admin.canManageLoans) {
            for (int bank = 0; bank < kBankCount; ++bank) {
                adminCollectInvestment(state, bank, messages);
                adminRepayLoan(state, bank, admin, messages);
            }
        }
    }
}

} // namespace tavo
