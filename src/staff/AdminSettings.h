// The staff list and the administrator settings window: the rows of the
// list, the settings shown for one administrator, Close & Save and Fire.
#pragma once

#include "core/GameState.h"
#include "core/Voice.h"
#include "staff/Roster.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// The staff list's rows, one per administrator in use in table order: the
// candidate's full name. An entry whose staff ID the roster does not know
// is reported ("Unexpected error #82") and its row reads "?", so that row
// k stays entry k.
std::vector<std::string> staffRows(const GameState& state, Voice& voice);

// The administrator the settings window shows at index `selectedAdmin`,
// or nullptr when there is no such entry in use.
const AdminRecord* adminAt(const GameState& state, int selectedAdmin);

// The settings window's show: the candidate of that administrator, or
// nullptr when the entry is not in use or its staff ID is unknown (then
// reported, "Unexpected error #12").
const Candidate* settingsCandidate(const GameState& state, int selectedAdmin, Voice& voice);

// What the settings window holds when Close & Save is pressed.
struct AdminSettingsTyped {
    std::string_view ticketsPerWeek; // NbrTicket
    std::string_view drinks;         // BuyBeers
    std::string_view refundWhen;     // RefWhen
    std::string_view refundAmount;   // RefAmount
};

// Close & Save on the administrator at `selectedAdmin`, duty by duty:
// tickets per week (0 to his maximum), the drinks order (0 keeps it; no
// other administrator may be buying), the repayment (a threshold of "0"
// keeps it; at least 1 and below the threshold). A text that does not
// convert throws ConversionError at its step; what earlier steps stored
// stays. True when the window closes (the tickets and the repayment, for
// the duties he has, were accepted; an entry no longer in use closes it
// untouched).
bool closeAndSave(GameState& state, int selectedAdmin, const AdminSettingsTyped& typed,
                  Voice& voice);

// Fire, after the question: his salary leaves the monthly charges and the
// last administrator takes his place. True when the window closes (fired,
// or an entry no longer in use).
bool fireAdmin(GameState& state, int selectedAdmin, Voice& voice);

} // namespace tavo
