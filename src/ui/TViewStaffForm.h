// The staff list window, "View Staff Informations": the administrators in
// use, and View, which opens one's settings and closes the list.
#pragma once

#include "game/Game.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tavo::ui {

class Dialogs;
struct Forms;

class TViewStaffForm final : public QDialog {
    Q_OBJECT
public:
    TViewStaffForm(Game& game, Dialogs& dialogs, Forms& forms);

    // Shows the list, filled again when it is already open (the settings
    // window brings it back when it closes).
    void showList();

    void FormShow();
    void FormClose();
    void ViewAdminClick();
    void CloseButClick();

    QListWidget* AdminList;
    QPushButton* ViewAdmin;
    QPushButton* CloseBut;

    // The administrator whose settings window is open.
    int selectedAdmin = 0;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Game& game_;
    Forms& forms_;
    DialogsVoice voice_;
};

} // namespace tavo::ui
