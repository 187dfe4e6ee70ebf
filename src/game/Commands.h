// Every player action as one command: its name (the script's word), the
// words it takes, a check that says whether the windows offer it at that
// moment, and the action, which speaks through the voice. A whole visit to
// a window is one command of the script; a window that changes the game
// part-way through a visit gives the finer commands each step makes.
// The script player reads its lines into these commands and the windows
// build them from their controls, so each flow is written once, here.
#pragma once

#include "banks/Fire.h"
#include "game/GameDay.h"
#include "game/Script.h"
#include "leisure/SpinCash.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

class Session;
class Voice;
struct Game;

// What a command's action answered, for the window that gave it.
struct CommandResult {
    bool ran = false;                      // false: the check refused it, and `refusal` says why
    std::string refusal;                   // as a script error says it
    int value = 0;                         // the action's answer: see each command
    bool stopped = false;                  // a number that did not convert ended it (and was said)
    std::optional<SpinResult> spin;        // spin-step: a spin that ended
    std::optional<FireOutcome> fire;       // fire: the bar that burned
    std::array<std::int32_t, 6> numbers{}; // lotto-pick: the six numbers drawn
    std::optional<DayOutcome> day;         // day
    std::optional<double> paid;            // place-order, order: what the drinks ordered cost
};

// The check refused the command: nothing has changed.
class CommandRefused : public std::runtime_error {
public:
    explicit CommandRefused(const std::string& reason) : std::runtime_error(reason) {}
};

// A line's words read as the command they name, each word checked against
// what the command takes. Throws ScriptError (at `line`) when they are not.
ScriptCommand readCommand(int line, const std::vector<ScriptWord>& words);

// A command as a window gives it: `text` words are typed into boxes and
// never read as keywords.
ScriptWord word(std::string text);
ScriptWord typed(std::string text);
ScriptCommand command(std::string name, std::vector<ScriptWord> args = {});

// Runs the command's check and action; for the session, which journals it.
CommandResult runCommand(Session& session, const ScriptCommand& command, Voice& voice);
// Whether the command writes its own line into the journal (`time`), or
// begins a journal (`new-game`, `journal`).
bool journalsItself(const ScriptCommand& command);
bool beginsJournal(const ScriptCommand& command);

// The SHA-256 of the bars list's records and of the drinks list's, as the
// journal's `lists` names them.
std::string listsSha(const Game& game);

// The music letters in the order of the setup window's boxes.
inline constexpr std::string_view kMusicLetters = "atdmr";

} // namespace tavo
