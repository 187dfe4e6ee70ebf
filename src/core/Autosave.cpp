#include "core/Autosave.h"

#include "core/SaveFile.h"

#include <filesystem>
#include <system_error>

namespace tavo {

std::string autosavePath(const std::string& folder, int n) {
    return (std::filesystem::path(folder) / ("autosave-" + std::to_string(n) + ".sav")).string();
}

std::string autosaveFailure(const std::string& folder) {
    return "The game could not save itself in " + folder + ".";
}

bool autosave(const std::string& folder, const GameState& state, const FinanceHistory& history) {
    namespace fs = std::filesystem;
    // Hidden, so that no load dialog offers a half-made turn.
    const std::string next = (fs::path(folder) / ".autosave-next.sav").string();
    if (!saveGame(next, state)) return false;
    saveHistory(next, history, state); // a game without its history still loads
    std::error_code ignored;
    for (int n = kAutosavesKept - 1; n >= 1; --n) {
        fs::rename(autosavePath(folder, n), autosavePath(folder, n + 1), ignored);
        fs::rename(historyPath(autosavePath(folder, n)), historyPath(autosavePath(folder, n + 1)),
                   ignored);
    }
    std::error_code failed;
    fs::rename(next, autosavePath(folder, 1), failed);
    fs::rename(historyPath(next), historyPath(autosavePath(folder, 1)), ignored);
    return !failed;
}

} // namespace tavo
