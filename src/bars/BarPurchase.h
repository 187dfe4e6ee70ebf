// Buying a bar: the choices of the setup window written into the next free
// entry, the checks of Create, the purchase and the clients formula.
#pragma once

#include "bars/BarList.h"
#include "core/GameState.h"
#include "core/MessageSink.h"
#include "core/NumberText.h"
#include "core/Voice.h"

#include <cstdint>
#include <string_view>

namespace tavo {

enum BarClass : std::int32_t {
    kNoClass = 0,
    kLowClass = 1,
    kHighClass = 2,
    kDarkClass = 3,
    kRaveClass = 4
};
enum class Music { Alternative, Techno, Dance, Metal, Rock };

inline constexpr int kBarNameLength = 29;
inline constexpr double kEntryPriceLimitAtPurchase = 10.0; // the price must stay below
inline constexpr double kOverdraftAtPurchase = 5000;

// Which classes a list entry's classMask allows (index 1..4); any other
// code leaves `allowed` as it was.
void applyClassMask(std::int32_t classMask, bool (&allowed)[5]);

// Clients per day of a bar bought with these choices: the list's people
// per day, a modifier per music style for the class, one for knowledge,
// then cut to the maximum and raised to 5.
std::int32_t clientsAtPurchase(const BarListEntry& entry, std::int32_t barClass,
                               const bool (&music)[5], std::int32_t knowledge);

// Whether a bar of the list (by its position) is one of the owner's.
bool ownsListBar(const GameState& state, int listIndex);

// The setup window's buttons write into the entry a purchase would fill
// (entry barCount); nothing when every entry is taken.
BarRecord* nextBarEntry(GameState& state);
void clearBarChoices(GameState& state);
void chooseBarClass(GameState& state, std::int32_t barClass);
void chooseMusic(GameState& state, Music music, bool played);
// The music boxes ticked: the styles chosen in the next entry.
int chosenMusicCount(const GameState& state);

// The map's Buy for the bar picked at `selectedBar`: whether the bar setup
// window may open. A full bar table is refused in words.
bool pressBuy(const GameState& state, const TBarList& bars, int selectedBar, Voice& voice);

// The map's Sell: bars cannot be sold yet, and the player is told so.
void pressSell(Voice& voice);

// What the bar setup window holds when Create is pressed.
struct BarSetup {
    int selectedBar = -1; // position in the bars list
    std::string_view name;
    std::string_view entryPrice; // text, read under the number format
    int musicCount = 0;          // music boxes ticked
};

struct PurchaseOutcome {
    bool bought = false;
    bool firstBar = false; // the game window's bar display starts again
};

// Create. Every check runs and each failing one is said as it is made, in
// the order name, entry price, music, class, money; the name and a price
// below 10 are written into the entry as they are checked. A price text
// that does not convert throws ConversionError at that point. When every
// check passes the bar is bought: money, monthly charges, the entry's
// figures, and "The bar you just buy isn't open yet. Open it to make
// business." is posted.
PurchaseOutcome createBar(GameState& state, const TBarList& bars, const BarSetup& setup,
                          const NumberFormat& format, Voice& voice, MessageSink& messages);

} // namespace tavo
