// The loan windows of Invest Bank and China Cash, twins that differ by
// bank: the request, "Make a loan", and the refund, "Refund the loan".
#pragma once

#include "ui/BankServiceForm.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavo::ui {

class LoanRequestForm : public BankServiceForm {
    Q_OBJECT
public:
    void FormShow();
    void AskMoneyClick();

    QLabel* RatesText;
    QLineEdit* curloan;
    QLineEdit* limit;
    QLineEdit* MoneyAsk; // keeps its text between visits
    QPushButton* AskMoney;

protected:
    LoanRequestForm(Session& session, Dialogs& dialogs, int bank);
    void showEvent(QShowEvent* event) override;
};

class TLoanInvSetup final : public LoanRequestForm {
public:
    TLoanInvSetup(Session& session, Dialogs& dialogs);
};

class TLoanChina1Set final : public LoanRequestForm {
public:
    TLoanChina1Set(Session& session, Dialogs& dialogs);
};

class LoanRefundForm : public BankServiceForm {
    Q_OBJECT
public:
    // On show: the box holds what is left to refund.
    void FormShow();
    void RefundButClick();

    QLineEdit* RefundBox;
    QPushButton* RefundBut;

protected:
    LoanRefundForm(Session& session, Dialogs& dialogs, int bank);
    void showEvent(QShowEvent* event) override;
};

class TLoanInvRef final : public LoanRefundForm {
public:
    TLoanInvRef(Session& session, Dialogs& dialogs);
    void UpdateRefund() { FormShow(); }
};

class TLoanChinRef1 final : public LoanRefundForm {
public:
    TLoanChinRef1(Session& session, Dialogs& dialogs);
};

} // namespace tavo::ui
