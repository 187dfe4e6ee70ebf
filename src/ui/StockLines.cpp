#include "ui/StockLines.h"

#include "ui/Text.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace tavo::ui {

void showStockPage(const BarRecord* bar, const TDrinkList& drinks, StockPages& pages,
                   const std::array<QLabel*, 4>& names, const std::array<QLineEdit*, 4>& stocks) {
    // Each line is set once, to what it shows: a screen reader hears no
    // line emptied and filled again at every refresh.
    const int slotCount = bar ? std::clamp(bar->drinkCount, 0, kMaxDrinkSlots) : 0;
    const int shown = pages.lines(slotCount);
    for (int line = 0; line < 4; ++line) {
        const DrinkSlot* slot = line < shown ? &bar->drinks[pages.firstSlot() + line] : nullptr;
        names[line]->setText(slot ? drinkNameText(drinks, slot->drinkIndex) : QStringLiteral("-"));
        stocks[line]->setText(slot ? QString::number(slot->stock) : QStringLiteral("0"));
    }
    pages.turn(slotCount);
}

} // namespace tavo::ui
