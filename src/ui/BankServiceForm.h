// What the forms a bank window opens have in common: the game, the voice,
// the bank they serve and the bank window, which shows the account again
// as soon as a form has changed it.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

namespace tavo::ui {

class BankForm;
class Dialogs;

class BankServiceForm : public QDialog, public SessionListener {
    Q_OBJECT
public:
    BankForm* bankWindow = nullptr;

protected:
    BankServiceForm(Session& session, Dialogs& dialogs, int bank, const QString& title);
    void gameReplaced() override;
    // The account changed: the bank window shows it at once, and this form closes.
    void doneWithAccount();

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    int bank_;
};

} // namespace tavo::ui
