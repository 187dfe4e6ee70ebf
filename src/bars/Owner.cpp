#include "bars/Owner.h"

#include "core/FixedText.h"

namespace tavo {

const char* ratingWord(std::int32_t rating) {
    switch (rating) {
    case kPoor:
        return N_("Poor");
    case kAverage:
        return N_("Average");
    case kVeryGood:
        return N_("Very Good");
    default:
        return "";
    }
}

void chooseArchetype(GameState& state, std::int32_t ownerType) {
    if (ownerType < 1 || ownerType > 3) return;
    const Archetype& archetype = kArchetypes[ownerType - 1];
    state.ownerType = archetype.ownerType;
    state.credibility = archetype.credibility;
    state.knowledge = archetype.knowledge;
    state.money = archetype.money;
}

bool createOwner(GameState& state, std::string_view typedName, Voice& voice) {
    if (typedName.empty()) {
        voice.say(plainMessage(N_("You must enter a owner name.")));
        return false;
    }
    setFixedText(state.ownerName, typedName.substr(0, kOwnerNameLength));
    state.lottoTicketCount = 0;
    state.lottoJackpot = 1000000;
    state.monthlyCharges = 0;
    state.barCount = 0;
    state.adminCount = 0;
    state.adminTicketCount = 0;
    state.gamblingBalance = 0;
    state.reserved8 = 0;
    return true;
}

} // namespace tavo
