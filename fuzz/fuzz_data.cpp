// libFuzzer target: tavo-data's text formats (see Inputs.h). A source that
// builds makes a list the game reads back whole, and its text, dumped and
// built again, makes the same bytes. A dump, of a list built or of any
// bytes the game takes for a list, never holds a control byte but its line
// ends.

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

// A dump as a terminal would take it: C0 controls but the line end, DEL,
// and C1 controls as UTF-8 writes them (0xC2 0x80 to 0xC2 0x9F).
void expectNoControl(const std::string& dump) {
    for (std::size_t i = 0; i < dump.size(); ++i) {
        const auto byte = static_cast<unsigned char>(dump[i]);
        const bool c1 = byte == 0xC2 && i + 1 < dump.size() &&
                        static_cast<unsigned char>(dump[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(dump[i + 1]) <= 0x9F;
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F || c1) std::abort();
    }
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
    const std::string dump = format(entries);
    expectNoControl(dump);
    if (bytesOf(parse(dump)) != bytes) std::abort();
}

template <typename Entry, typename Format>
void dump(const std::string& bytes, Format format) {
    RecordList<Entry> list;
    if (!list.loadFromBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
        return;
    std::vector<Entry> entries;
    for (int i = 0; i < list.count(); ++i)
        entries.push_back(*list.at(i));
    expectNoControl(format(entries));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool drinks = data[0] & 1;
    if (data[0] & 2)
        drinks ? dump<DrinkListEntry>(rest, data::formatDrinks)
               : dump<BarListEntry>(rest, data::formatBars);
    else if (drinks)
        check<DrinkListEntry>(rest, data::parseDrinks, data::formatDrinks);
    else
        check<BarListEntry>(rest, data::parseBars, data::formatBars);
    return 0;
}
