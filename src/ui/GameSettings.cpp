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
    // lstat never opens, so a FIFO is never waited on, and never follows a
    // link: the settings would be written through it into another file.
    struct stat info {};
    if (::lstat(QFile::encodeName(settingsFilePath()).constData(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

QVariant gameSetting(const QString& key, const QVariant& fallback) {
    if (!settingsFileUsable()) return fallback;
    return QSettings(settingsFilePath(), QSettings::IniFormat).value(key, fallback);
}

bool setGameSetting(const QString& key, const QVariant& value) {
    if (!settingsFileUsable()) return false;
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool autosaveEnabled() {
    return gameSetting(kAutosaveKey, true).toBool();
}

bool setAutosaveEnabled(bool on) {
    return setGameSetting(kAutosaveKey, on);
}

} // namespace tavo::ui
