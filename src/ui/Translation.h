// The player's language. The engine speaks English, marking each text of
// the game for the translators; the windows put those texts, and their own
// captions, into the language chosen in Setup ("Language": the system's,
// English, Français, Deutsch, Español, Italiano), kept in settings.ini and
// taken at start.
#pragma once

#include "core/Voice.h"

#include <QString>
#include <QStringList>

#include <string>

class QCoreApplication;

namespace tavo::ui {

// The context of the engine's texts in the translation files.
inline constexpr const char* kEngineContext = "tavo";

// A text of the engine's (UTF-8) in the player's language.
QString translated(const char* english);
QString translated(const std::string& english);
// A phrase in the player's language: the pattern translated, each place
// filled with its text (a figure, name or path as it is; a phrase of the
// game translated in its turn).
QString translated(const Phrase& phrase);
inline QString translated(const Words& words) {
    return translated(words.phrase);
}

// The languages Setup offers: "" for the system's, then "en", "fr", "de",
// "es", "it".
QStringList languageCodes();
// The name of each, as Setup shows it.
QString languageName(const QString& code);

// The language kept in settings.ini ("" for the system's).
QString chosenLanguage();
// False when the settings file could not be written.
bool setChosenLanguage(const QString& code);

// The language the game speaks for `choice`: the choice itself, or for the
// system's, the first of the desktop's languages the game has ("en" when
// it has none of them).
QString effectiveLanguage(const QString& choice);

// Where the translation files are: beside the installed program, then in
// the system's data folders; empty when there are none.
QString translationsFolder();

// Loads the game's translation for `language` (tavo_LANGUAGE.qm) from the
// installed `folder`, and then Qt's own for its dialogs' buttons; English
// loads nothing, and an empty or relative folder nothing either. Each file
// is read once and loaded only when it passes translationFault(). True when
// the game's translation was loaded (or none was needed); a file refused
// has its path put in `refused`, when given.
bool installTranslations(QCoreApplication& app, const QString& language, const QString& folder,
                         QString* refused = nullptr);

// What the game says, in English, when it starts without the translation
// at `path` because that file is damaged.
QString refusedTranslationText(const QString& path);

} // namespace tavo::ui
