#include "bars/Promotion.h"

#include "core/Arithmetic.h"

namespace tavo {

AdvertTerms advertTerms(Advert advert) {
    switch (advert) {
    case Advert::Newspaper:
        return {5, 5000, N_("Your bar's pub is now on newspaper.")};
    case Advert::Radio:
        return {10, 15000, N_("Your bar's pub is now on radio station.")};
    case Advert::Tv:
        break;
    }
    return {15, 25000, N_("Your bar's pub is now on tv station.")};
}

bool promoteBar(GameState& state, int bar, std::optional<Advert> advert, Voice& voice) {
    if (!advert) return false;
    const AdvertTerms terms = advertTerms(*advert);
    BarRecord* record =
        bar >= 0 && bar < state.barCount && bar < kMaxBars ? &state.bars[bar] : nullptr;
    if (record == nullptr ||
        !(std::int64_t{record->clientsPerDay} + terms.extraClients < record->maxClients) ||
        !(state.money > terms.price)) {
        voice.say(refusal(N_("Your bar can't handle more clients\nor you don't have enough money."),
                          N_("Oups!")));
        return false;
    }
    record->clientsPerDay += terms.extraClients;
    state.money -= terms.price;
    record->profitThisMonth = sub32(record->profitThisMonth, terms.price);
    voice.say(plainMessage(terms.success));
    return true;
}

} // namespace tavo
