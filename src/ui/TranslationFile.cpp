#include "ui/TranslationFile.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <set>

namespace tavo::ui {
namespace {

constexpr unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                      0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// The file's sections, as lrelease writes them.
enum Section : unsigned char {
    Contexts = 0x2f,
    Hashes = 0x42,
    Messages = 0x69,
    PluralRules = 0x88,
    Dependencies = 0x96,
    Language = 0xa7,
};

// The fields of a message.
enum Field : unsigned char {
    End = 1,
    Translation = 3, // UTF-16, an even number of bytes
    Obsolete = 5,    // four bytes
    Source = 6,
    Context = 7,
    Comment = 8,
};

constexpr std::uint32_t kNullTranslation = 0xffffffff;

// Longer plural rules or language names than any language has.
constexpr std::uint32_t kMostRuleBytes = 256;
constexpr std::uint32_t kMostLanguageBytes = 64;

std::uint32_t bigEndian(const unsigned char* at) {
    return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
           at[3];
}

// Reads the messages, each a run of fields up to its end mark, each field
// wholly inside the section; their starts go to `starts`.
std::string messagesFault(const unsigned char* data, std::uint32_t size,
                          std::set<std::uint32_t>& starts) {
    std::uint32_t at = 0;
    while (at < size) {
        starts.insert(at);
        for (bool ended = false; !ended;) {
            if (at >= size) return "a message runs past its section";
            const unsigned char field = data[at++];
            switch (field) {
            case End:
                ended = true;
                break;
            case Obsolete:
                if (size - at < 4) return "a message runs past its section";
                at += 4;
                break;
            case Translation:
            case Source:
            case Context:
            case Comment: {
                if (size - at < 4) return "a message runs past its section";
                const std::uint32_t length = bigEndian(data + at);
                at += 4;
                // A translation lrelease left null: Qt stops at its odd length.
                if (field == Translation && length == kNullTranslation) break;
                if (length > size - at)
                    return "a message's field of " + std::to_string(length) +
                           " bytes runs past its section";
                if (field == Translation && length % 2 != 0)
                    return "a translation holds half a character";
                at += length;
                break;
            }
            default:
                return "a message holds an unknown field " + std::to_string(field);
            }
        }
    }
    return {};
}

// Every entry of the hash table (a hash and an offset) in order of its
// hash, and pointing at a message's start.
std::string hashesFault(const unsigned char* data, std::uint32_t size,
                        const std::set<std::uint32_t>& starts) {
    if (size % 8 != 0) return "the hash table holds part of an entry";
    for (std::uint32_t at = 0; at < size; at += 8) {
        if (at > 0 && bigEndian(data + at) < bigEndian(data + at - 8))
            return "the hash table is out of order";
        if (starts.count(bigEndian(data + at + 4)) == 0)
            return "the hash table points outside the messages";
    }
    return {};
}

} // namespace

std::string translationFault(const unsigned char* data, std::size_t size) {
    if (size > kMostTranslationBytes) return "the file is longer than any translation";
    if (size < sizeof kMagic || !std::equal(std::begin(kMagic), std::end(kMagic), data))
        return "the file is not a translation";
    const unsigned char* hashes = nullptr;
    const unsigned char* messages = nullptr;
    std::uint32_t hashesSize = 0, messagesSize = 0;
    std::set<unsigned char> seen;
    for (std::size_t at = sizeof kMagic; at < size;) {
        if (size - at < 5) return "the file ends inside a section's heading";
        const unsigned char tag = data[at];
        const std::uint32_t length = bigEndian(data + at + 1);
        at += 5;
        if (length == 0 || length > size - at)
            return "a section of " + std::to_string(length) + " bytes does not fit the file";
        if (!seen.insert(tag).second) return "a section comes twice";
        switch (tag) {
        case Hashes:
            hashes = data + at;
            hashesSize = length;
            break;
        case Messages:
            messages = data + at;
            messagesSize = length;
            break;
        case PluralRules:
            if (length > kMostRuleBytes) return "the plural rules are too long";
            break;
        case Language:
            if (length > kMostLanguageBytes) return "the language's name is too long";
            break;
        case Dependencies:
            return "the translation depends on other translations";
        case Contexts:
            return "the translation has a table of contexts";
        default:
            return "the file holds an unknown section " + std::to_string(tag);
        }
        at += length;
    }
    std::set<std::uint32_t> starts;
    if (messages != nullptr)
        if (std::string fault = messagesFault(messages, messagesSize, starts); !fault.empty())
            return fault;
    if (hashes != nullptr) return hashesFault(hashes, hashesSize, starts);
    return {};
}

} // namespace tavo::ui
