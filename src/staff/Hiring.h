// The hire window's rules: which candidates can be chosen, their
// self-introductions, and hiring one into the administrators' table.
#pragma once

#include "core/GameState.h"
#include "core/Voice.h"

#include <array>
#include <cstdint>

namespace tavo {

// The hire window's four choices at its show, by staff ID (entry id - 1):
// true while the candidate can be chosen, false once he is hired. An
// entry whose staff ID the roster does not know is reported ("Error #7")
// and skipped.
std::array<bool, 4> hireChoices(const GameState& state, Voice& voice);

// Details: the candidate's self-introduction, in an information message.
void sayIntroduction(std::int32_t staffId, Voice& voice);

// Hire with the candidate of this staff ID chosen (0: none, nothing
// happens). Fills entry adminCount from the roster with the player's
// settings at 0 and adds the salary to the monthly charges; nothing is
// paid now. A full table or a candidate already hired (a game loaded
// while the window stayed open) is refused in words and changes nothing.
// True when hired.
bool hireAdmin(GameState& state, std::int32_t staffId, Voice& voice);

} // namespace tavo
