// Texts kept in fixed char buffers inside records: always read with a bound
// (a damaged file may hold no NUL) and written cut to fit with a NUL.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace tavo {

template <std::size_t N>
std::string fixedText(const char (&buffer)[N]) {
    return std::string(buffer, strnlen(buffer, N));
}

// Stores at most N-1 characters; the bytes after the text become NUL.
template <std::size_t N>
void setFixedText(char (&buffer)[N], std::string_view text) {
    std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memset(buffer, 0, N);
    std::memcpy(buffer, text.data(), length);
}

} // namespace tavo
