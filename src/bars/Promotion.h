// Advertising a bar: newspaper, radio or television, each adding clients
// per day for good at a price charged to the bar's month profit.
#pragma once

#include "core/GameState.h"
#include "core/Voice.h"

#include <cstdint>
#include <optional>

namespace tavo {

enum class Advert { Newspaper, Radio, Tv };

struct AdvertTerms {
    std::int32_t extraClients;
    std::int32_t price;
    const char* success; // said once the advert is bought
};

AdvertTerms advertTerms(Advert advert);

// Promote: the bar must keep a free place after the increase (clients +
// extra < maximum) and the money must exceed the price; otherwise "Your bar
// can't handle more clients\nor you don't have enough money." and nothing
// changes. No advert chosen: nothing happens. True when bought.
bool promoteBar(GameState& state, int bar, std::optional<Advert> advert, Voice& voice);

} // namespace tavo
