// The game's own settings, in settings.ini beside config.kpl (the fixed
// configuration record has no room for them).
//
// settings.ini is read and written only while it is usable: missing (it is
// then made on the first write) or a regular file. Anything else there (a
// symbolic link, a FIFO, a device, a folder) is never opened, so it can
// neither freeze the game nor be written through into another file: its
// settings read as their defaults, and writes fail (Setup then says "Disk
// error").
#pragma once

#include <QString>
#include <QVariant>

namespace tavo::ui {

inline constexpr const char* kSettingsFileName = "settings.ini";
inline constexpr const char* kSavesFolderName = "saves";

// The settings file's path, for a QSettings in IniFormat.
QString settingsFilePath();
// Whether settingsFilePath() may be opened now (checked without opening it);
// a QSettings on it is made only when this holds.
bool settingsFileUsable();

// A setting of the game, or `fallback` when it has none or the file is not
// usable.
QVariant gameSetting(const QString& key, const QVariant& fallback = {});
// False when the settings file could not be written.
bool setGameSetting(const QString& key, const QVariant& value);

// Whether the running game saves itself at each month change (on unless
// the player turned it off).
bool autosaveEnabled();
// False when the settings file could not be written.
bool setAutosaveEnabled(bool on);

} // namespace tavo::ui
