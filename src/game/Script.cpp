#include "game/Script.h"

#include "game/Commands.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace tavo {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<ScriptWord> splitWords(std::string_view line) {
    std::vector<ScriptWord> words;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size()) return words;
        ScriptWord word;
        if (line[i] == '"') {
            // Inside quotes a doubled quote stands for one.
            word.quoted = true;
            for (++i;; ++i) {
                if (i == line.size()) throw ScriptError(0, "a quote is not closed");
                if (line[i] != '"') {
                    word.text += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    word.text += '"';
                    ++i;
                } else {
                    break;
                }
            }
            i += 1;
            if (i < line.size() && !isBlank(line[i]))
                throw ScriptError(0, "a closing quote must end its word");
        } else {
            const std::size_t start = i;
            while (i < line.size() && !isBlank(line[i])) {
                if (line[i] == '"') throw ScriptError(0, "a quote may only open a word");
                ++i;
            }
            word.text = std::string(line.substr(start, i - start));
        }
        words.push_back(std::move(word));
    }
}

void forEachCommand(std::string_view text, const std::function<void(const ScriptCommand&)>& each,
                    std::size_t mostLines) {
    std::size_t lines = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view content = text.substr(at, end - at);
        at = end + 1;
        if (++lines > std::min(mostLines, kMostScriptLines))
            throw ScriptError(static_cast<int>(lines),
                              "a script has at most " + std::to_string(mostLines) + " lines");
        const int line = static_cast<int>(lines);
        if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
        const std::size_t first = content.find_first_not_of(" \t");
        if (first == std::string_view::npos || content[first] == '#') continue;
        std::vector<ScriptWord> words;
        try {
            words = splitWords(content);
        } catch (const ScriptError& error) {
            throw ScriptError(line, error.what());
        }
        each(readCommand(line, words));
    }
}

std::vector<ScriptCommand> readScript(std::string_view text) {
    std::vector<ScriptCommand> commands;
    forEachCommand(text, [&](const ScriptCommand& command) { commands.push_back(command); });
    return commands;
}

std::string printable(std::string_view word) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            shown += c;
            continue;
        }
        shown += "\\x";
        shown += kHex[byte >> 4];
        shown += kHex[byte & 15];
    }
    return shown;
}

std::optional<long long> readWholeNumber(std::string_view word) {
    unsigned long long value = 0;
    const char* const last = word.data() + word.size();
    const auto [end, error] = std::from_chars(word.data(), last, value);
    if (end != last || (error != std::errc() && error != std::errc::result_out_of_range))
        return std::nullopt;
    constexpr auto kMost = std::numeric_limits<long long>::max();
    if (error != std::errc() || value > static_cast<unsigned long long>(kMost)) return kMost;
    return static_cast<long long>(value);
}

long long wholeNumber(std::string_view digits) {
    return readWholeNumber(digits).value_or(0);
}

char32_t nextCharacter(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t value = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return value;
}

std::string typedName(std::string_view utf8, std::size_t maxLength) {
    std::string latin1;
    std::size_t units = 0; // a box counts UTF-16 units
    for (std::size_t i = 0; i < utf8.size() && units < maxLength;) {
        const char32_t c = nextCharacter(utf8, i);
        units += c > 0xFFFF ? 2 : 1;
        latin1 += c <= 0xFF ? static_cast<char>(c) : '?';
    }
    return latin1;
}

} // namespace tavo
