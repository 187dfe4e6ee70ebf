// The loan windows of Invest Bank and China Cash, twins that differ by
// bank: the request, "Make a loan", and the refund, "Refund the loan".
#pragma once

#include "game/Game.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavo::ui {

class BankForm;
class Dialogs;

class LoanRequestForm : public QDialog {
    Q_OBJECT
public:
    void FormShow();
    void AskMoneyClick();

    // The bank window, shown again at once when the loan changes.
    BankForm* bankWindow = nullptr;

    QLabel* RatesText;
    QLabel* curloan;
    QLabel* limit;
    QLineEdit* MoneyAsk; // keeps its text between visits
    QPushButton* AskMoney;

protected:
    LoanRequestForm(Game& game, Dialogs& dialogs, int bank);
    void showEvent(QShowEvent* event) override;

private:
    Game& game_;
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_};
    int bank_;
};

class TLoanInvSetup final : public LoanRequestForm {
public:
    TLoanInvSetup(Game& game, Dialogs& dialogs);
};

class TLoanChina1Set final : public LoanRequestForm {
public:
    TLoanChina1Set(Game& game, Dialogs& dialogs);
};

class LoanRefundForm : public QDialog {
    Q_OBJECT
public:
    // On show: the box holds what is left to refund.
    void FormShow();
    void RefundButClick();

    BankForm* bankWindow = nullptr;

    QLineEdit* RefundBox;
    QPushButton* RefundBut;

protected:
    LoanRefundForm(Game& game, Dialogs& dialogs, int bank);
    void showEvent(QShowEvent* event) override;

private:
    Game& game_;
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_};
    int bank_;
};

class TLoanInvRef final : public LoanRefundForm {
public:
    TLoanInvRef(Game& game, Dialogs& dialogs);
    void UpdateRefund() { FormShow(); }
};

class TLoanChinRef1 final : public LoanRefundForm {
public:
    TLoanChinRef1(Game& game, Dialogs& dialogs);
};

} // namespace tavo::ui
