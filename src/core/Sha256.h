// SHA-256, which names the save a journal starts from and the lists it was
// played with.
#pragma once

#include <cstddef>
#include <string>

namespace tavo {

// The digest of `size` bytes as 64 lowercase hexadecimal digits.
std::string sha256Hex(const void* data, std::size_t size);

} // namespace tavo
