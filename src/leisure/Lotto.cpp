#include "leisure/Lotto.h"

#include "core/Arithmetic.h"
#include "core/NumberText.h"

#include <algorithm>

namespace tavo {
namespace {

int drawLottoNumber(Random& random) {
    return random.next() % 44 + kLottoLowest;
}

int countMatches(const LottoTicket& ticket, const std::int32_t (&winning)[6]) {
    int matches = 0;
    for (std::int32_t number : ticket.numbers) {
        for (std::int32_t won : winning) {
            if (number == won) {
                ++matches;
                break;
            }
        }
    }
    return matches;
}

void payPrize(GameState& state, std::int32_t prize) {
    state.money += prize;
    state.gamblingBalance = add32(state.gamblingBalance, prize);
}

bool isJackpotReset(int r) {
    return r == 34 || r == 49 || r == 52 || r == 67 || r == 86;
}

} // namespace

void fillSixNumbers(Random& random, std::int32_t (&numbers)[6]) {
    for (int position = 0; position < 6; ++position) {
        bool repeated = true;
        while (repeated) {
            numbers[position] = drawLottoNumber(random);
            repeated = false;
            for (int earlier = 0; earlier < position; ++earlier)
                if (numbers[earlier] == numbers[position]) repeated = true;
        }
    }
}

bool lottoTicketsFull(const GameState& state) {
    return state.lottoTicketCount < 0 || state.lottoTicketCount >= kMaxLottoTickets;
}

bool buyLottoTicket(GameState& state, const std::array<std::string_view, 6>& typed, Voice& voice) {
    if (lottoTicketsFull(state)) return false;
    if (std::any_of(typed.begin(), typed.end(),
                    [](std::string_view text) { return text.empty(); })) {
        voice.say(refusal(N_("You must enter a number on each box!"), N_("Oups...")));
        return false;
    }
    LottoTicket& ticket = state.lottoTickets[state.lottoTicketCount];
    for (int box = 0; box < 6; ++box)
        ticket.numbers[box] = toInteger(typed[box]);
    bool valid = true;
    for (int box = 0; box < 6; ++box) {
        const std::int32_t number = ticket.numbers[box];
        valid = valid && number >= kLottoLowest && number <= kLottoHighest;
        for (int earlier = 0; earlier < box; ++earlier)
            valid = valid && ticket.numbers[earlier] != number;
    }
    if (!valid) {
        voice.say(refusal(N_("Check if you've enter a number between 6 and 49.\nYou can't use the "
                             "same number too."),
                          N_("Oups...")));
        return false;
    }
    state.lottoDrawPending = 1;
    state.money -= kLottoTicketPrice;
    state.gamblingBalance = sub32(state.gamblingBalance, kLottoTicketPrice);
    state.lottoTicketCount = static_cast<std::int16_t>(state.lottoTicketCount + 1);
    return true;
}

void DrawWinningNumbers(GameState& state, Random& random) {
    fillSixNumbers(random, state.lottoWinningNumbers);
}

void RunDraw(GameState& state, Random& random, MessageSink& messages) {
    if (state.lottoDrawPending) {
        int held = state.lottoTicketCount;
        for (int t = 0; t < held && t < kMaxLottoTickets; ++t) {
            switch (countMatches(state.lottoTickets[t], state.lottoWinningNumbers)) {
            case 3:
                messages.post(N_("You've got 3 numbers on 6!"));
                payPrize(state, 500);
                break;
            case 4:
                messages.post(N_("You've got 4 numbers on 6!"));
                payPrize(state, 2000);
                break;
            case 5:
                messages.post(N_("You've got 5 numbers on 6!"));
                payPrize(state, 10000);
                break;
            case 6:
                messages.post(N_("Oh my god you win the Lotto 6/49!!!"));
                payPrize(state, state.lottoJackpot);
                break;
            default:
                continue; // no prize, the jackpot stays
            }
            state.lottoJackpot = kLottoJackpotBase;
        }
        state.lottoDrawPending = 0;
        state.lottoTicketCount = 0;
    }
    int r = random.next() % 90 + 1;
    if (isJackpotReset(r)) {
        state.lottoJackpot = kLottoJackpotBase;
        return;
    }
    if (state.lottoJackpot > 30000000 && random.next() % 2 + 1 == 2)
        state.lottoJackpot = kLottoJackpotBase;
    state.lottoJackpot = add32(state.lottoJackpot, 1000000);
}

bool BuyAdminTicket(GameState& state, Random& random, std::int32_t price) {
    int slot = state.lottoTicketCount;
    if (slot < 0 || slot >= kMaxLottoTickets) return false;
    state.lottoDrawPending = 1;
    state.money -= price;
    state.gamblingBalance = sub32(state.gamblingBalance, price);
    fillSixNumbers(random, state.lottoTickets[slot].numbers);
    state.lottoTicketCount = static_cast<std::int16_t>(slot + 1);
    return true;
}

} // namespace tavo
