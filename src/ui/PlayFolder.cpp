#include "ui/PlayFolder.h"

#include "core/ConfigRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef TAVO_DATA_FROM_PROGRAM
#define TAVO_DATA_FROM_PROGRAM "../share/tavo"
#endif

namespace tavo::ui {
namespace {

const char* const kListNames[] = {kDefaultBarsList, kDefaultDrinksList, kUsDrinksList};

bool holdsGameFiles(const QDir& folder) {
    for (const char* name : {kConfigFileName, kDefaultBarsList, kDefaultDrinksList})
        if (QFileInfo::exists(folder.filePath(QLatin1String(name)))) return true;
    return false;
}

QString installedListsFolder() {
    const QString besideProgram = installedDataFolder();
    if (QFileInfo::exists(QDir(besideProgram).filePath(QLatin1String(kDefaultBarsList))))
        return besideProgram;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("tavo"),
                                  QStandardPaths::LocateDirectory);
}

} // namespace

QString installedDataFolder() {
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral(TAVO_DATA_FROM_PROGRAM)));
}

PlayFolder choosePlayFolder(const QString& current, const QString& userFolder,
                            const QString& installedLists) {
    const QDir here(current);
    const PlayFolder portable{here.absolutePath(), here.filePath(QStringLiteral("saves")), true};
    if (holdsGameFiles(here) || userFolder.isEmpty()) return portable;
    QDir user(userFolder);
    if (!user.mkpath(QStringLiteral("saves"))) return portable;
    if (!installedLists.isEmpty()) {
        const QDir installed(installedLists);
        for (const char* name : kListNames) {
            const QString target = user.filePath(QLatin1String(name));
            // The copy is the player's to change, whatever the installed
            // file's permissions.
            if (!QFileInfo::exists(target) &&
                QFile::copy(installed.filePath(QLatin1String(name)), target))
                QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadGroup | QFile::ReadOther);
        }
    }
    return {user.absolutePath(), user.filePath(QStringLiteral("saves")), false};
}

PlayFolder settleInPlayFolder() {
    const PlayFolder folder = choosePlayFolder(
        QDir::currentPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        installedListsFolder());
    QDir::setCurrent(folder.path);
    return folder;
}

} // namespace tavo::ui
