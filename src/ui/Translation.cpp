#include "ui/Translation.h"

#include "ui/GameSettings.h"
#include "ui/PlayFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace tavo::ui {
namespace {

const QString kLanguageKey = QStringLiteral("game/language");

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
    // Filled as the engine fills its English: in one pass.
    std::vector<std::string> texts;
    for (const Phrase& arg : phrase.args)
        texts.push_back(translated(arg).toStdString());
    return QString::fromStdString(fillPlaces(pattern.toStdString(), texts));
}

QStringList languageCodes() {
    return {QString(),
            QStringLiteral("en"),
            QStringLiteral("fr"),
            QStringLiteral("de"),
            QStringLiteral("es"),
            QStringLiteral("it")};
}

QString languageName(const QString& code) {
    if (code == QLatin1String("en")) return QStringLiteral("English");
    if (code == QLatin1String("fr")) return QStringLiteral("Français");
    if (code == QLatin1String("de")) return QStringLiteral("Deutsch");
    if (code == QLatin1String("es")) return QStringLiteral("Español");
    if (code == QLatin1String("it")) return QStringLiteral("Italiano");
    return QCoreApplication::translate("tavo", "The system's language");
}

QString chosenLanguage() {
    const QString code = gameSetting(kLanguageKey).toString();
    return languageCodes().contains(code) ? code : QString();
}

bool setChosenLanguage(const QString& code) {
    return setGameSetting(kLanguageKey, code);
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
    const QString besideProgram = installedDataFolder() + QStringLiteral("/translations");
    if (QFileInfo(besideProgram).isDir()) return besideProgram;
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
