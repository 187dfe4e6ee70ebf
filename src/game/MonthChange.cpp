#include "game/MonthChange.h"

#include "core/Arithmetic.h"

#include <algorithm>

namespace tavo {

void runMonthChange(GameState& state) {
    const int bars = ownedBarCount(state);
    state.money -= state.monthlyCharges;
    std::int32_t taxes = 0;
    for (int b = 0; b < bars; ++b)
        taxes = add32(taxes, mul32(state.bars[b].clientsPerDay, kTaxPerClient));
    state.monthlyTaxes = taxes;
    state.money -= taxes;
    for (int b = 0; b < bars; ++b) {
        BarRecord& bar = state.bars[b];
        bar.profitThisMonth = sub32(bar.profitThisMonth, bar.costPerMonth);
        bar.profitThisMonth = sub32(bar.profitThisMonth, mul32(bar.clientsPerDay, kTaxPerClient));
        bar.profitLastMonth = bar.profitThisMonth;
        bar.visitorsLastMonth = bar.visitorsThisMonth;
        bar.profitThisMonth = 0;
        bar.visitorsThisMonth = 0;
    }
}

} // namespace tavo
