#include "ui/SaveDialogs.h"

#include "core/SaveFile.h"

namespace tavo::ui {

LoadAnswer loadWithDialogs(Dialogs& dialogs, Session& session, const QString& cannotOpen) {
    const std::optional<QString> path = dialogs.openFile(loadGameDialog());
    if (!path) return LoadAnswer::Cancelled;
    const LoadResult result = session.load(path->toStdString());
    if (result.status == LoadStatus::CannotOpen) {
        dialogs.message(cannotOpen);
        return LoadAnswer::CannotOpen;
    }
    if (!result.ok()) {
        dialogs.messageBox(versionRefusal(), QCoreApplication::translate("tavo", "Save game error"),
                           DialogButtons::Ok, DialogIcon::Stop);
        return LoadAnswer::Refused;
    }
    return LoadAnswer::Loaded;
}

} // namespace tavo::ui
