// German Bank's insurance window, "Buy an insurance": the fire and theft
// contracts to read, a box to tick for each, the total and "Sign up".
#pragma once

#include "ui/BankServiceForm.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tavo::ui {

class TGermInsuForm final : public BankServiceForm {
    Q_OBJECT
public:
    TGermInsuForm(Session& session, Dialogs& dialogs);

    void FormShow();
    void FireCheckClick();
    void StoleCheckClick();
    void BuyInsClick();

    QPlainTextEdit* FireContract;
    QPlainTextEdit* StoleContract;
    QCheckBox* FireCheck;
    QCheckBox* StoleCheck;
    QLineEdit* TotalMoney;
    QPushButton* BuyIns;

    std::int32_t insuranceTotal = 0;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace tavo::ui
