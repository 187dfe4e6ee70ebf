#include "bars/BarPurchase.h"

#include "core/Arithmetic.h"
#include "core/FixedText.h"

#include <algorithm>

namespace tavo {
namespace {

// Clients gained or lost per music style played, by class (Low, High,
// Dark, Rave) and style (Alternative, Techno/Rave, Dance, Metal, Rock).
constexpr std::int32_t kMusicModifier[5][5] = {
    {0, 0, 0, 0, 0}, // no class chosen
    {2, 0, 5, -8, 0}, {2, 0, -8, 0, 5}, {0, -8, -8, 5, 2}, {-8, 5, 2, -8, -8},
};

std::int32_t knowledgeModifier(std::int32_t knowledge) {
    switch (knowledge) {
    case 1:
        return -10;
    case 3:
        return 5;
    default:
        return 0;
    }
}

std::int32_t* musicFlag(BarRecord& bar, Music music) {
    switch (music) {
    case Music::Alternative:
        return &bar.musicAlternative;
    case Music::Techno:
        return &bar.musicTechno;
    case Music::Dance:
        return &bar.musicDance;
    case Music::Metal:
        return &bar.musicMetal;
    case Music::Rock:
        break;
    }
    return &bar.musicRock;
}

} // namespace

void applyClassMask(std::int32_t classMask, bool (&allowed)[5]) {
    auto allow = [&](bool low, bool high, bool dark, bool rave) {
        allowed[kLowClass] = low;
        allowed[kHighClass] = high;
        allowed[kDarkClass] = dark;
        allowed[kRaveClass] = rave;
    };
    switch (classMask) {
    case 1:
        allow(true, false, false, false);
        break;
    case 2:
        allow(false, true, false, false);
        break;
    case 3:
        allow(false, false, true, false);
        break;
    case 4:
        allow(false, false, false, true);
        break;
    case 5:
        allow(true, true, true, false);
        break;
    case 6:
        allow(true, true, false, false);
        break;
    case 7:
        allow(false, false, true, true);
        break;
    default:
        break; // the classes stay as the previous bar left them
    }
}

std::int32_t clientsAtPurchase(const BarListEntry& entry, std::int32_t barClass,
                               const bool (&music)[5], std::int32_t knowledge) {
    std::int32_t clients = entry.peoplePerDay;
    const int row = barClass >= 1 && barClass <= 4 ? barClass : 0;
    for (int style = 0; style < 5; ++style)
        if (music[style]) clients = add32(clients, kMusicModifier[row][style]);
    clients = add32(clients, knowledgeModifier(knowledge));
    if (clients > entry.maxClients) clients = entry.maxClients;
    if (clients < 5) clients = 5;
    return clients;
}

bool ownsListBar(const GameState& state, int listIndex) {
    const int owned = std::clamp(state.barCount, 0, kMaxBars);
    for (int b = 0; b < owned; ++b)
        if (state.bars[b].listIndex == listIndex) return true;
    return false;
}

BarRecord* nextBarEntry(GameState& state) {
    if (state.barCount < 0 || state.barCount >= kMaxBars) return nullptr;
    return &state.bars[state.barCount];
}

void clearBarChoices(GameState& state) {
    if (BarRecord* bar = nextBarEntry(state)) {
        bar->musicAlternative = bar->musicTechno = bar->musicDance = 0;
        bar->musicMetal = bar->musicRock = 0;
        bar->barClass = kNoClass;
    }
}

void chooseBarClass(GameState& state, std::int32_t barClass) {
    if (BarRecord* bar = nextBarEntry(state)) bar->barClass = barClass;
}

void chooseMusic(GameState& state, Music music, bool played) {
    if (BarRecord* bar = nextBarEntry(state)) *musicFlag(*bar, music) = played ? 1 : 0;
}

PurchaseOutcome purchaseBar(GameState& state, const TBarList& bars, const PurchaseRequest& request,
                            const NumberFormat& format, MessageSink& messages) {
    PurchaseOutcome outcome;
    BarRecord* bar = nextBarEntry(state);
    if (bar == nullptr) {
        outcome.refusals.push_back(PurchaseRefusal::TableFull);
        return outcome;
    }
    const BarListEntry* chosen = bars.at(request.selectedBar);
    if (chosen == nullptr) {
        outcome.refusals.push_back(PurchaseRefusal::NoBarChosen);
        return outcome;
    }
    const BarListEntry entry = *chosen;
    if (request.name.empty())
        outcome.refusals.push_back(PurchaseRefusal::NameMissing);
    else
        setFixedText(bar->barName, request.name.substr(0, kBarNameLength));
    const double price = toDecimal(request.entryPrice, format);
    if (price < kEntryPriceLimitAtPurchase)
        bar->entryPrice = price;
    else
        outcome.refusals.push_back(PurchaseRefusal::PriceTooHigh);
    if (request.musicCount < 1) outcome.refusals.push_back(PurchaseRefusal::NoMusic);
    if (bar->barClass == kNoClass) outcome.refusals.push_back(PurchaseRefusal::NoClass);
    if (entry.price > state.money + kOverdraftAtPurchase)
        outcome.refusals.push_back(PurchaseRefusal::NotEnoughMoney);
    if (!outcome.refusals.empty()) return outcome;

    const bool music[5] = {bar->musicAlternative != 0, bar->musicTechno != 0, bar->musicDance != 0,
                           bar->musicMetal != 0, bar->musicRock != 0};
    bar->clientsPerDay = clientsAtPurchase(entry, bar->barClass, music, state.knowledge);
    state.money -= entry.price;
    state.monthlyCharges = add32(state.monthlyCharges, entry.costPerMonth);
    bar->costPerMonth = entry.costPerMonth;
    bar->drinkCount = 0;
    bar->complaintCount = bar->satisfactionCount = 0;
    bar->profitThisMonth = bar->profitLastMonth = 0;
    bar->visitorsThisMonth = bar->visitorsLastMonth = 0;
    bar->isOpen = 0;
    messages.post("The bar you just buy isn't open yet. Open it to make business.");
    bar->maxClients = entry.maxClients;
    bar->listIndex = request.selectedBar;
    state.barCount += 1;
    outcome.firstBar = state.barCount == 1;
    return outcome;
}

} // namespace tavo
