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

// Why a typed list path cannot be kept, or "" when it can.
template <typename List, std::size_t N>
std::string pathFault(std::string_view path, const char (&)[N], const char* what) {
    if (path.empty()) return "";
    const std::string shown(path);
    if (path.size() > N - 1)
        return std::string("The path of your ") + what + " list file is too long (" +
               std::to_string(path.size()) + " bytes, at most " + std::to_string(N - 1) + "):\n" +
               shown;
    List list;
    if (!list.loadFromFile(shown) || !plausible(list))
        return std::string("This file can't be used as your ") + what + " list:\n" + shown +
               "\nChoose a " + what + " list file of the game.";
    return "";
}

} // namespace

SetupEnd applySetup(ConfigRecord& config, ConfigStore& store, const SetupChoice& choice,
                    Voice& voice) {
    if (!store.writable()) {
        voice.say(configUnwritable());
        return SetupEnd::Close;
    }
    for (const std::string& fault :
         {pathFault<TBarList>(choice.barsListPath, config.barsListPath, "bars"),
          pathFault<TDrinkList>(choice.drinksListPath, config.drinksListPath, "drinks")})
        if (!fault.empty()) {
            voice.say(refusal(fault, "Setup"));
            return SetupEnd::StayOpen;
        }
    config.PopupStart = choice.popupStart ? 1 : 0;
    config.PauseBeer = choice.pauseBeer ? 1 : 0;
    config.DrinkClose = choice.drinkClose ? 1 : 0;
    const bool haveBars = !choice.barsListPath.empty();
    if (haveBars)
        setFixedText(config.barsListPath, choice.barsListPath);
    else
        voice.say(information("You must choose a bars list file."));
    const bool haveDrinks = !choice.drinksListPath.empty();
    if (haveDrinks)
        setFixedText(config.drinksListPath, choice.drinksListPath);
    else
        voice.say(information("You must choose a drinks list file."));
    if (!haveBars || !haveDrinks)
        voice.say(information("Your save game wasn't saved..."));
    else if (!store.write(config))
        voice.say(configUnwritable());
    return SetupEnd::Close;
}

} // namespace tavo
