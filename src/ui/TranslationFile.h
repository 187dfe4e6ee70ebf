// The check a compiled translation file (.qm) passes before Qt reads it.
// Qt's reader trusts the file: it follows each message's lengths and the
// offsets of its hash table wherever they point, so that a sound file with
// one length made huge makes it read far past the file's end, and it loads
// the other translations a file names as its dependencies, so that a file
// naming itself loads itself until the stack runs out. The check reads the
// whole file and takes only what Qt then reads within the file. Plain C++,
// so that a fuzz target feeds it damaged files.
#pragma once

#include <cstddef>
#include <string>

namespace tavo::ui {

// Far more than any of the game's translations.
inline constexpr std::size_t kMostTranslationBytes = 16u << 20;

// Empty when the bytes are a translation Qt reads within bounds: the magic
// number, then sections that fill the file exactly (the language, the hash
// table, the messages, the plural rules; no dependencies), every message a
// run of complete fields ending with its end mark, and every entry of the
// hash table pointing at a message's start. Otherwise what is wrong first.
std::string translationFault(const unsigned char* data, std::size_t size);

} // namespace tavo::ui
