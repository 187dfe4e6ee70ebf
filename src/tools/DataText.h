// The shipped lists as readable text: one record per line, fields between
// "|", "#" for comments. tavo-data builds the binary list files from it and
// dumps any list file back to it.
#pragma once

#include "bars/BarList.h"
#include "bars/DrinkList.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tavo::data {

class TextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws TextError naming the line when a field is missing, not a number
// (a drink's retail price included), or too long for its record, when the
// text lists nothing, and at the record past the most a list file may hold
// (RecordList::kMaxEntries).
std::vector<BarListEntry> parseBars(const std::string& text);
std::vector<DrinkListEntry> parseDrinks(const std::string& text);

std::string formatBars(const std::vector<BarListEntry>& bars);
std::string formatDrinks(const std::vector<DrinkListEntry>& drinks);

} // namespace tavo::data
