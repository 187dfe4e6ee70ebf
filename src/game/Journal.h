// A game's journal: the commands that made it, in the script's language,
// with the days that passed between them and what the run read from outside
// (the generator's state at the start, the number format, the lists, the
// clock's readings). Played again by `tavo-sim --replay`, it makes the same
// game byte for byte.
#pragma once

#include "game/Script.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// A command as one line of a script: its name, its words (a TEXT word in
// double quotes, a quote inside it doubled) and its answers.
std::string commandLine(const ScriptCommand& command);

class Journal {
public:
    // No game: nothing is kept until the next start.
    void clear();
    // A game begins: a new one, or the save of `loadedSha256` loaded.
    void begin(const std::string& opening);
    bool started() const { return !text_.empty(); }

    void add(const std::string& line);
    void add(const ScriptCommand& command) { add(commandLine(command)); }
    // One game day run by the clock with no fire: kept as "days N" with the
    // days around it.
    void addDay() {
        if (started()) ++pendingDays_;
    }
    // The clock read `seconds` for the command about to be written.
    void readClock(std::int64_t seconds);

    // The whole journal so far.
    std::string text() const;

private:
    void flushDays();

    std::string text_;
    long long pendingDays_ = 0;
    std::optional<std::int64_t> lastTime_;
};

} // namespace tavo
