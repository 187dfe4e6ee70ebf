// Advertising a bar: newspaper, radio or television, each adding clients
// per day for good at a price charged to the bar's month profit.
#pragma once

#include "core/GameState.h"

#include <cstdint>

namespace tavo {

enum class Advert { Newspaper, Radio, Tv };

struct AdvertTerms {
    std::int32_t extraClients;
    std::int32_t price;
};

AdvertTerms advertTerms(Advert advert);

enum class PromotionOutcome { Promoted, Refused };

// The bar must keep a free place after the increase (clients + extra <
// maximum) and the money must exceed the price; otherwise nothing changes.
PromotionOutcome promoteBar(GameState& state, int bar, Advert advert);

} // namespace tavo
