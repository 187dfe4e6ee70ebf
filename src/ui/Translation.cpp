#include "ui/Translation.h"

#include "core/FileIo.h"
#include "ui/GameSettings.h"
#include "ui/PlayFolder.h"
#include "ui/TranslationFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>
#include <iterator>
#include <utility>

namespace tavo::ui {
namespace {

const QString kLanguageKey = QStringLiteral("game/language");

// `pattern` with its first N places filled from `texts` in one pass, as
// QString::arg fills several at once (a text holding "%2" is never filled
// in its turn).
template <std::size_t N>
QString filledWith(const QString& pattern, const QStringList& texts) {
    return [&]<std::size_t... Place>(std::index_sequence<Place...>) {
        return pattern.arg(texts[Place]...);
    }
    (std::make_index_sequence<N>{});
}

// The most places a phrase fills: %1 to %9.
constexpr QString (*kFillers[])(const QString&, const QStringList&) = {
    filledWith<1>, filledWith<2>, filledWith<3>, filledWith<4>, filledWith<5>,
    filledWith<6>, filledWith<7>, filledWith<8>, filledWith<9>};

QString filled(const QString& pattern, const QStringList& texts) {
    if (texts.isEmpty()) return pattern;
    const auto most = static_cast<qsizetype>(std::size(kFillers));
    return kFillers[std::min(texts.size(), most) - 1](pattern, texts);
}

// A translator over bytes the game checked: Qt reads them in place, so the
// translator keeps them.
class CheckedTranslator final : public QTranslator {
public:
    CheckedTranslator(QByteArray bytes, QObject* parent)
        : QTranslator(parent), bytes_(std::move(bytes)) {}
    bool load() {
        return QTranslator::load(reinterpret_cast<const uchar*>(bytes_.constData()),
                                 static_cast<int>(bytes_.size()));
    }

private:
    QByteArray bytes_;
};

enum class Found { Loaded, Missing, Refused };

// Reads the translation file at `path` once, checks it, and gives Qt the
// bytes checked.
Found loadChecked(QCoreApplication& app, const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return Found::Missing;
    const FileRead file =
        readRegularFile(QFile::encodeName(path).toStdString(), kMostTranslationBytes + 1);
    if (!file.ok || !translationFault(file.bytes.data(), file.bytes.size()).empty())
        return Found::Refused;
    auto* translator =
        new CheckedTranslator(QByteArray(reinterpret_cast<const char*>(file.bytes.data()),
                                         static_cast<qsizetype>(file.bytes.size())),
                              &app);
    if (!translator->load()) {
        delete translator;
        return Found::Refused;
    }
    QCoreApplication::installTranslator(translator);
    return Found::Loaded;
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
    QStringList texts;
    for (const Phrase& arg : phrase.args)
        texts << translated(arg);
    return filled(translated(phrase.pattern), texts);
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
    if (code.isEmpty()) return QCoreApplication::translate("tavo", "The system's language");
    // The language as its speakers name it, with no country: the shortest
    // of its locales' names ("English", not "American English"; "español",
    // not "español de España"), heading its line of the list with a capital.
    const QLocale::Language language = QLocale::codeToLanguage(code);
    QString name = QLocale(language).nativeLanguageName();
    for (const QLocale& locale :
         QLocale::matchingLocales(language, QLocale::AnyScript, QLocale::AnyTerritory))
        if (const QString own = locale.nativeLanguageName();
            !own.isEmpty() && own.size() < name.size())
            name = own;
    return name.left(1).toUpper() + name.mid(1);
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

bool installTranslations(QCoreApplication& app, const QString& language, const QString& folder,
                         QString* refused) {
    if (language.isEmpty() || language == QLatin1String("en")) return true;
    // Only from the installed folder: never the play folder, which an empty
    // or relative folder would name.
    if (folder.isEmpty() || QDir::isRelativePath(folder)) return false;
    const QString path =
        QDir(folder).filePath(QStringLiteral("tavo_") + language + QStringLiteral(".qm"));
    switch (loadChecked(app, path)) {
    case Found::Missing:
        return false;
    case Found::Refused:
        if (refused) *refused = path;
        return false;
    case Found::Loaded:
        break;
    }
    // Qt's own words (the buttons of its dialogs) in the same language;
    // missing or refused, they stay English.
    loadChecked(app, QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                         .filePath(QStringLiteral("qtbase_") + language + QStringLiteral(".qm")));
    return true;
}

QString refusedTranslationText(const QString& path) {
    return QStringLiteral("The translation file %1 is damaged: the game speaks English "
                          "until it is installed again.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace tavo::ui
