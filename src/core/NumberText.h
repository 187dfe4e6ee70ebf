// Numbers typed by the player and the price texts of the drinks list:
// strict conversion under the running system's decimal separator, and the
// general number format in which the game shows money.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/Voice.h"

namespace tavo {

struct NumberFormat {
    char decimalSeparator = '.';
};

// A text that does not convert. Its message is the one the player sees.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(Phrase words)
        : std::runtime_error(words.text()), phrase(std::move(words)) {}
    Phrase phrase;
};

// Whole number: optional sign and decimal digits, surrounding blanks
// allowed, within the 32-bit range. Throws ConversionError
// ("'%s' is not a valid integer value").
std::int32_t toInteger(std::string_view text);
std::optional<std::int32_t> tryToInteger(std::string_view text);

// Decimal number: optional sign, digits with at most one decimal separator
// (the format's, never another), optional exponent. Throws ConversionError
// ("'%s' is not a valid floating point value").
double toDecimal(std::string_view text, const NumberFormat& format);
std::optional<double> tryToDecimal(std::string_view text, const NumberFormat& format);

// Up to 15 significant digits, trailing zeros dropped, the separator only
// when a fraction remains, exponent form from 1E15 on: 90000, 12345.5, -250.
std::string formatGeneral(double value, const NumberFormat& format);

} // namespace tavo
