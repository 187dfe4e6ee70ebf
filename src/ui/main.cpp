// Tavo: the program starts as the game starts, at its main menu.

#include "core/TimeSource.h"
#include "ui/Forms.h"
#include "ui/QtDialogs.h"
#include "ui/TMainForm.h"
#include "ui/TavoApplication.h"

int main(int argc, char** argv) {
    tavo::ui::TavoApplication app(argc, argv);
    tavo::ui::QtDialogs dialogs;
    app.setDialogs(&dialogs);
    tavo::SystemTimeSource clock;
    tavo::ui::FormSet windows(dialogs, clock);
    windows.forms().mainForm->show();
    return app.exec();
}
