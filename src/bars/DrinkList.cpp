#include "bars/DrinkList.h"

#include "core/FixedText.h"

namespace tavo {

double retailPriceOf(const DrinkListEntry& drink, const NumberFormat& format) {
    return toDecimal(fixedText(drink.retailPrice), format);
}

} // namespace tavo
