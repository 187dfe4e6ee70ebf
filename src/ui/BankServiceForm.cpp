#include "ui/BankServiceForm.h"

#include "ui/BankForm.h"

namespace tavo::ui {

BankServiceForm::BankServiceForm(Session& session, Dialogs& dialogs, int bank, const QString& title)
    : QDialog(nullptr), session_(session), game_(session.game()), dialogs_(dialogs), bank_(bank) {
    setWindowTitle(title);
    setModal(false);
}

void BankServiceForm::gameReplaced() {
    hide(); // it holds figures of the game it was opened in
}

void BankServiceForm::doneWithAccount() {
    if (bankWindow) bankWindow->UpdateTimerTimer();
    hide();
}

} // namespace tavo::ui
