// The stock panels of the game window and of the information window show a
// bar's drink slots four at a time, turning the page on a counter: each
// later page stays up for four refreshes, the first for five.
#pragma once

#include <algorithm>

namespace tavo {

struct StockPages {
    int page = 0;
    int ticks = 4; // at 4, the first refresh of the run turns the page at once

    int firstSlot() const { return 4 * page; }
    // How many of the four lines the page fills for a bar of slotCount slots.
    int lines(int slotCount) const { return std::clamp(slotCount - 4 * page, 0, 4); }

    // After a refresh that showed lines(slotCount) slots.
    void turn(int slotCount) {
        if (slotCount > 4 * page + lines(slotCount) && ticks == 4) {
            ticks = 0;
            page += 1;
        }
        if (ticks < 4) {
            ticks += 1;
        } else {
            page = 0;
            ticks = 0;
        }
    }
};

} // namespace tavo
