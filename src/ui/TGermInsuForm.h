// German Bank's insurance window, "Buy an insurance": the fire and theft
// contracts to read, a box to tick for each, the total and "Sign up".
#pragma once

#include "game/Game.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tavo::ui {

class BankForm;
class Dialogs;

class TGermInsuForm final : public QDialog {
    Q_OBJECT
public:
    TGermInsuForm(Game& game, Dialogs& dialogs);

    void FormShow();
    void FireCheckClick();
    void StoleCheckClick();
    void BuyInsClick();

    BankForm* bankWindow = nullptr;

    QPlainTextEdit* FireContract;
    QPlainTextEdit* StoleContract;
    QCheckBox* FireCheck;
    QCheckBox* StoleCheck;
    QLineEdit* TotalMoney;
    QPushButton* BuyIns;

    std::int32_t insuranceTotal = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Game& game_;
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_};
};

} // namespace tavo::ui
