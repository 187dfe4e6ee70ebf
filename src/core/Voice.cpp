#include "core/Voice.h"

namespace tavo {

std::string fillPlaces(std::string_view pattern, const std::vector<std::string>& texts) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const auto place = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (place < texts.size()) {
                out += texts[place];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string Phrase::text() const {
    if (args.empty()) return pattern;
    std::vector<std::string> texts;
    texts.reserve(args.size());
    for (const Phrase& arg : args)
        texts.push_back(arg.text());
    return fillPlaces(pattern, texts);
}

} // namespace tavo
