#include "core/Autosave.h"

#include "core/FixedText.h"
#include "core/SaveFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tavo {
namespace {

// FNV-1a, 64 bits: the same name and start give the same tag on every
// machine and in every run.
std::uint64_t hashOf(std::string_view owner, std::int64_t start) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001b3u;
    };
    for (const char c : owner)
        mix(static_cast<unsigned char>(c));
    mix(0); // the name's end: "ab" begun at 1 is not "a" begun at another time
    for (int i = 0; i < 8; ++i)
        mix(static_cast<unsigned char>(static_cast<std::uint64_t>(start) >> (8 * i)));
    return hash;
}

} // namespace

std::string autosaveName(std::string_view ownerName, std::int64_t gameStart) {
    std::string owner(ownerName);
    for (char& c : owner) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!kept) c = '_';
    }
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x",
                  static_cast<unsigned>(hashOf(ownerName, gameStart) & 0xffffffffu));
    return "autosave-" + owner + "-" + tag;
}

std::string autosavePath(const std::string& folder, std::string_view ownerName,
                         std::int64_t gameStart, int n) {
    return (std::filesystem::path(folder) /
            (autosaveName(ownerName, gameStart) + "-" + std::to_string(n) + ".sav"))
        .string();
}

Phrase autosaveFailure(const std::string& folder) {
    return {N_("The game could not save itself in %1."), {asIs(folder)}};
}

bool autosave(const std::string& folder, const GameState& state, const FinanceHistory& history,
              std::string_view journal) {
    namespace fs = std::filesystem;
    const std::string owner = fixedText(state.ownerName);
    const auto path = [&](int n) { return autosavePath(folder, owner, history.gameStart, n); };
    // Hidden, so that no load dialog offers a half-made turn, and a name of
    // this save's own, so that two games in one folder never write one file.
    const std::string next = makeTemporaryBeside(path(1));
    if (next.empty()) return false;
    if (!saveGame(next, state)) {
        std::remove(next.c_str());
        return false;
    }
    saveHistory(next, history, state); // a game without its history or journal still loads
    writeSidecarFile(next, journalPath(next), journal.data(), journal.size());
    std::error_code ignored;
    for (int n = kAutosavesKept - 1; n >= 1; --n) {
        fs::rename(path(n), path(n + 1), ignored);
        fs::rename(historyPath(path(n)), historyPath(path(n + 1)), ignored);
        fs::rename(journalPath(path(n)), journalPath(path(n + 1)), ignored);
    }
    std::error_code failed;
    fs::rename(next, path(1), failed);
    fs::rename(historyPath(next), historyPath(path(1)), ignored);
    fs::rename(journalPath(next), journalPath(path(1)), ignored);
    return !failed;
}

} // namespace tavo
