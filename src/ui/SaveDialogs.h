// The save and load dialogs as the game describes them.
#pragma once

#include "game/Session.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>

namespace tavo::ui {

inline FileDialogSpec saveGameDialog() {
    return {QCoreApplication::translate("tavo", "Save your game"), QStringLiteral("sav"),
            QCoreApplication::translate("tavo", "Save Files (*.sav)|*.sav|All Files (*.txt)|*.*"),
            true};
}

inline FileDialogSpec loadGameDialog() {
    return {QCoreApplication::translate("tavo", "Load a game"), QStringLiteral("sav"),
            QCoreApplication::translate("tavo", "Save Game (*.sav)|*.sav|All File (*.*)|*.*"),
            true};
}

inline QString versionRefusal() {
    return QCoreApplication::translate(
        "tavo", "The version of your save game is older... restart a new game.");
}

enum class LoadAnswer { Cancelled, CannotOpen, Refused, Loaded };

// The load dialog, then the file loaded into the session when it is a game
// of this version. A file that cannot be opened shows `cannotOpen`; a
// refused one the version message. The game changes only when it is loaded.
LoadAnswer loadWithDialogs(Dialogs& dialogs, Session& session, const QString& cannotOpen);

} // namespace tavo::ui
