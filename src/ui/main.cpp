// Tavo: the program starts as the game starts, at its main menu.

#include "core/TimeSource.h"
#include "ui/Forms.h"
#include "ui/PlayFolder.h"
#include "ui/QtDialogs.h"
#include "ui/TMainForm.h"
#include "ui/TavoApplication.h"
#include "ui/Translation.h"

#include <QLocale>
#include <QTimer>

int main(int argc, char** argv) {
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
    app.setDialogs(&dialogs);
    tavo::SystemTimeSource clock;
    tavo::ui::FormSet windows(dialogs, clock);
    windows.forms().mainForm->show();
    if (!refused.isEmpty())
        QTimer::singleShot(0, &app,
                           [&] { dialogs.message(tavo::ui::refusedTranslationText(refused)); });
    return app.exec();
}
