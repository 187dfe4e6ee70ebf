// The drinks list: the drinks a bar can order, read from a file of 44-byte
// records whose prices are texts. A drink is known by its position here.
#pragma once

#include "bars/RecordList.h"
#include "core/NumberText.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavo {

struct DrinkListEntry {
    char name[16];
    char retailPrice[5];
    char weight[8];
    char alcohol[11];
    std::int32_t kind; // 0 beer, anything else a shooter
};

static_assert(sizeof(DrinkListEntry) == 44);
static_assert(offsetof(DrinkListEntry, name) == 0);
static_assert(offsetof(DrinkListEntry, retailPrice) == 16);
static_assert(offsetof(DrinkListEntry, weight) == 21);
static_assert(offsetof(DrinkListEntry, alcohol) == 29);
static_assert(offsetof(DrinkListEntry, kind) == 40);

using TDrinkList = RecordList<DrinkListEntry>;

// The drink's retail price read from its text under the number format.
// Throws ConversionError when the text does not convert.
double retailPriceOf(const DrinkListEntry& drink, const NumberFormat& format);

} // namespace tavo
