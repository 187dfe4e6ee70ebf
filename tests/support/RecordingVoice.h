// The voice of the engine tests: records every message and question, and
// answers questions from a queue (No when it is empty).
#pragma once

#include "core/Voice.h"

#include <deque>
#include <ostream>
#include <string>
#include <vector>

namespace tavo {

// How a failed check shows words.
inline void PrintTo(const Words& words, std::ostream* out) {
    *out << '"' << words.text() << "\" titled \"" << words.title << "\", icon "
         << static_cast<int>(words.icon);
}

} // namespace tavo

namespace tavo::test {

class RecordingVoice final : public Voice {
public:
    struct Said {
        Words words;
        bool question = false;
    };

    void say(const Words& words) override { said.push_back({words, false}); }
    bool ask(const Words& words) override {
        said.push_back({words, true});
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    // The texts said and asked, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const Said& one : said)
            all.push_back(one.words.text());
        return all;
    }

    // The one thing said, or words naming how many were said.
    Words only() const {
        return said.size() == 1 ? said[0].words : Words{std::to_string(said.size()) + " said"};
    }

    std::vector<Said> said;
    std::deque<bool> answers;
};

} // namespace tavo::test
