// What the player does about investments at Invest Bank and German Bank:
// opening the investment form with its maximum, the plans and the total,
// starting an investment, and taking the money back.
#pragma once

#include "core/GameState.h"
#include "core/NumberText.h"
#include "core/Voice.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavo {

struct InvestPlan {
    std::int16_t years;
    float rate;
    const char* caption; // "5 years investment at 10% per year"
};

struct InvestTerms {
    InvestPlan plans[2];    // the shorter, then the longer
    std::int32_t reserve;   // what must stay in cash
    double charge;          // taken from the value on an early withdrawal
    const char* chargeLine; // the rules text's line about the charge
};

// Invest Bank's and German Bank's terms; nullptr for the others.
const InvestTerms* investTerms(int bank);

// "Make an Investment": the most that may be put in (the money less the
// reserve, cut to a whole number), or "You don't have engough money to
// invest" and nothing when that is not above 0.
std::optional<std::int32_t> investmentMaximum(const GameState& state, int bank, Voice& voice);

// The form's total for what the investment box holds. Empty, or a whole
// number below 1: the box is emptied and the total stays. Otherwise the
// amount plus amount x rate x years (the interest held as a 32-bit float).
// A text that is not a whole number throws ConversionError.
struct InvestTotal {
    bool emptyBox = false;
    std::optional<double> total;
};
InvestTotal investmentTotal(std::string_view boxText, const InvestPlan& plan);

// "Invest the money": refused while the bank already runs an investment
// ("You already have an investment here."); the box read as a whole
// number (ConversionError); refused when not below the maximum shown
// ("You don't have engouth money"); else started. True when started (the
// form closes).
bool startInvestment(GameState& state, int bank, std::string_view boxText, std::int32_t maximum,
                     const InvestPlan& plan, Voice& voice);

// "Investment refund": asked first; early, the value less the bank's
// charge, else the whole value, goes to the money and the investment ends.
// True when the money was taken back.
bool withdrawInvestment(GameState& state, int bank, Voice& voice);

} // namespace tavo
