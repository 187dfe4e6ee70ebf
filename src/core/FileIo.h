// Whole-file reading and atomic whole-file writing. Every file the game
// writes goes to a temporary file in the same folder first and is renamed
// over the target, so a failed write never destroys what was there.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tavo {

using Bytes = std::vector<unsigned char>;

// Reads at most maxBytes from the start of the file; nothing when the file
// cannot be opened or read.
std::optional<Bytes> readFileBytes(const std::string& path, std::size_t maxBytes);

// Whether a file can be written beside `path` (a temporary file is made
// and removed; the file itself is not touched).
bool canWriteBeside(const std::string& path);

// Replaces the file with exactly these bytes. False (and the old file
// untouched) when the temporary file cannot be created, written or renamed.
bool writeFileAtomically(const std::string& path, const void* data, std::size_t size);

} // namespace tavo
