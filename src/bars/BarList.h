// The bars list: the town's bars that can be bought, read from a file of
// 120-byte records. A bar is known everywhere by its position here.
#pragma once

#include "bars/RecordList.h"

#include <cstddef>
#include <cstdint>

namespace tavo {

struct BarListEntry {
    char name[100];
    std::int32_t price;
    std::int32_t costPerMonth;
    std::int32_t peoplePerDay;
    std::int32_t classMask;
    std::int32_t maxClients;
};

static_assert(sizeof(BarListEntry) == 120);
static_assert(offsetof(BarListEntry, name) == 0);
static_assert(offsetof(BarListEntry, price) == 100);
static_assert(offsetof(BarListEntry, costPerMonth) == 104);
static_assert(offsetof(BarListEntry, peoplePerDay) == 108);
static_assert(offsetof(BarListEntry, classMask) == 112);
static_assert(offsetof(BarListEntry, maxClients) == 116);

using TBarList = RecordList<BarListEntry>;

} // namespace tavo
