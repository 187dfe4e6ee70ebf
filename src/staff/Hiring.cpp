#include "staff/Hiring.h"

#include "core/Arithmetic.h"
#include "staff/Roster.h"

#include <algorithm>
#include <string>

namespace tavo {
namespace {

const char* introduction(std::int32_t staffId) {
    switch (staffId) {
    case 1:
        return N_("Hi, I'm ned! I've always been a lucky man...\nSo I can manage your lottery "
                  "tickets for you.\n-----\nStaff ID: #001");
    case 2:
        return N_("Hi there, here's what I can do for you\n\n- Manage your beers stock\n- Manage "
                  "your lottery tickets\n-----\nStaff ID: #002");
    case 3:
        return N_("Hi! You don't have time to manage your\nbeers stock? I can help with "
                  "that!\n-----\nStaff ID: #003");
    case 4:
        return N_("Hi! You don't have time to manage your\nloans and investments? I can help "
                  "you!\n-----\nStaff ID: #004");
    default:
        return nullptr;
    }
}

} // namespace

std::array<bool, 4> hireChoices(const GameState& state, Voice& voice) {
    std::array<bool, 4> free = {true, true, true, true};
    for (int s = 0; s < hiredAdminCount(state); ++s) {
        if (const Candidate* hired = findCandidate(state.admins[s].staffId))
            free[hired->staffId - 1] = false;
        else
            voice.say(information({N_("Error #7\n\nUnexpected value... huh? Please "
                                      "contact me:\n%1"),
                                   {asIs(kContactAddress)}}));
    }
    return free;
}

void sayIntroduction(std::int32_t staffId, Voice& voice) {
    if (const char* text = introduction(staffId)) voice.say(information(text));
}

bool hireAdmin(GameState& state, std::int32_t staffId, Voice& voice) {
    const Candidate* candidate = findCandidate(staffId);
    if (candidate == nullptr) return false;
    bool hired = state.adminCount < 0 || state.adminCount >= kMaxAdmins;
    for (int s = 0; s < hiredAdminCount(state); ++s)
        hired = hired || state.admins[s].staffId == staffId;
    if (hired) {
        voice.say(refusal(N_("You can't hire this person now."), N_("Oups...")));
        return false;
    }
    AdminRecord& admin = state.admins[state.adminCount];
    admin = AdminRecord{};
    admin.salary = candidate->salary;
    admin.staffId = candidate->staffId;
    admin.ticketPrice = candidate->ticketPrice;
    admin.maxTicketsPerWeek = candidate->maxTicketsPerWeek;
    admin.canBuyTickets = candidate->canBuyTickets ? 1 : 0;
    admin.canBuyDrinks = candidate->canBuyDrinks ? 1 : 0;
    admin.canManageLoans = candidate->canManageLoans ? 1 : 0;
    state.monthlyCharges = add32(state.monthlyCharges, candidate->salary);
    state.adminCount += 1;
    return true;
}

} // namespace tavo
