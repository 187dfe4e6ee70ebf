#include "bars/Promotion.h"

#include "core/Arithmetic.h"

namespace tavo {

AdvertTerms advertTerms(Advert advert) {
    switch (advert) {
    case Advert::Newspaper:
        return {5, 5000};
    case Advert::Radio:
        return {10, 15000};
    case Advert::Tv:
        break;
    }
    return {15, 25000};
}

PromotionOutcome promoteBar(GameState& state, int bar, Advert advert) {
    if (bar < 0 || bar >= state.barCount || bar >= kMaxBars) return PromotionOutcome::Refused;
    BarRecord& record = state.bars[bar];
    const AdvertTerms terms = advertTerms(advert);
    if (!(std::int64_t{record.clientsPerDay} + terms.extraClients < record.maxClients) ||
        !(state.money > terms.price))
        return PromotionOutcome::Refused;
    record.clientsPerDay += terms.extraClients;
    state.money -= terms.price;
    record.profitThisMonth = sub32(record.profitThisMonth, terms.price);
    return PromotionOutcome::Promoted;
}

} // namespace tavo
