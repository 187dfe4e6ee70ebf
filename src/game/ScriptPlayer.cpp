#include "game/ScriptPlayer.h"

#include <ostream>

namespace tavo {

void ScriptPrinter::line(const char* lead, const std::string& text) {
    std::string shown = lead;
    for (char c : text) {
        if (c == '\n')
            shown += "\\n";
        else
            shown += c;
    }
    out_ << shown << '\n';
}

void ScriptPrinter::post(const Phrase& text) {
    if (heard) heard(text, "");
    line("", text.text());
}

void ScriptPrinter::say(const Words& words) {
    if (heard) heard(words.phrase, words.title);
    line("> ", words.text());
}

bool ScriptPrinter::ask(const Words& words) {
    if (heard) heard(words.phrase, words.title);
    line("? ", words.text());
    if (answers.empty()) return true;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

void ScriptPrinter::sayError(const Phrase& text) {
    if (heard) heard(text, kAppTitle);
    line("> ", text.text());
}

ScriptPlayer::ScriptPlayer(Session& session, std::ostream& out) : session_(session), printer_(out) {
    session_.listen(this);
}

ScriptPlayer::~ScriptPlayer() {
    session_.forget(this);
}

void ScriptPlayer::play(const std::vector<ScriptCommand>& commands) {
    for (const ScriptCommand& command : commands)
        play(command);
}

void ScriptPlayer::play(const ScriptCommand& command) {
    printer_.answers.assign(command.answers.begin(), command.answers.end());
    const CommandResult result = session_.run(command, printer_);
    if (!result.ran) throw ScriptError(command.line, result.refusal);
    if (const std::size_t left = printer_.answers.size(); left > 0) {
        const std::size_t asked = command.answers.size() - left;
        throw ScriptError(command.line,
                          std::to_string(left) + " answer word" + (left == 1 ? " was" : "s were") +
                              " left over: the command asked " + std::to_string(asked) +
                              " question" + (asked == 1 ? "" : "s"));
    }
}

} // namespace tavo
