// The application: its title, and the display of an error that escapes a
// handler (a number that does not convert stops the action, and the
// program goes on).
#pragma once

#include "ui/Dialogs.h"

#include <QApplication>

namespace tavo::ui {

class TavoApplication final : public QApplication {
public:
    TavoApplication(int& argc, char** argv);

    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void showError(const char* text);

    Dialogs* dialogs_ = nullptr;
    bool showingError_ = false;
};

} // namespace tavo::ui
