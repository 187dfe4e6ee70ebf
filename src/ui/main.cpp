// Tavo: the program starts as the game starts, at its main menu.

#include "core/TimeSource.h"
#include "ui/Forms.h"
#include "ui/PlayFolder.h"
#include "ui/QtDialogs.h"
#include "ui/TMainForm.h"
#include "ui/TavoApplication.h"
#include "ui/Translation.h"

int main(int argc, char** argv) {
    tavo::ui::TavoApplication app(argc, argv);
    const tavo::ui::PlayFolder folder = tavo::ui::settleInPlayFolder();
    // The language chosen in Setup (kept beside the game's files), or the
    // desktop's; a missing translation leaves the game in English.
    tavo::ui::installTranslations(app, tavo::ui::effectiveLanguage(tavo::ui::chosenLanguage()),
                                  tavo::ui::translationsFolder());
    tavo::ui::QtDialogs dialogs;
    dialogs.setSavesFolder(folder.dialogsFolder());
    app.setDialogs(&dialogs);
    tavo::SystemTimeSource clock;
    tavo::ui::FormSet windows(dialogs, clock);
    windows.forms().mainForm->show();
    return app.exec();
}
