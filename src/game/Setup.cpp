#include "game/Setup.h"

#include "bars/BarList.h"
#include "bars/DrinkList.h"
#include "core/FixedText.h"

#include <cstring>
#include <string>

namespace tavo {
namespace {

// Whether the records read are those of a list of that kind: every bar
// named, priced and with room for clients; every drink priced in a number
// format the game reads.
bool plausible(const TBarList& bars) {
    for (int i = 0; i < bars.count(); ++i) {
        const BarListEntry& bar = *bars.at(i);
        if (strnlen(bar.name, sizeof bar.name) == sizeof bar.name || bar.price < 0 ||
            bar.maxClients <= 0)
            return false;
    }
    return true;
}

bool plausible(const TDrinkList& drinks) {
    for (int i = 0; i < drinks.count(); ++i) {
        const std::string price = fixedText(drinks.at(i)->retailPrice);
        if (!tryToDecimal(price, NumberFormat{'.'}) && !tryToDecimal(price, NumberFormat{','}))
            return false;
    }
    return true;
}

// How a list path is refused: too long for the record, or not a list.
struct PathRefusals {
    const char* tooLong;
    const char* unusable;
};

const PathRefusals kBarsPathRefusals = {
    N_("The path of your bars list file is too long (%1 bytes, at most %2):\n%3"),
    N_("This file can't be used as your bars list:\n%1\nChoose a bars list file of the game.")};
const PathRefusals kDrinksPathRefusals = {
    N_("The path of your drinks list file is too long (%1 bytes, at most %2):\n%3"),
    N_("This file can't be used as your drinks list:\n%1\nChoose a drinks list file of the "
       "game.")};

// Why a typed list path cannot be kept, or nothing when it can.
template <typename List, std::size_t N>
Phrase pathFault(std::string_view path, const char (&)[N], const PathRefusals& refusals) {
    if (path.empty()) return {};
    const std::string shown(path);
    if (path.size() > N - 1)
        return {refusals.tooLong,
                {asIs(std::to_string(path.size())), asIs(std::to_string(N - 1)), asIs(shown)}};
    List list;
    if (!list.loadFromFile(shown) || !plausible(list)) return {refusals.unusable, {asIs(shown)}};
    return {};
}

} // namespace

SetupEnd applySetup(ConfigRecord& config, ConfigStore& store, const SetupChoice& choice,
                    Voice& voice) {
    if (!store.writable()) {
        voice.say(configUnwritable());
        return SetupEnd::Close;
    }
    for (const Phrase& fault :
         {pathFault<TBarList>(choice.barsListPath, config.barsListPath, kBarsPathRefusals),
          pathFault<TDrinkList>(choice.drinksListPath, config.drinksListPath, kDrinksPathRefusals)})
        if (!fault.empty()) {
            voice.say(refusal(fault, N_("Setup")));
            return SetupEnd::StayOpen;
        }
    config.PopupStart = choice.popupStart ? 1 : 0;
    config.PauseBeer = choice.pauseBeer ? 1 : 0;
    config.DrinkClose = choice.drinkClose ? 1 : 0;
    const bool haveBars = !choice.barsListPath.empty();
    if (haveBars)
        setFixedText(config.barsListPath, choice.barsListPath);
    else
        voice.say(information(N_("You must choose a bars list file.")));
    const bool haveDrinks = !choice.drinksListPath.empty();
    if (haveDrinks)
        setFixedText(config.drinksListPath, choice.drinksListPath);
    else
        voice.say(information(N_("You must choose a drinks list file.")));
    if (!haveBars || !haveDrinks)
        voice.say(information(N_("Your save game wasn't saved...")));
    else if (!store.write(config))
        voice.say(configUnwritable());
    return SetupEnd::Close;
}

} // namespace tavo
