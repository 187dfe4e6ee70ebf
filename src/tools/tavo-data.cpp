// tavo-data: builds the game's list files from their readable sources, and
// shows any list file as text.
//   tavo-data build SOURCE.txt OUTPUT.bar|OUTPUT.drk
//   tavo-data dump FILE.bar|FILE.drk

#include "core/FileIo.h"
#include "tools/DataText.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

// Far longer than any list's source.
constexpr std::size_t kMostSourceBytes = 16u << 20;

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

template <typename Entry>
void writeList(const std::string& path, const std::vector<Entry>& entries) {
    std::string reason;
    if (!tavo::writeFileAtomically(path, entries.data(), entries.size() * sizeof(Entry), &reason))
        throw tavo::data::TextError(reason);
}

template <typename Entry>
std::vector<Entry> readList(const std::string& path) {
    tavo::RecordList<Entry> list;
    std::string problem;
    if (!list.loadFromFile(path, &problem))
        throw tavo::data::TextError("cannot read the list: " + problem);
    std::vector<Entry> entries;
    for (int i = 0; i < list.count(); ++i)
        entries.push_back(*list.at(i));
    return entries;
}

int usage() {
    std::cerr << "usage: tavo-data build SOURCE.txt OUTPUT.bar|OUTPUT.drk\n"
                 "       tavo-data dump FILE.bar|FILE.drk\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    try {
        if (command == "build" && argc == 4) {
            const std::string input = argv[2];
            const tavo::FileRead read = tavo::readRegularFile(input, kMostSourceBytes + 1);
            if (!read.ok) throw tavo::data::TextError(read.reason);
            if (read.fileSize > kMostSourceBytes)
                throw tavo::data::TextError(input + " is longer than 16 MiB");
            const std::string source(read.bytes.begin(), read.bytes.end());
            const std::string output = argv[3];
            if (!endsWith(output, ".bar") && !endsWith(output, ".drk")) return usage();
            // Every record is read and checked before anything is written.
            const auto parsed = [&](auto parse) {
                try {
                    return parse(source);
                } catch (const tavo::data::TextError& error) {
                    throw tavo::data::TextError(input + ": " + error.what());
                }
            };
            if (endsWith(output, ".bar"))
                writeList(output, parsed(tavo::data::parseBars));
            else
                writeList(output, parsed(tavo::data::parseDrinks));
            return 0;
        }
        if (command == "dump" && argc == 3) {
            const std::string file = argv[2];
            if (endsWith(file, ".bar"))
                std::cout << tavo::data::formatBars(readList<tavo::BarListEntry>(file));
            else if (endsWith(file, ".drk"))
                std::cout << tavo::data::formatDrinks(readList<tavo::DrinkListEntry>(file));
            else
                return usage();
            return 0;
        }
    } catch (const tavo::data::TextError& error) {
        std::cerr << "tavo-data: " << error.what() << "\n";
        return 1;
    }
    return usage();
}
