#include "game/Replay.h"

#include "core/Sha256.h"

#include <vector>

namespace tavo {
namespace {

// What a journal read from outside the game, on the lines after its opening.
bool opensJournal(const std::string& name) {
    return name == "seed" || name == "decimal" || name == "lists" || name == "reels" ||
           name == "commentary";
}

} // namespace

void replayJournal(std::string_view text, Session& session, ScriptPlayer& player,
                   const std::optional<std::string>& startSave) {
    std::vector<ScriptCommand> opening;
    bool reading = true;
    forEachCommand(text, [&](const ScriptCommand& command) {
        if (opening.empty() && command.name != "journal")
            throw ScriptError(command.line,
                              "a journal opens with 'journal new' or 'journal load SHA256'");
        if (reading && (opening.empty() || opensJournal(command.name)))
            opening.push_back(command);
        else
            reading = false;
    });
    if (opening.empty()) throw ScriptError(1, "the journal is empty");
    const ScriptCommand& first = opening.front();
    const bool fromSave = first.args.front().text == "load";
    if (fromSave && !startSave)
        throw ReplayRefused("the journal starts from a save: give it with --load START.sav");
    if (!fromSave && startSave)
        throw ReplayRefused("the journal starts a new game: --load START.sav is not used");
    for (std::size_t i = 1; i < opening.size(); ++i)
        player.play(opening[i]);
    if (fromSave) {
        const LoadResult loaded = session.load(*startSave);
        if (!loaded.ok()) throw ReplayRefused(*startSave + " refused: " + loaded.reason);
        const GameState& state = session.game().state;
        const std::string sha = sha256Hex(&state, sizeof state);
        if (sha != first.args[1].text)
            throw ReplayRefused(*startSave +
                                " is not the save the journal starts from (its "
                                "SHA-256 is " +
                                sha + ", the journal's " + first.args[1].text + ")");
    }
    std::size_t skipped = 0;
    forEachCommand(text, [&](const ScriptCommand& command) {
        if (skipped < opening.size()) {
            ++skipped;
            return;
        }
        player.play(command);
    });
}

} // namespace tavo
