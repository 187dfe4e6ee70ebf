#include "ui/GameSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <cerrno>
#include <sys/stat.h>

namespace tavo::ui {
namespace {

const QString kAutosaveKey = QStringLiteral("game/autosave");

} // namespace

QString settingsFilePath() {
    return QDir::current().filePath(QLatin1String(kSettingsFileName));
}

bool settingsFileUsable() {
    // stat never opens, so a FIFO is never waited on; links are followed,
    // as opening would follow them.
    struct stat info {};
    if (::stat(QFile::encodeName(settingsFilePath()).constData(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

bool autosaveEnabled() {
    if (!settingsFileUsable()) return true;
    return QSettings(settingsFilePath(), QSettings::IniFormat).value(kAutosaveKey, true).toBool();
}

bool setAutosaveEnabled(bool on) {
    if (!settingsFileUsable()) return false;
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.setValue(kAutosaveKey, on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace tavo::ui
