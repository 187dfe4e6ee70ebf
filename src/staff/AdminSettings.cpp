#include "staff/AdminSettings.h"

#include "core/Arithmetic.h"
#include "core/NumberText.h"

#include <algorithm>

namespace tavo {
namespace {

Words oups(const char* text) {
    return refusal(text, N_("Oups..."));
}

// The drinks order of the administrator at `selected`: refused once for
// each other administrator who already buys drinks.
void saveDrinks(GameState& state, int selected, std::int32_t quantity, Voice& voice) {
    if (quantity == 0) return; // 0 keeps the order as it is
    bool otherBuys = false;
    for (int s = 0; s < hiredAdminCount(state); ++s) {
        if (s == selected || state.admins[s].drinkOrderQuantity <= 0) continue;
        voice.say(oups(N_("Sorry but an other admin buy beers for you.\nI can't do this job while "
                          "he do this.")));
        otherBuys = true;
    }
    if (!otherBuys) state.admins[selected].drinkOrderQuantity = quantity;
}

// The repayment settings; returns whether they were accepted.
bool saveRefund(AdminRecord& admin, const AdminSettingsTyped& typed, Voice& voice) {
    const std::int32_t amount = toInteger(typed.refundAmount);
    const std::int32_t when = toInteger(typed.refundWhen);
    if (amount < 1) {
        voice.say(oups(N_("I can't refund less than 1$...")));
        return false;
    }
    if (!(amount < when)) {
        voice.say(oups(N_("You can't refund more than you have...")));
        return false;
    }
    admin.refundThreshold = when;
    admin.refundAmount = amount;
    return true;
}

} // namespace

std::vector<std::string> staffRows(const GameState& state, Voice& voice) {
    std::vector<std::string> rows;
    for (int s = 0; s < hiredAdminCount(state); ++s) {
        if (const Candidate* candidate = findCandidate(state.admins[s].staffId)) {
            rows.emplace_back(candidate->name);
        } else {
            voice.say(information(
                {N_("Unexpected error #82... contact me:\n%1"), {asIs(kContactAddress)}}));
            rows.emplace_back("?");
        }
    }
    return rows;
}

const AdminRecord* adminAt(const GameState& state, int selectedAdmin) {
    if (selectedAdmin < 0 || selectedAdmin >= hiredAdminCount(state)) return nullptr;
    return &state.admins[selectedAdmin];
}

const Candidate* settingsCandidate(const GameState& state, int selectedAdmin, Voice& voice) {
    const AdminRecord* admin = adminAt(state, selectedAdmin);
    if (admin == nullptr) return nullptr;
    const Candidate* candidate = findCandidate(admin->staffId);
    if (candidate == nullptr)
        voice.say(
            information({N_("Unexpected error #12\nContact me plz: %1"), {asIs(kContactAddress)}}));
    return candidate;
}

bool closeAndSave(GameState& state, int selectedAdmin, const AdminSettingsTyped& typed,
                  Voice& voice) {
    if (adminAt(state, selectedAdmin) == nullptr) return true;
    AdminRecord& admin = state.admins[selectedAdmin];
    bool saved = true;
    if (admin.canBuyTickets) {
        const std::int32_t tickets = toInteger(typed.ticketsPerWeek);
        saved = tickets >= 0 && tickets <= admin.maxTicketsPerWeek;
        if (saved)
            admin.ticketsPerWeek = tickets;
        else
            voice.say(oups(N_("Sorry but I can't buy all this tickets for a week...")));
    }
    if (admin.canBuyDrinks && saved)
        saveDrinks(state, selectedAdmin, toInteger(typed.drinks), voice);
    if (admin.canManageLoans && typed.refundWhen != "0") saved = saveRefund(admin, typed, voice);
    return saved;
}

bool fireAdmin(GameState& state, int selectedAdmin, Voice& voice) {
    if (adminAt(state, selectedAdmin) == nullptr) return true;
    if (!voice.ask(question(N_("Do you want to fire this employe?"), N_("Fire this employe?"))))
        return false;
    const int last = hiredAdminCount(state) - 1;
    state.monthlyCharges = sub32(state.monthlyCharges, state.admins[selectedAdmin].salary);
    state.admins[selectedAdmin] = state.admins[last]; // onto itself when he is the last
    state.adminCount = last;
    return true;
}

} // namespace tavo
