// What the player does at a bank's loan windows: the request ("Make a
// loan") with its gambler test, single-request maximum and limit by
// credibility, and the refund ("Refund the loan").
#pragma once

#include "core/GameState.h"
#include "core/Voice.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavo {

struct LoanTerms {
    float rate;                    // yearly, on loanAmount
    const char* rateLine;          // the last line of the request window's text
    std::int32_t largestRequest;   // one request may not exceed it
    std::int32_t gamblerThreshold; // a gambling balance at most this is refused
    std::int32_t limits[3];        // by credibility 1, 2, 3
    const char* amountOrLimit;     // the refusal above the maximum or the limit
};

// Invest Bank's and China Cash's terms; nullptr for a bank that lends nothing.
const LoanTerms* loanTerms(int bank);

// The request window's "Your loan limit is:" when it is shown: the limit
// for the owner's credibility. Any other credibility says "Error #52...
// unexpected owner..." and gives nothing (the label keeps its text).
std::optional<std::int32_t> showLoanLimit(const GameState& state, int bank, Voice& voice);

// "Ask", in the window's order: the gambler test; the typed amount read as
// a whole number (ConversionError); an amount below 1 refused; above the
// largest request, or the loan amount plus the request above the limit
// the window shows (`limitText`, read as a whole number only when the
// maximum has passed) refused; then accepted, the money paid out and
// added to the loan. True when accepted (the window closes).
bool requestLoan(GameState& state, int bank, std::string_view typedAmount,
                 std::string_view limitText, Voice& voice);

enum class RefundOutcome {
    Refused,  // nothing changed
    TooMuch,  // nothing changed; the box shows loanLeft again
    Refunded, // part of the loan refunded
    Closed,   // the last of it: the loan is closed
};

// "Refund": the typed amount read as a whole number (ConversionError); below
// 1 refused; above what is left refused; above the money refused; else
// taken from the money and the loan, which closes when nothing is left.
RefundOutcome refundLoan(GameState& state, int bank, std::string_view typedAmount, Voice& voice);

} // namespace tavo
