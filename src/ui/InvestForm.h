// The investment forms of Invest Bank and German Bank, twins that differ
// by bank: the bank's rules, the two plans, the most that may be put in,
// the amount and the total it reaches.
#pragma once

#include "ui/BankServiceForm.h"

#include <cstdint>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tavo::ui {

class InvestForm : public BankServiceForm {
    Q_OBJECT
public:
    // "Make an Investment": the maximum shown, the form shown.
    void offer(std::int32_t maximum);

    void UpdateTotal();
    void InvestButClick();
    void CancelClick();
    // A plan chosen: 0 the shorter, 1 the longer.
    void choosePlan(int plan);

    QPlainTextEdit* RulesMemo;
    // The plans' choices, the shorter first (named as each bank names them).
    QRadioButton* plans[2];
    QLineEdit* MaxInvest;
    QLineEdit* InvestBox;
    QLineEdit* TotalInvest;
    QPushButton* InvestBut;
    QPushButton* Cancel;

    // The plan last chosen, kept between visits.
    std::int16_t chosenYears = 0;
    float chosenRate = 0;

protected:
    InvestForm(Session& session, Dialogs& dialogs, int bank);

private:
    std::int32_t maximum_ = 0;
    int chosenPlan_ = 0; // the plan chosen: 0 the shorter, 1 the longer
};

class TInvestInvBankForm final : public InvestForm {
public:
    TInvestInvBankForm(Session& session, Dialogs& dialogs);
    void FiveYearsClick() { choosePlan(0); }
    void TenYearsClick() { choosePlan(1); }
    QRadioButton* FiveYears;
    QRadioButton* TenYears;
};

class TInvestGermForm final : public InvestForm {
public:
    TInvestGermForm(Session& session, Dialogs& dialogs);
    // The game's names: TenYears holds the 15-year plan, ThirtyYears the 25-year one.
    void TenYearsClick() { choosePlan(0); }
    void ThirtyYearsClick() { choosePlan(1); }
    QRadioButton* TenYears;
    QRadioButton* ThirtyYears;
};

} // namespace tavo::ui
