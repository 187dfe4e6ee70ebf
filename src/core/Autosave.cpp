#include "core/Autosave.h"

#include "core/FixedText.h"
#include "core/SaveFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tavo {

std::string autosavePath(const std::string& folder, std::string_view ownerName, int n) {
    std::string owner(ownerName);
    for (char& c : owner) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!kept) c = '_';
    }
    return (std::filesystem::path(folder) /
            ("autosave-" + owner + "-" + std::to_string(n) + ".sav"))
        .string();
}

Phrase autosaveFailure(const std::string& folder) {
    return {N_("The game could not save itself in %1."), {asIs(folder)}};
}

bool autosave(const std::string& folder, const GameState& state, const FinanceHistory& history,
              std::string_view journal) {
    namespace fs = std::filesystem;
    const std::string owner = fixedText(state.ownerName);
    // Hidden, so that no load dialog offers a half-made turn, and a name of
    // this save's own, so that two games in one folder never write one file.
    const std::string next = makeTemporaryBeside(autosavePath(folder, owner, 1));
    if (next.empty()) return false;
    if (!saveGame(next, state)) {
        std::remove(next.c_str());
        return false;
    }
    saveHistory(next, history, state); // a game without its history or journal still loads
    writeFileAtomically(journalPath(next), journal.data(), journal.size());
    std::error_code ignored;
    for (int n = kAutosavesKept - 1; n >= 1; --n) {
        fs::rename(autosavePath(folder, owner, n), autosavePath(folder, owner, n + 1), ignored);
        fs::rename(historyPath(autosavePath(folder, owner, n)),
                   historyPath(autosavePath(folder, owner, n + 1)), ignored);
        fs::rename(journalPath(autosavePath(folder, owner, n)),
                   journalPath(autosavePath(folder, owner, n + 1)), ignored);
    }
    std::error_code failed;
    fs::rename(next, autosavePath(folder, owner, 1), failed);
    fs::rename(historyPath(next), historyPath(autosavePath(folder, owner, 1)), ignored);
    fs::rename(journalPath(next), journalPath(autosavePath(folder, owner, 1)), ignored);
    return !failed;
}

} // namespace tavo
