#include "ui/SaveDialogs.h"

#include "core/SaveFile.h"

namespace tavo::ui {

LoadAnswer loadWithDialogs(Dialogs& dialogs, GameState& state, FinanceHistory& history,
                           const QString& cannotOpen) {
    const std::optional<QString> path = dialogs.openFile(loadGameDialog());
    if (!path) return LoadAnswer::Cancelled;
    GameState scratch{};
    const LoadResult result = loadGame(path->toStdString(), scratch);
    if (result.status == LoadStatus::CannotOpen) {
        dialogs.message(cannotOpen);
        return LoadAnswer::CannotOpen;
    }
    if (!result.ok()) {
        dialogs.messageBox(versionRefusal(), QCoreApplication::translate("tavo", "Save game error"),
                           DialogButtons::Ok, DialogIcon::Stop);
        return LoadAnswer::Refused;
    }
    state = scratch;
    history = loadHistory(path->toStdString(), state);
    return LoadAnswer::Loaded;
}

} // namespace tavo::ui
