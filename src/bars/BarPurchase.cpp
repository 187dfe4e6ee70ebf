#include "bars/BarPurchase.h"

#include "core/Arithmetic.h"
#include "core/FixedText.h"
#include "core/SaveFile.h"

#include <algorithm>
#include <string>

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
    const int owned = ownedBarCount(state);
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

int chosenMusicCount(const GameState& state) {
    if (state.barCount < 0 || state.barCount >= kMaxBars) return 0;
    const BarRecord& bar = state.bars[state.barCount];
    int count = 0;
    for (std::uint8_t played :
         {bar.musicAlternative, bar.musicTechno, bar.musicDance, bar.musicMetal, bar.musicRock})
        count += played != 0 ? 1 : 0;
    return count;
}

namespace {

Words tableFull() {
    return refusal(
        {N_("You already run %1 bars, the most an owner can.\nYou can't buy another one."),
         {asIs(std::to_string(kMaxBars))}},
        N_("Oups..."));
}

} // namespace

bool pressBuy(const GameState& state, const TBarList& bars, int selectedBar, Voice& voice) {
    if (bars.at(selectedBar) == nullptr) return false;
    if (state.barCount < 0 || state.barCount >= kMaxBars) {
        voice.say(tableFull());
        return false;
    }
    return true;
}

void pressSell(Voice& voice) {
    voice.say(plainMessage(N_("Under reconstruction ;-)")));
}

PurchaseOutcome createBar(GameState& state, const TBarList& bars, const BarSetup& setup,
                          const NumberFormat& format, Voice& voice, MessageSink& messages) {
    PurchaseOutcome outcome;
    BarRecord* bar = nextBarEntry(state);
    if (bar == nullptr) { // a game with every entry taken was loaded meanwhile
        voice.say(tableFull());
        return outcome;
    }
    const BarListEntry* chosen = bars.at(setup.selectedBar);
    if (chosen == nullptr) {
        voice.say(plainMessage(N_("Choose the bar to buy on the map first.")));
        return outcome;
    }
    // A damaged list may promise crowds no game can hold; the bar's room
    // stays within what a saved game may hold, so the game still loads.
    BarListEntry entry = *chosen;
    entry.maxClients = std::clamp(entry.maxClients, 0, kMostClientsPerDay);
    bool refused = false;
    auto refuse = [&](const char* text) {
        voice.say(plainMessage(text));
        refused = true;
    };
    if (setup.name.empty())
        refuse(N_("You must choose a name for your bar."));
    else
        setFixedText(bar->barName, setup.name.substr(0, kBarNameLength));
    const double price = toDecimal(setup.entryPrice, format);
    if (price < kEntryPriceLimitAtPurchase)
        bar->entryPrice = price;
    else
        refuse(N_("The price you set to enter your bar is too high!"));
    if (setup.musicCount < 1) refuse(N_("You must choose at least one type of music."));
    if (bar->barClass == kNoClass) refuse(N_("You must choose a type of bar."));
    if (entry.price > state.money + kOverdraftAtPurchase)
        refuse(N_("You don't have enough money to buy this bar."));
    if (refused) return outcome;

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
    messages.post(N_("The bar you just buy isn't open yet. Open it to make business."));
    bar->maxClients = entry.maxClients;
    bar->listIndex = setup.selectedBar;
    state.barCount += 1;
    outcome.bought = true;
    outcome.firstBar = state.barCount == 1;
    return outcome;
}

} // namespace tavo
