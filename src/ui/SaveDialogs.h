// The save and load dialogs as the game describes them.
#pragma once

#include "core/FinanceHistory.h"
#include "core/GameState.h"
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

// The load dialog, then the file read into `state` when it is a game of
// this version. A file that cannot be opened shows `cannotOpen`; a refused
// one the version message. `state` and `history` (the save's own, or none)
// change only when the game is loaded.
LoadAnswer loadWithDialogs(Dialogs& dialogs, GameState& state, FinanceHistory& history,
                           const QString& cannotOpen);

} // namespace tavo::ui
