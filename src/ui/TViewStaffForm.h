// The staff list window, "View Staff Informations": the administrators in
// use, and View, which opens one's settings and closes the list.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tavo::ui {

class Dialogs;
struct Forms;

class TViewStaffForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TViewStaffForm(Session& session, Dialogs& dialogs, Forms& forms);
    void gameReplaced() override;

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
    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Forms& forms_;
    DialogsVoice voice_;
};

} // namespace tavo::ui
