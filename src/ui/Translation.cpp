#include "ui/Translation.h"

#include "ui/GameSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#ifndef TAVO_DATA_FROM_PROGRAM
#define TAVO_DATA_FROM_PROGRAM "../share/tavo"
#endif

namespace tavo::ui {
namespace {

const QString kLanguageKey = QStringLiteral("game/language");

// The places %1 to %9 filled in one pass, as the engine fills them: a
// place's text that holds "%2" is never filled again.
QString fill(const QString& pattern, const QStringList& texts) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size()) {
            const int place = pattern[i + 1].digitValue() - 1;
            if (place >= 0 && place < 9 && place < texts.size()) {
                out += texts[place];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace

QString translated(const char* english) {
    return QCoreApplication::translate(kEngineContext, english);
}

QString translated(const std::string& english) {
    return translated(english.c_str());
}

QString translated(const Phrase& phrase) {
    if (phrase.exact) return QString::fromStdString(phrase.pattern);
    const QString pattern = translated(phrase.pattern);
    if (phrase.args.empty()) return pattern;
    QStringList texts;
    for (const Phrase& arg : phrase.args)
        texts << translated(arg);
    return fill(pattern, texts);
}

QStringList languageCodes() {
    return {QString(), QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de")};
}

QString languageName(const QString& code) {
    if (code == QLatin1String("en")) return QStringLiteral("English");
    if (code == QLatin1String("fr")) return QStringLiteral("Français");
    if (code == QLatin1String("de")) return QStringLiteral("Deutsch");
    return QCoreApplication::translate("tavo", "The system's language");
}

QString chosenLanguage() {
    if (!settingsFileUsable()) return {};
    const QString code =
        QSettings(settingsFilePath(), QSettings::IniFormat).value(kLanguageKey).toString();
    return languageCodes().contains(code) ? code : QString();
}

bool setChosenLanguage(const QString& code) {
    if (!settingsFileUsable()) return false;
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.setValue(kLanguageKey, code);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString effectiveLanguage(const QString& choice) {
    if (!choice.isEmpty()) return choice;
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString code = name.left(2).toLower();
        if (languageCodes().mid(1).contains(code)) return code;
    }
    return QStringLiteral("en");
}

QString translationsFolder() {
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral(TAVO_DATA_FROM_PROGRAM "/translations"));
    if (QFileInfo(besideProgram).isDir()) return QDir::cleanPath(besideProgram);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("tavo/translations"),
                                  QStandardPaths::LocateDirectory);
}

bool installTranslations(QCoreApplication& app, const QString& language, const QString& folder) {
    if (language.isEmpty() || language == QLatin1String("en")) return true;
    // Qt's own words (the buttons of its dialogs) in the same language;
    // missing, they stay English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto* game = new QTranslator(&app);
    if (!game->load(QStringLiteral("tavo_") + language, folder)) {
        delete game;
        return false;
    }
    QCoreApplication::installTranslator(game);
    return true;
}

} // namespace tavo::ui
