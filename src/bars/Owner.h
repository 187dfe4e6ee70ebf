// Owner creation: the three archetypes, their ratings and starting money,
// and what creating the owner resets in the record.
#pragma once

#include "core/GameState.h"
#include "core/Voice.h"

#include <cstdint>
#include <string_view>

namespace tavo {

enum Rating : std::int32_t { kPoor = 1, kAverage = 2, kVeryGood = 3 };

struct Archetype {
    std::int32_t ownerType; // 1 business man, 2 cool dude, 3 the woman
    std::int32_t credibility;
    std::int32_t knowledge;
    double money;
};

inline constexpr Archetype kArchetypes[3] = {
    {1, kVeryGood, kPoor, 90000},
    {2, kPoor, kVeryGood, 75000},
    {3, kAverage, kAverage, 85000},
};

inline constexpr int kOwnerNameLength = 29;

// The word a rating is shown as: "Poor", "Average", "Very Good".
const char* ratingWord(std::int32_t rating);

// A radio click: ownerType, credibility, knowledge and money of the
// archetype (1..3), replacing any earlier choice.
void chooseArchetype(GameState& state, std::int32_t ownerType);

// Create: an empty name is refused ("You must enter a owner name.") and
// changes nothing; otherwise the name (cut to 29 characters) is stored, the
// counters of a new game reset, and true tells the map to open.
bool createOwner(GameState& state, std::string_view typedName, Voice& voice);

} // namespace tavo
