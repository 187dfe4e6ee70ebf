#include "game/Journal.h"

#include <algorithm>

namespace tavo {
namespace {

bool needsQuotes(const ScriptWord& word) {
    return word.quoted || word.text.empty() ||
           std::any_of(word.text.begin(), word.text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '"'; });
}

void appendWord(std::string& line, const ScriptWord& word) {
    line += ' ';
    if (!needsQuotes(word)) {
        line += word.text;
        return;
    }
    line += '"';
    for (char c : word.text) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

} // namespace

std::string commandLine(const ScriptCommand& command) {
    std::string line = command.name;
    for (const ScriptWord& word : command.args)
        appendWord(line, word);
    for (bool yes : command.answers)
        line += yes ? " yes" : " no";
    return line;
}

void Journal::clear() {
    text_.clear();
    pendingDays_ = 0;
    lastTime_.reset();
}

void Journal::begin(const std::string& opening) {
    clear();
    text_ = "# Tavo journal: tavo-sim --replay THIS --save OUT.sav [--load START.sav]\n";
    add(opening);
}

void Journal::flushDays() {
    if (pendingDays_ == 0) return;
    text_ += "days " + std::to_string(pendingDays_) + '\n';
    pendingDays_ = 0;
}

void Journal::add(const std::string& line) {
    if (text_.empty()) return;
    flushDays();
    text_ += line;
    text_ += '\n';
}

void Journal::readClock(std::int64_t seconds) {
    if (text_.empty() || lastTime_ == seconds) return;
    lastTime_ = seconds;
    add("time " + std::to_string(seconds));
}

std::string Journal::text() const {
    std::string all = text_;
    if (pendingDays_ > 0) all += "days " + std::to_string(pendingDays_) + '\n';
    return all;
}

} // namespace tavo
