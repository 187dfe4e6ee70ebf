// Lotto 6/49: the weekly draw's winning numbers, the draw itself with its
// prizes and jackpot, and the tickets an administrator buys.
#pragma once

#include "core/GameState.h"
#include "core/MessageSink.h"
#include "core/Random.h"

#include <cstdint>

namespace tavo {

inline constexpr int kLottoLowest = 6;
inline constexpr int kLottoHighest = 49;
inline constexpr std::int32_t kLottoTicketPrice = 250;
inline constexpr std::int32_t kLottoJackpotBase = 1000000;

// Six different numbers from 6 to 49, each drawn again while it repeats an
// earlier one.
void fillSixNumbers(Random& random, std::int32_t (&numbers)[6]);

// Replaces the winning numbers of the coming draw (six days of seven).
void DrawWinningNumbers(GameState& state, Random& random);

// The week's draw: pays the tickets held, discards them and moves the
// jackpot on.
void RunDraw(GameState& state, Random& random, MessageSink& messages);

// An administrator's ticket of six random numbers at his price. With the
// ten tickets of a draw already held nothing is bought, drawn or charged,
// and false is returned.
bool BuyAdminTicket(GameState& state, Random& random, std::int32_t price);

} // namespace tavo
