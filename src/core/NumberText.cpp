#include "core/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tavo {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string quoted(std::string_view text) {
    std::string message = "'";
    message.append(text);
    message += '\'';
    return message;
}

// Rewrites a decimal text into the plain form std::from_chars reads
// ("-12.5e3"), or nothing when the text is not a number.
std::optional<std::string> canonicalDecimal(std::string_view text, char separator) {
    text = trimmed(text);
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    int digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        out += text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == separator) {
        ++i;
        out += '.';
        while (i < text.size() && isDigit(text[i])) {
            out += text[i++];
            ++digits;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        out += 'e';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-') out += '-';
            ++i;
        }
        int expDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            out += text[i++];
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return out;
}

} // namespace

std::optional<std::int32_t> tryToInteger(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

const char* const kNotAnInteger = N_("%1 is not a valid integer value");
const char* const kNotADecimal = N_("%1 is not a valid floating point value");

std::int32_t toInteger(std::string_view text) {
    if (auto value = tryToInteger(text)) return *value;
    throw ConversionError({kNotAnInteger, {asIs(quoted(text))}});
}

std::optional<double> tryToDecimal(std::string_view text, const NumberFormat& format) {
    auto plain = canonicalDecimal(text, format.decimalSeparator);
    if (!plain) return std::nullopt;
    double value = 0;
    auto [end, error] = std::from_chars(plain->data(), plain->data() + plain->size(), value);
    if (error != std::errc() || end != plain->data() + plain->size()) return std::nullopt;
    return value;
}

double toDecimal(std::string_view text, const NumberFormat& format) {
    if (auto value = tryToDecimal(text, format)) return *value;
    throw ConversionError({kNotADecimal, {asIs(quoted(text))}});
}

std::string formatGeneral(double value, const NumberFormat& format) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0"; // also for -0
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::general, 15);
    std::string_view raw(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    std::string out;
    std::size_t exponent = raw.find('e');
    std::string_view mantissa = raw.substr(0, exponent);
    for (char c : mantissa)
        out += c == '.' ? format.decimalSeparator : c;
    if (exponent != std::string_view::npos) {
        out += 'E';
        std::string_view digits = raw.substr(exponent + 1);
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            if (digits.front() == '-') out += '-';
            digits.remove_prefix(1);
        }
        while (digits.size() > 1 && digits.front() == '0')
            digits.remove_prefix(1);
        out.append(digits);
    }
    return out;
}

} // namespace tavo
