#include "ui/StockLines.h"

#include "ui/Text.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace tavo::ui {

void showStockPage(const BarRecord* bar, const TDrinkList& drinks, StockPages& pages,
                   const std::array<QLabel*, 4>& names, const std::array<QLineEdit*, 4>& stocks) {
    for (int line = 0; line < 4; ++line) {
        names[line]->setText(QStringLiteral("-"));
        stocks[line]->setText(QStringLiteral("0"));
    }
    const int slotCount = bar ? std::clamp(bar->drinkCount, 0, kMaxDrinkSlots) : 0;
    for (int line = 0; line < pages.lines(slotCount); ++line) {
        const DrinkSlot& slot = bar->drinks[pages.firstSlot() + line];
        names[line]->setText(drinkNameText(drinks, slot.drinkIndex));
        stocks[line]->setText(QString::number(slot.stock));
    }
    pages.turn(slotCount);
}

} // namespace tavo::ui
