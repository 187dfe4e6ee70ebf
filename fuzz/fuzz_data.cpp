// libFuzzer target: tavo-data's text formats (see Inputs.h). A source that
// builds makes a list the game reads back whole, and its text, dumped and
// built again, makes the same bytes.

#include "tools/DataText.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace tavo;

template <typename Entry>
std::string bytesOf(const std::vector<Entry>& entries) {
    return {reinterpret_cast<const char*>(entries.data()), entries.size() * sizeof(Entry)};
}

template <typename Entry, typename Parse, typename Format>
void check(const std::string& source, Parse parse, Format format) {
    std::vector<Entry> entries;
    try {
        entries = parse(source);
    } catch (const data::TextError&) {
        return; // a mistake, named with its line
    }
    const std::string bytes = bytesOf(entries);
    RecordList<Entry> list;
    if (!list.loadFromBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) ||
        list.count() != static_cast<int>(entries.size()))
        std::abort(); // built, but the game refuses it
    if (bytesOf(parse(format(entries))) != bytes) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string source(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        check<DrinkListEntry>(source, data::parseDrinks, data::formatDrinks);
    else
        check<BarListEntry>(source, data::parseBars, data::formatBars);
    return 0;
}
