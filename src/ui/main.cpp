// Tavo: the program starts as the game starts, at its main menu.

#include "core/TimeSource.h"
#include "ui/Forms.h"
#include "ui/PlayFolder.h"
#include "ui/QtDialogs.h"
#include "ui/TMainForm.h"
#include "ui/TavoApplication.h"

int main(int argc, char** argv) {
    tavo::ui::TavoApplication app(argc, argv);
    const tavo::ui::PlayFolder folder = tavo::ui::settleInPlayFolder();
    tavo::ui::QtDialogs dialogs;
    dialogs.setSavesFolder(folder.dialogsFolder());
    app.setDialogs(&dialogs);
    tavo::SystemTimeSource clock;
    tavo::ui::FormSet windows(dialogs, clock);
    windows.forms().mainForm->show();
    return app.exec();
}
