// Damage for the fuzz targets: a record brought back into what the loader
// accepts, and lists rebuilt from bytes a fuzzer changed.
#pragma once

#include "core/FileIo.h"
#include "core/GameState.h"

#include <cstddef>
#include <cstdint>

namespace tavo::fuzz {

// The same bytes with the version, every count and every value the loader
// checks brought into range; a bar's crowd at most `mostClients`, so that
// its days stay quick.
GameState loadable(const unsigned char* bytes, std::size_t size, std::int32_t mostClients);

// A list's entries as the bytes of its file.
template <typename List>
Bytes listBytes(const List& list) {
    Bytes bytes;
    for (int i = 0; i < list.count(); ++i) {
        const auto* raw = reinterpret_cast<const unsigned char*>(list.at(i));
        bytes.insert(bytes.end(), raw, raw + sizeof *list.at(i));
    }
    return bytes;
}

// The clients the open bars of the record count in a day.
std::int64_t clientsOfADay(const GameState& state);

} // namespace tavo::fuzz
