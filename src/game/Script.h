// Action scripts for tavo-sim: the words of each line, the commands they
// make, and the check of every line's form before anything is played.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

struct ScriptWord {
    std::string text;
    bool quoted = false; // a quoted word is always text, never a keyword
};

struct ScriptCommand {
    int line = 0;
    std::string name;
    std::vector<ScriptWord> args; // the command's own words, after its name
    std::vector<bool> answers;    // the trailing yes (true) and no words, in order
};

// A script that cannot be played: its line and why.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& reason) : std::runtime_error(reason), line(line) {}
    int line;
};

// Splits a line into words: blanks separate them, a word in double quotes
// may hold blanks, "" is the empty word, and inside quotes a doubled quote
// stands for one (the only escape). Throws
// ScriptError (with line 0) for an unclosed quote or a quote inside a word.
std::vector<ScriptWord> splitWords(std::string_view line);

// The most lines a script may have, so that every line number is an int.
inline constexpr std::size_t kMostScriptLines = 2'000'000'000;

// Reads a script's commands in order, one command a line (blank lines and
// lines whose first non-blank character is # are skipped), checking the form
// of each line: a known command, the right number of words, each word what
// the command expects. Calls `each` with every command; throws ScriptError
// at the first line that is not one, or at the line past `mostLines`.
// Nothing is kept: a script is checked whole by one pass that does nothing
// with its commands, then played by a second.
void forEachCommand(std::string_view text, const std::function<void(const ScriptCommand&)>& each,
                    std::size_t mostLines = kMostScriptLines);

// Every command of a short script, each line's form checked.
std::vector<ScriptCommand> readScript(std::string_view text);

// A word as an error message may echo it: control characters written as
// \xNN, so that a NUL cuts nothing and no terminal sequence reaches the
// screen.
std::string printable(std::string_view word);

// A word of decimal digits alone (no sign, no blank) as a whole number;
// beyond the range it saturates (nothing the game offers is that far down a
// list). Nothing for any other word.
std::optional<long long> readWholeNumber(std::string_view word);

// A word checked as a whole decimal number, saturating; 0 for a word that is
// not one.
long long wholeNumber(std::string_view digits);

// The next character of a UTF-8 text, `i` moved past it; an invalid byte
// reads as U+FFFD.
char32_t nextCharacter(std::string_view text, std::size_t& i);

// A text typed into a box of at most maxLength characters, as the record
// keeps it: the UTF-8 cut as the box cuts it, one byte a character, '?' for
// a character one byte cannot hold.
std::string typedName(std::string_view utf8, std::size_t maxLength);

// A journal that cannot be played with these files (exit status 1).
class ReplayRefused : public std::runtime_error {
public:
    explicit ReplayRefused(const std::string& reason) : std::runtime_error(reason) {}
};

} // namespace tavo
