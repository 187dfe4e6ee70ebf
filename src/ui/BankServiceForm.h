// What the forms a bank window opens have in common: the game, the voice,
// the bank they serve and the bank window, which shows the account again
// as soon as a form has changed it.
#pragma once

#include "game/Game.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

namespace tavo::ui {

class BankForm;
class Dialogs;

class BankServiceForm : public QDialog {
    Q_OBJECT
public:
    BankForm* bankWindow = nullptr;

protected:
    BankServiceForm(Game& game, Dialogs& dialogs, int bank, const QString& title);
    // The account changed: the bank window shows it at once, and this form closes.
    void doneWithAccount();

    Game& game_;
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_};
    int bank_;
};

} // namespace tavo::ui
