#include "tools/DataText.h"

#include "core/FixedText.h"
#include "core/NumberText.h"

#include <sstream>

namespace tavo::data {
namespace {

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
    std::istringstream lines(text);
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
    throw TextError("line " + std::to_string(line) + ": '" + field + "' is not a whole number");
}

template <std::size_t N>
void text(char (&buffer)[N], const std::string& field, int line, const char* what) {
    if (field.empty() || field.size() > N - 1)
        throw TextError("line " + std::to_string(line) + ": the " + what + " '" + field +
                        "' must have 1 to " + std::to_string(N - 1) + " characters");
    // A NUL would end the text early in the record, and its dump.
    if (field.find('\0') != std::string::npos)
        throw TextError("line " + std::to_string(line) + ": the " + what + " holds a NUL byte");
    setFixedText(buffer, field);
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
            throw TextError("line " + std::to_string(line) + ": the retail price '" + f[1] +
                            "' is not a number");
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
        out += fixedText(bar.name) + " | " + std::to_string(bar.price) + " | " +
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
        out += fixedText(drink.name) + " | " + fixedText(drink.retailPrice) + " | " +
               fixedText(drink.weight) + " | " + fixedText(drink.alcohol) + " | " + kind + "\n";
    }
    return out;
}

} // namespace tavo::data
