// The game's own settings, in settings.ini beside config.kpl (the fixed
// configuration record has no room for them).
#pragma once

namespace tavo::ui {

inline constexpr const char* kSettingsFileName = "settings.ini";
inline constexpr const char* kSavesFolderName = "saves";

// Whether the running game saves itself at each month change (on unless
// the player turned it off).
bool autosaveEnabled();
// False when the settings file could not be written.
bool setAutosaveEnabled(bool on);

} // namespace tavo::ui
