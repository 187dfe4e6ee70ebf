#include "tools/DataText.h"

#include "core/FixedText.h"
#include "core/NumberText.h"

#include <optional>
#include <sstream>

namespace tavo::data {
namespace {

// One character of UTF-8 text at `at`: its code point and its length in
// bytes, or nothing where the bytes are not UTF-8.
struct Character {
    char32_t code = 0;
    std::size_t length = 1;
};

std::optional<Character> decode(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return Character{lead, 1};
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > text.size()) return std::nullopt;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return Character{code, length};
}

// A character a terminal acts on instead of showing: C0, DEL and C1.
bool isControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

std::string escaped(unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    return {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
}

// UTF-8 text as a message may echo it: a control character, or a byte that
// is not UTF-8, written as \xNN.
std::string shown(const std::string& text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<Character> c = decode(text, at);
        const std::size_t length = c ? c->length : 1;
        if (c && !isControl(c->code))
            out += text.substr(at, length);
        else
            for (std::size_t i = 0; i < length; ++i)
                out += escaped(static_cast<unsigned char>(text[at + i]));
        at += length;
    }
    return out;
}

std::string lineError(int line, const std::string& text) {
    return "line " + std::to_string(line) + ": " + text;
}

// A field of the UTF-8 source as the game's lists hold it, one byte a
// character (ISO 8859-1, as the windows read the lists). Refused, with its
// line: bytes that are not UTF-8, a control character, a character the
// lists cannot hold.
std::string listText(const std::string& field, int line, const char* what) {
    std::string out;
    for (std::size_t at = 0; at < field.size();) {
        const std::optional<Character> c = decode(field, at);
        if (!c)
            throw TextError(lineError(line, std::string("the ") + what + " '" + shown(field) +
                                                "' is not UTF-8 text"));
        if (isControl(c->code))
            throw TextError(lineError(line, std::string("the ") + what + " '" + shown(field) +
                                                "' holds a control character"));
        if (c->code > 0xFF)
            throw TextError(lineError(line, std::string("the ") + what + " '" + shown(field) +
                                                "' holds '" + field.substr(at, c->length) +
                                                "', which the game's lists cannot hold"));
        out += static_cast<char>(c->code);
        at += c->length;
    }
    return out;
}

// A text of a list (one byte a character) as the source writes it: UTF-8,
// a control character written as \xNN, so that a dump never drives the
// terminal it is shown on.
template <std::size_t N>
std::string sourceText(const char (&buffer)[N]) {
    std::string out;
    for (const char c : fixedText(buffer)) {
        const auto byte = static_cast<unsigned char>(c);
        if (isControl(byte))
            out += escaped(byte);
        else if (byte < 0x80)
            out += c;
        else
            out += {static_cast<char>(0xC0 | byte >> 6), static_cast<char>(0x80 | (byte & 0x3F))};
    }
    return out;
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The lines that hold a record, each split into its trimmed fields.
std::vector<std::pair<int, std::vector<std::string>>> records(const std::string& text,
                                                              std::size_t fields) {
    std::vector<std::pair<int, std::vector<std::string>>> all;
    // A byte-order mark, as some editors begin UTF-8, is no part of line 1.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::istringstream lines(text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size())
                                                              : text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const std::string content = trim(line);
        if (content.empty() || content[0] == '#') continue;
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (;;) {
            const auto bar = content.find('|', start);
            parts.push_back(trim(content.substr(start, bar - start)));
            if (bar == std::string::npos) break;
            start = bar + 1;
        }
        if (parts.size() != fields)
            throw TextError("line " + std::to_string(number) + ": " + std::to_string(fields) +
                            " fields expected, " + std::to_string(parts.size()) + " found");
        all.emplace_back(number, parts);
    }
    return all;
}

std::int32_t whole(const std::string& field, int line) {
    if (auto value = tryToInteger(field)) return *value;
    throw TextError(lineError(line, "'" + shown(field) + "' is not a whole number"));
}

template <std::size_t N>
void text(char (&buffer)[N], const std::string& field, int line, const char* what) {
    const std::string held = listText(field, line, what);
    if (held.empty() || held.size() > N - 1)
        throw TextError(lineError(line, std::string("the ") + what + " '" + field +
                                            "' must have 1 to " + std::to_string(N - 1) +
                                            " characters"));
    setFixedText(buffer, held);
}

// A list may hold no more records than the game reads from a list file.
template <typename Entry>
void checkRoom(const std::vector<Entry>& entries, int line, const char* what) {
    constexpr std::size_t kMost = RecordList<Entry>::kMaxEntries;
    if (entries.size() == kMost)
        throw TextError("line " + std::to_string(line) + ": more than " + std::to_string(kMost) +
                        " " + what + " are listed, more than the game reads");
}

} // namespace

std::vector<BarListEntry> parseBars(const std::string& source) {
    std::vector<BarListEntry> bars;
    for (const auto& [line, f] : records(source, 6)) {
        checkRoom(bars, line, "bars");
        BarListEntry bar{};
        text(bar.name, f[0], line, "name");
        bar.price = whole(f[1], line);
        bar.costPerMonth = whole(f[2], line);
        bar.peoplePerDay = whole(f[3], line);
        bar.classMask = whole(f[4], line);
        bar.maxClients = whole(f[5], line);
        bars.push_back(bar);
    }
    if (bars.empty()) throw TextError("no bar is listed");
    return bars;
}

std::vector<DrinkListEntry> parseDrinks(const std::string& source) {
    std::vector<DrinkListEntry> drinks;
    for (const auto& [line, f] : records(source, 5)) {
        checkRoom(drinks, line, "drinks");
        DrinkListEntry drink{};
        text(drink.name, f[0], line, "name");
        text(drink.retailPrice, f[1], line, "retail price");
        // The game reads the price under the player's decimal separator,
        // a point or a comma.
        if (!tryToDecimal(f[1], NumberFormat{'.'}) && !tryToDecimal(f[1], NumberFormat{','}))
            throw TextError(lineError(line, "the retail price '" + f[1] + "' is not a number"));
        text(drink.weight, f[2], line, "weight");
        text(drink.alcohol, f[3], line, "alcohol");
        if (f[4] == "beer")
            drink.kind = 0;
        else if (f[4] == "shooter")
            drink.kind = 1;
        else
            drink.kind = whole(f[4], line);
        drinks.push_back(drink);
    }
    if (drinks.empty()) throw TextError("no drink is listed");
    return drinks;
}

std::string formatBars(const std::vector<BarListEntry>& bars) {
    std::string out =
        "# name | price | cost per month | people per day | class mask | maximum clients\n";
    for (const BarListEntry& bar : bars)
        out += sourceText(bar.name) + " | " + std::to_string(bar.price) + " | " +
               std::to_string(bar.costPerMonth) + " | " + std::to_string(bar.peoplePerDay) + " | " +
               std::to_string(bar.classMask) + " | " + std::to_string(bar.maxClients) + "\n";
    return out;
}

std::string formatDrinks(const std::vector<DrinkListEntry>& drinks) {
    std::string out =
        "# name | retail price | weight (oz) | alcohol (%) | kind (beer or shooter)\n";
    for (const DrinkListEntry& drink : drinks) {
        const std::string kind = drink.kind == 0   ? "beer"
                                 : drink.kind == 1 ? "shooter"
                                                   : std::to_string(drink.kind);
        out += sourceText(drink.name) + " | " + sourceText(drink.retailPrice) + " | " +
               sourceText(drink.weight) + " | " + sourceText(drink.alcohol) + " | " + kind + "\n";
    }
    return out;
}

} // namespace tavo::data
