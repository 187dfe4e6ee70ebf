#include "ui/GameSettings.h"

#include <QDir>
#include <QSettings>

namespace tavo::ui {
namespace {

const QString kAutosaveKey = QStringLiteral("game/autosave");

QString settingsPath() {
    return QDir::current().filePath(QLatin1String(kSettingsFileName));
}

} // namespace

bool autosaveEnabled() {
    return QSettings(settingsPath(), QSettings::IniFormat).value(kAutosaveKey, true).toBool();
}

bool setAutosaveEnabled(bool on) {
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(kAutosaveKey, on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace tavo::ui
