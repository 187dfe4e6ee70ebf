// Tavo: the program starts as the game starts, at its main menu.

#include "core/TimeSource.h"
#include "game/Script.h"
#include "ui/Forms.h"
#include "ui/PlayFolder.h"
#include "ui/QtDialogs.h"
#include "ui/TMainForm.h"
#include "ui/TavoApplication.h"
#include "ui/Translation.h"

#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <span>
#include <string_view>

namespace {

constexpr const char* kHelp = R"(Usage: tavo [options]

Tavo, a business game: you run the bars of a small town. It starts at its
main menu and needs a desktop session, X11 or Wayland (QT_QPA_PLATFORM
chooses between them).

Options:
  -h, --help      show this text
  -v, --version   show the version
Qt's own options (-platform, -style, -reverse, ...) are passed to Qt.
)";

// Qt's own options, which QApplication reads, with one dash or two; those
// that take a value may have it as the next argument or after '='.
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
constexpr std::string_view kQtValued[] = {"platform",    "platformpluginpath", "platformtheme",
                                          "plugin",      "qmljsdebugger",      "qwindowgeometry",
                                          "qwindowicon", "qwindowtitle",       "session",
                                          "display",     "geometry",           "style",
                                          "stylesheet"};

bool isOneOf(std::string_view name, std::span<const std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

enum class Answer { Run, Done, Refused };

Answer refuse(const char* what, std::string_view arg) {
    std::fprintf(stderr, "tavo: %s '%s'\nTry 'tavo --help'.\n", what, tavo::printable(arg).c_str());
    return Answer::Refused;
}

// Answers --help and --version, and refuses what neither the game nor Qt
// knows, before anything needs a display.
Answer readCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kHelp, stdout);
            return Answer::Done;
        }
        if (arg == "-v" || arg == "--version") {
            std::puts("tavo " TAVO_VERSION);
            return Answer::Done;
        }
        if (!arg.starts_with('-') || arg == "-" || arg == "--")
            return refuse("unexpected argument", arg);
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        name = name.substr(0, equals);
        if (isOneOf(name, kQtFlags) && equals == std::string_view::npos) continue;
        if (!isOneOf(name, kQtValued)) return refuse("unknown option", arg);
        if (equals == std::string_view::npos) ++i; // the value is the next argument
    }
    return Answer::Run;
}

} // namespace

int main(int argc, char** argv) {
    switch (readCommandLine(argc, argv)) {
    case Answer::Done:
        return 0;
    case Answer::Refused:
        return 2;
    case Answer::Run:
        break;
    }
    tavo::ui::TavoApplication app(argc, argv);
    const tavo::ui::PlayFolder folder = tavo::ui::settleInPlayFolder();
    // The language chosen in Setup (kept beside the game's files), or the
    // desktop's; a missing translation leaves the game in English, and a
    // damaged one too, which the player is told once the menu is up.
    const QString chosen = tavo::ui::effectiveLanguage(tavo::ui::chosenLanguage());
    QString refused;
    const QString language =
        tavo::ui::installTranslations(app, chosen, tavo::ui::translationsFolder(), &refused)
            ? chosen
            : QStringLiteral("en");
    // Qt's own dialogs write dates and sizes in it too (the file dialog's
    // columns), not in the desktop's; the player's typed figures still
    // follow the desktop's number format.
    QLocale::setDefault(QLocale(language));
    tavo::ui::QtDialogs dialogs;
    dialogs.setSavesFolder(folder.dialogsFolder());
    tavo::SystemTimeSource clock;
    tavo::ui::FormSet windows(dialogs, clock);
    windows.forms().mainForm->show();
    if (!refused.isEmpty())
        QTimer::singleShot(0, &app,
                           [&] { dialogs.message(tavo::ui::refusedTranslationText(refused)); });
    return app.exec();
}
