#include "ui/BankServiceForm.h"

#include "ui/BankForm.h"

namespace tavo::ui {

BankServiceForm::BankServiceForm(Game& game, Dialogs& dialogs, int bank, const QString& title)
    : QDialog(nullptr), game_(game), dialogs_(dialogs), bank_(bank) {
    setWindowTitle(title);
    setModal(false);
}

void BankServiceForm::doneWithAccount() {
    if (bankWindow) bankWindow->UpdateTimerTimer();
    hide();
}

} // namespace tavo::ui
