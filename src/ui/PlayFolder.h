// Where the game keeps its files. Started in a folder that holds config.kpl
// or a default list, the game plays there as it always has (a portable
// folder). Otherwise, as when the installed game is started from a desktop
// menu, it plays in the player's own data folder, made at the first start
// and given copies of the installed lists; config.kpl, the lists, the
// settings and the saves folder live there.
#pragma once

#include <QString>

namespace tavo::ui {

struct PlayFolder {
    QString path;  // the folder the game plays in (made the current one)
    QString saves; // where the autosaves go
    bool portable = false;
    // Where the save and load dialogs open; empty for the current folder.
    QString dialogsFolder() const { return portable ? QString() : saves; }
};

// The choice, without touching the current folder: `userFolder` is made
// (with its saves folder) and given the lists found in `installedLists`
// that it does not hold yet; a list the player changed there is kept.
// When the user folder cannot be made, the game plays where it started.
PlayFolder choosePlayFolder(const QString& current, const QString& userFolder,
                            const QString& installedLists);

// Where the installed game keeps its data (share/tavo), found from the
// program's own folder; it may not exist.
QString installedDataFolder();

// The game's own choice: the current folder, the per-user data folder and
// the lists installed beside the program, then the folder made current.
PlayFolder settleInPlayFolder();

} // namespace tavo::ui
