// Lotto 6/49: the player's tickets, the weekly draw's winning numbers, the
// draw itself with its prizes and jackpot, and the tickets an administrator
// buys.
#pragma once

#include "core/GameState.h"
#include "core/MessageSink.h"
#include "core/Random.h"
#include "core/Voice.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tavo {

inline constexpr int kLottoLowest = 6;
inline constexpr int kLottoHighest = 49;
inline constexpr std::int32_t kLottoTicketPrice = 250;
inline constexpr std::int32_t kLottoJackpotBase = 1000000;

// Six different numbers from 6 to 49, each drawn again while it repeats an
// earlier one.
void fillSixNumbers(Random& random, std::int32_t (&numbers)[6]);

// Whether the ten tickets of a draw are held (or a damaged count leaves no
// free slot): the Lotto window's Buy is then disabled.
bool lottoTicketsFull(const GameState& state);

// The Lotto window's Buy with the six texts typed in its boxes. An empty
// box, or a number outside 6..49 or repeated, is refused in words and
// nothing is bought. The texts are converted in order into the next free
// slot, which only a valid ticket takes; a text that does not convert
// throws ConversionError and nothing is counted or charged. The money is
// not checked. True when bought.
bool buyLottoTicket(GameState& state, const std::array<std::string_view, 6>& typed, Voice& voice);

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
