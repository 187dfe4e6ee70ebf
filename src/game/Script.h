// Action scripts for tavo-sim: the words of each line, the commands they
// make, and the check of every line's form before anything is played.
#pragma once

#include <iosfwd>
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
// may hold blanks, "" is the empty word, and there are no escapes. Throws
// ScriptError (with line 0) for an unclosed quote or a quote inside a word.
std::vector<ScriptWord> splitWords(std::string_view line);

// Reads a whole script, one command a line (blank lines and lines whose
// first non-blank character is # are skipped), and checks the form of every
// line: a known command, the right number of words, each word what the
// command expects. Throws ScriptError at the first line that is not.
std::vector<ScriptCommand> readScript(std::istream& in);

// A word checked as a whole decimal number; beyond the range it saturates
// (nothing the game offers is that far down a list).
long long wholeNumber(std::string_view digits);

} // namespace tavo
